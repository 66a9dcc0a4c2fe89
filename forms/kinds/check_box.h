// The check box kind: a QCheckBox built from the stored CheckBoxSettings. A
// person's click raises event 0; a program write of the ticked state raises nothing.
#pragma once

#include <QCheckBox>

#include "forms/kinds/kind_control.h"

namespace forms {

extern const KindInfo kCheckBoxKind;

class CheckBoxControl : public WidgetControl<CheckBoxSettings, QCheckBox> {
 public:
  static constexpr int32_t kClickedEvent = 0;

  CheckBoxControl(const CreateParams& params, CheckBoxSettings settings);

  // The settings with the tick as it is now.
  std::vector<uint8_t> CurrentPropertyBytes() const override;

  // 1 when the box is ticked, else 0.
  uint32_t Ticked() const;
  // Ticks the box for exactly 1, else unticks it; raises no event.
  void SetTicked(uint32_t ticked);

 private:
  void CreateBox(const CreateParams& params);
  void ApplyAppearance();
};

}  // namespace forms
