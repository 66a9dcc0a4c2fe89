// The report list kind (library 3, type 4): rows and columns in report form
// on a ReportListView, built from the stored ReportListSettings. Event 0 is
// raised when a different row becomes the focused row.
#pragma once

#include <optional>
#include <string>

#include "forms/kinds/kind_control.h"

namespace forms {

class ReportListModel;
class ReportListView;

extern const KindInfo kReportListKind;

// A row to insert, with the values the platform stores for it.
struct NewReportRow {
  std::string text;
  int32_t image = -1, state_image = 0, indent = 0, item_value = 0;
};

class ReportListControl : public WidgetControl<ReportListSettings, ReportListView> {
 public:
  static constexpr int32_t kFocusedRowEvent = 0;

  ReportListControl(const CreateParams& params, ReportListSettings settings);
  // The settings with the rows and the current row as they are now.
  std::vector<uint8_t> CurrentPropertyBytes() const override;

  // Inserts before row `position` (at the end when negative or past the last
  // row); returns the new row's number.
  int InsertRow(int position, NewReportRow row);
  // False, and nothing changed, when the row or column does not exist.
  bool SetCellText(int row, int column, std::string text);
  // The cell's GBK text; nothing when the row or column does not exist.
  std::optional<std::string> CellText(int row, int column) const;
  // The first selected row from the top, or -1.
  int CurrentRow() const;
  // Selects exactly that row (none when out of range) without moving the
  // focused row, so no event follows.
  void SelectOnly(int64_t row);
  int RowCount() const;

 private:
  void CreateView(const CreateParams& params);
  void ApplyAppearance();
  void ApplyColumns();
  void InsertInitialRows();

  ReportListModel* model_ = nullptr;  // owned by the view
};

}  // namespace forms
