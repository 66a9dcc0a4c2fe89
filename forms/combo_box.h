// The combo box kind: a QComboBox built from the stored ComboBoxSettings.
// Program changes of the current item raise nothing; a person choosing an
// item raises event 0.
#pragma once

#include <string>

#include <QPointer>

#include "forms/control.h"

class QComboBox;

namespace forms {

extern const KindInfo kComboBoxKind;

class ComboBoxControl : public Control {
 public:
  static constexpr int kCurrentItemEntry = 11;
  static constexpr int kItemsEntry = 12;
  static constexpr int kItemValuesEntry = 13;
  static constexpr int32_t kChosenEvent = 0;
  // Types 1 and 2 are created at least this high, box and drop-down list together.
  static constexpr int kLeastDroppedHeight = 160;

  ComboBoxControl(const CreateParams& params, ComboBoxSettings settings);
  ~ComboBoxControl() override;

  QWidget* widget() const override;
  PropertyValue Get(int entry) override;
  bool Set(int entry, const PropertyValue& value) override;

  int ItemCount() const;
  // The item's GBK text for 0 <= index < ItemCount(), else empty.
  std::string ItemText(int index) const;

 private:
  void CreateBox(const CreateParams& params);
  void ApplyAppearance();
  void AddItems();
  void ApplyEditPart();
  void SetCurrentItem(int64_t item);

  ComboBoxSettings settings_;
  QPointer<QComboBox> box_;
};

}  // namespace forms
