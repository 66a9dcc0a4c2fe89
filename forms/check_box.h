// The check box kind: a QCheckBox built from the stored CheckBoxSettings. A
// person's click raises event 0; a program write of the ticked state raises nothing.
#pragma once

#include <QPointer>

#include "forms/control.h"

class QCheckBox;

namespace forms {

extern const KindInfo kCheckBoxKind;

class CheckBoxControl : public Control {
 public:
  static constexpr int kTickedEntry = 10;
  static constexpr int32_t kClickedEvent = 0;

  CheckBoxControl(const CreateParams& params, CheckBoxSettings settings);
  ~CheckBoxControl() override;

  QWidget* widget() const override;
  PropertyValue Get(int entry) override;
  bool Set(int entry, const PropertyValue& value) override;

 private:
  void CreateBox(const CreateParams& params);
  void ApplyAppearance();

  CheckBoxSettings settings_;
  QPointer<QCheckBox> box_;
};

}  // namespace forms
