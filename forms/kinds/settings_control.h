// A control that shows every settings write at once: the window, button,
// label and group box kinds re-apply their settings to the live widget
// instead of being built anew.
#pragma once

#include "forms/kinds/kind_control.h"

namespace forms {

template <class Settings, class Widget>
class SettingsControl : public WidgetControl<Settings, Widget> {
 public:
  using WidgetControl<Settings, Widget>::WidgetControl;

  bool ShowSettings() override {
    if (this->widget_) ApplySettings();
    return true;
  }

 protected:
  // Brings the live widget in line with the stored settings.
  virtual void ApplySettings() = 0;
};

}  // namespace forms
