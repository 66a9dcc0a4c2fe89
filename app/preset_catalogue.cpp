// Splits the catalogue text into rows and rows into label and pattern, and
// handles the preset list's row-focus event.
#include "app/preset_catalogue.h"

#include "app/control_ids.h"
#include "app/text_builder.h"
#include "app/text_calls.h"
#include "forms/kinds/report_list_commands.h"
#include "resources/constants.h"
#include "runtime/values.h"

namespace app {
namespace {

// Location numbers of the index checks in FillPresetList.
constexpr int32_t kFillPresetListId = 0x04012F8E;
constexpr int32_t kLabelRead = 133;
constexpr int32_t kPatternRead = 200;

constexpr int32_t kLabelColumn = 0;
constexpr int32_t kPatternColumn = 1;

rt::ArgRecord PresetList() { return ControlArgument(control::kPresetList, rt::tag::kReportList); }

// Element `index` (from 1) of a text array, after the program's index check.
const char* CheckedRow(void* rows, int64_t index, int32_t position) {
  CheckIndex(index, rt::ArrayCount(rows), kFillPresetListId, position);
  return static_cast<const char*>(rt::ArrayPointerAt(rows, index - 1));
}

int32_t AppendEmptyRow() {
  return int32_t(CallLibrary(forms::ListInsertItem, {PresetList(), rt::kOmitted, rt::kOmitted,
                                                     rt::kOmitted, rt::kOmitted, rt::kOmitted,
                                                     rt::kOmitted})
                     .low());
}

void SetCell(int32_t row, int32_t column, const char* text) {
  CallLibrary(forms::ListSetItemText,
              {PresetList(), rt::IntArg(row), rt::IntArg(column), rt::TextArg(text)});
}

OwnedText CellText(int32_t row, int32_t column) {
  return TextResult(
      CallLibrary(forms::ListGetItemText, {PresetList(), rt::IntArg(row), rt::IntArg(column)}));
}

}  // namespace

void FillPresetList() {
  void* rows = SplitText(constants::kPresetCatalogue, constants::kCrLf);
  const int64_t count = rt::ArrayCount(rows);
  for (int64_t i = 1; i <= count; ++i) {
    OwnedText label = TextBeforeSeparator(CheckedRow(rows, i, kLabelRead), constants::kFullWidthColon);
    OwnedText pattern =
        TextAfterSeparator(CheckedRow(rows, i, kPatternRead), constants::kFullWidthColon);
    const int32_t row = AppendEmptyRow();
    SetCell(row, kLabelColumn, label.get());
    SetCell(row, kPatternColumn, pattern.get());
  }
  FreeTextArray(rows);
}

void PresetRowFocused() {
  const int32_t row = ReadInteger(control::kPresetList, property::kReportListCurrentRow);
  WriteText(control::kPattern, CellText(row, kPatternColumn).get());
  if (IsTicked(control::kIgnoreCase)) {
    OwnedText pattern = ReadText(control::kPattern);
    WriteText(control::kPattern, Join({constants::kIgnoreCasePrefix, pattern.view()}).get());
  }
}

OwnedText TextBeforeSeparator(const char* text, const char* separator) {
  const int32_t position = FindText(text, separator);
  if (position == -1) return OwnedText();
  return LeftText(text, position - 1);
}

OwnedText TextAfterSeparator(const char* text, const char* separator) {
  const int32_t length = TextLength(text);
  const int32_t position = FindTextReverse(text, separator, length + 1);
  if (position == -1) return OwnedText();
  return RightText(text, length - TextLength(separator) - position + 1);
}

}  // namespace app
