// The rows of a report list: per row one GBK text per column plus the row's
// image, state image, indent and item value. Texts are kept as the program
// gave them and converted for display only, so they read back byte for byte.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <QAbstractTableModel>

#include "forms/template/kind_settings.h"

namespace forms {

struct ReportRow {
  std::vector<std::string> cells;  // GBK; column 0 is the row's item text
  int32_t image = -1, state_image = 0, indent = 0, item_value = 0;
};

class ReportListModel : public QAbstractTableModel {
 public:
  // The stored columns give titles and alignments; with none there is one column.
  ReportListModel(const std::vector<ListColumn>& columns, QObject* parent);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // Inserts before row `position` (at the end when it is negative or past the
  // last row); returns the new row's number.
  int InsertRow(int position, ReportRow row);
  // False when the row or the column does not exist.
  bool SetCellText(int row, int column, std::string text);
  // Nothing when the row or the column does not exist.
  std::optional<std::string> CellText(int row, int column) const;
  bool HasCell(int row, int column) const;
  const std::vector<ReportRow>& rows() const { return rows_; }
  // Every row this many pixels high, whatever the font; 0 leaves it to the view.
  void SetRowHeight(int pixels) { row_height_ = pixels; }

 private:
  std::vector<ListColumn> columns_;
  int column_count_;
  int row_height_ = 0;
  std::vector<ReportRow> rows_;
};

}  // namespace forms
