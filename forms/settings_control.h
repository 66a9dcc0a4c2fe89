// A control whose kind properties are its stored settings: each property
// entry names the settings field it reads and writes, and a write re-applies
// the settings to the live widget.
#pragma once

#include <span>
#include <string>
#include <variant>

#include <QPointer>
#include <QWidget>

#include "forms/control.h"

namespace forms {

template <class Settings>
using SettingsField = std::variant<uint32_t Settings::*, int32_t Settings::*, std::string Settings::*,
                                   Block Settings::*, std::optional<FontDescription> Settings::*>;

template <class Settings>
PropertyValue ReadField(const Settings& settings, const SettingsField<Settings>& field) {
  PropertyValue value;
  std::visit([&](auto member) {
    using Stored = std::decay_t<decltype(settings.*member)>;
    const Stored& stored = settings.*member;
    if constexpr (std::is_same_v<Stored, std::string>) value.bytes = stored;
    else if constexpr (std::is_same_v<Stored, Block>) value.bytes.assign(stored.begin(), stored.end());
    else if constexpr (std::is_same_v<Stored, std::optional<FontDescription>>) value.font = stored;
    else value.number = int64_t(stored);
  }, field);
  return value;
}

template <class Settings>
void WriteField(Settings& settings, const SettingsField<Settings>& field, const PropertyValue& value) {
  std::visit([&](auto member) {
    using Stored = std::decay_t<decltype(settings.*member)>;
    Stored& stored = settings.*member;
    if constexpr (std::is_same_v<Stored, std::string>) stored = value.bytes;
    else if constexpr (std::is_same_v<Stored, Block>) stored.assign(value.bytes.begin(), value.bytes.end());
    else if constexpr (std::is_same_v<Stored, std::optional<FontDescription>>) stored = value.font;
    else stored = Stored(value.number);
  }, field);
}

// The field behind a kind-local entry, or null when the entry is out of range.
template <class Settings>
const SettingsField<Settings>* FieldAt(std::span<const SettingsField<Settings>> fields, int entry) {
  return entry >= 0 && size_t(entry) < fields.size() ? &fields[size_t(entry)] : nullptr;
}

// The common part of the window, button, label and group box kinds. Owns its
// widget; a widget already destroyed with its parent is not deleted twice.
template <class Settings, class Widget>
class SettingsControl : public Control {
 public:
  SettingsControl(const CreateParams& params, Settings settings, std::span<const SettingsField<Settings>> fields)
      : Control(params.window_id, params.unit->control_id), settings_(std::move(settings)), fields_(fields) {}
  ~SettingsControl() override { delete widget_.data(); }

  QWidget* widget() const override { return widget_.data(); }
  PropertyValue Get(int entry) override {
    const auto* field = FieldAt(fields_, entry);
    return field ? ReadField(settings_, *field) : PropertyValue{};
  }
  bool Set(int entry, const PropertyValue& value) override {
    const auto* field = FieldAt(fields_, entry);
    if (field == nullptr) return false;
    WriteField(settings_, *field, value);
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
  std::span<const SettingsField<Settings>> fields_;
};

}  // namespace forms
