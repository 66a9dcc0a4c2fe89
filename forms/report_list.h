// The report list kind (library 3, type 4): rows and columns in report form
// on a ReportListView, built from the stored ReportListSettings. Event 0 is
// raised when a different row becomes the focused row.
#pragma once

#include <optional>
#include <string>

#include <QPointer>

#include "forms/control.h"

namespace forms {

class ReportListModel;
class ReportListView;

extern const KindInfo kReportListKind;

// A row to insert, with the values the platform stores for it.
struct NewReportRow {
  std::string text;
  int32_t image = -1, state_image = 0, indent = 0, item_value = 0;
};

class ReportListControl : public Control {
 public:
  static constexpr int kColumnsEntry = 9;
  static constexpr int kCurrentRowEntry = 27;
  static constexpr int32_t kFocusedRowEvent = 0;

  ReportListControl(const CreateParams& params, ReportListSettings settings);
  ~ReportListControl() override;

  QWidget* widget() const override;
  PropertyValue Get(int entry) override;
  bool Set(int entry, const PropertyValue& value) override;

  // Inserts before row `position` (at the end when negative or past the last
  // row); returns the new row's number.
  int InsertRow(int position, NewReportRow row);
  // False, and nothing changed, when the row or column does not exist.
  bool SetCellText(int row, int column, std::string text);
  // The cell's GBK text; nothing when the row or column does not exist.
  std::optional<std::string> CellText(int row, int column) const;
  // The first selected row from the top, or -1.
  int CurrentRow() const;
  int RowCount() const;

 private:
  void CreateView(const CreateParams& params);
  void ApplyAppearance();
  void ApplyColumns();
  void InsertInitialRows();
  void SelectOnly(int64_t row);

  ReportListSettings settings_;
  QPointer<ReportListView> view_;
  ReportListModel* model_ = nullptr;  // owned by view_
};

}  // namespace forms
