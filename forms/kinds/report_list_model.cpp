// Report-list rows held as GBK bytes and shown through the one conversion.
#include "forms/kinds/report_list_model.h"

#include <algorithm>

#include <QSize>

#include "platform/gbk.h"

namespace forms {

// Column 0 (the item text) exists even when no column is stored.
ReportListModel::ReportListModel(const std::vector<ListColumn>& columns, QObject* parent)
    : QAbstractTableModel(parent), columns_(columns), column_count_(std::max<int>(1, int(columns.size()))) {}

int ReportListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : int(rows_.size());
}

int ReportListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : column_count_;
}

namespace {

Qt::Alignment ColumnAlignment(const std::vector<ListColumn>& columns, int column) {
  if (size_t(column) >= columns.size()) return Qt::AlignLeft | Qt::AlignVCenter;
  const uint32_t alignment = columns[size_t(column)].alignment;
  const Qt::Alignment horizontal =
      alignment == kAlignCentre ? Qt::AlignHCenter : alignment == kAlignRight ? Qt::AlignRight : Qt::AlignLeft;
  return horizontal | Qt::AlignVCenter;
}

}  // namespace

QVariant ReportListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || size_t(section) >= columns_.size()) return {};
  if (role == Qt::DisplayRole) return platform::GbkToQString(columns_[size_t(section)].title);
  if (role == Qt::TextAlignmentRole) return int(ColumnAlignment(columns_, section));
  return {};
}

QVariant ReportListModel::data(const QModelIndex& index, int role) const {
  if (!HasCell(index.row(), index.column())) return {};
  if (role == Qt::TextAlignmentRole) return int(ColumnAlignment(columns_, index.column()));
  if (role == Qt::SizeHintRole && row_height_ > 0) return QSize(0, row_height_);
  if (role != Qt::DisplayRole) return {};
  const ReportRow& row = rows_[size_t(index.row())];
  const size_t column = size_t(index.column());
  return column < row.cells.size() ? platform::GbkToQString(row.cells[column]) : QString();
}

int ReportListModel::InsertRow(int position, ReportRow row) {
  const int count = int(rows_.size());
  if (position < 0 || position > count) position = count;
  row.cells.resize(size_t(column_count_));
  beginInsertRows({}, position, position);
  rows_.insert(rows_.begin() + position, std::move(row));
  endInsertRows();
  return position;
}

bool ReportListModel::HasCell(int row, int column) const {
  return row >= 0 && row < int(rows_.size()) && column >= 0 && column < column_count_;
}

bool ReportListModel::SetCellText(int row, int column, std::string text) {
  if (!HasCell(row, column)) return false;
  rows_[size_t(row)].cells[size_t(column)] = std::move(text);
  const QModelIndex changed = index(row, column);
  emit dataChanged(changed, changed, {Qt::DisplayRole});
  return true;
}

std::optional<std::string> ReportListModel::CellText(int row, int column) const {
  if (!HasCell(row, column)) return std::nullopt;
  return rows_[size_t(row)].cells[size_t(column)];
}

}  // namespace forms
