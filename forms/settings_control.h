// A control whose kind properties are its stored settings: each property
// entry names the settings field it reads and writes (stored_property.h), and
// a write re-applies the settings to the live widget.
#pragma once

#include <span>
#include <string>
#include <variant>

#include <QPointer>
#include <QWidget>

#include "forms/control.h"
#include "forms/stored_property.h"

namespace forms {

// The field behind a kind-local entry, or null when the entry is out of range.
template <class Settings>
const StoredField<Settings>* FieldAt(std::span<const StoredField<Settings>> fields, int entry) {
  return entry >= 0 && size_t(entry) < fields.size() ? &fields[size_t(entry)] : nullptr;
}

// The common part of the window, button, label and group box kinds. Owns its
// widget; a widget already destroyed with its parent is not deleted twice.
template <class Settings, class Widget>
class SettingsControl : public Control {
 public:
  SettingsControl(const CreateParams& params, Settings settings, std::span<const StoredField<Settings>> fields)
      : Control(params.window_id, params.unit->control_id), settings_(std::move(settings)), fields_(fields) {}
  ~SettingsControl() override { delete widget_.data(); }

  QWidget* widget() const override { return widget_.data(); }
  PropertyValue Get(int entry) override {
    const auto* field = FieldAt(fields_, entry);
    return field ? ReadStoredField(settings_, *field) : PropertyValue{};
  }
  bool Set(int entry, const PropertyValue& value) override {
    const auto* field = FieldAt(fields_, entry);
    if (field == nullptr) return false;
    WriteStoredField(settings_, *field, value);
    if (widget_) ApplySettings();
    return false;
  }
  std::optional<std::vector<uint8_t>> CurrentPropertyBytes() const override { return WriteSettings(settings_); }
  const Settings& settings() const { return settings_; }

 protected:
  // Brings the live widget in line with the stored settings.
  virtual void ApplySettings() = 0;

  Settings settings_;
  QPointer<Widget> widget_;

 private:
  std::span<const StoredField<Settings>> fields_;
};

}  // namespace forms
