// What every control kind shares: the stored settings its property entries
// read and write, the widget it owns, and the create operation that decodes
// the settings from the unit.
#pragma once

#include <memory>
#include <utility>

#include <QPointer>
#include <QWidget>

#include "forms/registry/control.h"

namespace forms {

template <class Settings>
class KindControl : public Control {
 public:
  KindControl(const CreateParams& params, Settings settings)
      : Control(params.window_id, params.unit->control_id), settings_(std::move(settings)) {}

  Settings& settings() { return settings_; }
  const Settings& settings() const { return settings_; }
  std::vector<uint8_t> CurrentPropertyBytes() const override { return WriteSettings(settings_); }

 protected:
  Settings settings_;
};

// A control that owns one widget; a widget already destroyed with its parent
// is not deleted twice.
template <class Settings, class Widget>
class WidgetControl : public KindControl<Settings> {
 public:
  using KindControl<Settings>::KindControl;
  ~WidgetControl() override { DisposeWidget(widget_.data()); }

  QWidget* widget() const override { return widget_.data(); }

 protected:
  QPointer<Widget> widget_;
};

// A kind's create operation: the unit's property bytes decoded by Read, then
// the control built from them; null when the bytes cannot be decoded.
template <class Kind, auto Read>
std::unique_ptr<Control> Create(const CreateParams& params) {
  auto settings = Read(params.unit->properties);
  if (!settings) return nullptr;
  return std::make_unique<Kind>(params, std::move(*settings));
}

}  // namespace forms
