// The combo box kind: a QComboBox built from the stored ComboBoxSettings.
// Program changes of the current item raise nothing; a person choosing an
// item raises event 0.
#pragma once

#include <string>

#include <QComboBox>

#include "forms/kinds/kind_control.h"

namespace forms {

extern const KindInfo kComboBoxKind;

class ComboBoxControl : public WidgetControl<ComboBoxSettings, QComboBox> {
 public:
  static constexpr int32_t kChosenEvent = 0;
  // Types 1 and 2 are created at least this high, box and drop-down list together.
  static constexpr int kLeastDroppedHeight = 160;

  ComboBoxControl(const CreateParams& params, ComboBoxSettings settings);

  // The settings with the current item and the edit part's text as they are now.
  std::vector<uint8_t> CurrentPropertyBytes() const override;

  int ItemCount() const;
  // The item's GBK text for 0 <= index < ItemCount(), else empty.
  std::string ItemText(int index) const;
  // The current item, 0-based, or -1; a write out of range clears the choice.
  // Program changes raise no event.
  int CurrentItem() const;
  void SetCurrentItem(int64_t item);
  // The text of the edit part (types 0 and 1), else the stored content text.
  std::string ContentText() const;
  void SetContentText(const std::string& text);

 private:
  void CreateBox(const CreateParams& params);
  void ApplyAppearance();
  void AddItems();
  void FitItems();
  void ApplyEditPart();
};

}  // namespace forms
