// Report lists on a QTreeView with a model of GBK rows: creation from the
// stored settings, rows, the current-row property and the focus event.
#include "forms/kinds/report_list.h"

#include <QFontInfo>
#include <QHeaderView>
#include <QItemSelectionModel>

#include "forms/kinds/report_list_accessible.h"
#include "forms/kinds/report_list_model.h"
#include "forms/kinds/report_list_view.h"
#include "forms/registry/property_entry.h"
#include "forms/kinds/appearance.h"
#include "forms/kinds/caption_font.h"
#include "forms/kinds/widget_styling.h"
#include "runtime/type_tag.h"

namespace forms {
namespace {

constexpr int kRowPadding = 4;

// The rows as initial-row records, so that a list built anew holds them again.
std::vector<ListInitialRow> InitialRowsOf(const std::vector<ReportRow>& rows) {
  std::vector<ListInitialRow> records;
  for (const ReportRow& row : rows) {
    records.push_back({0, row.image, row.state_image - 1, row.indent, row.item_value, row.cells[0], {}});
    for (size_t cell = 1; cell < row.cells.size(); ++cell) records.push_back({1, -1, -1, 0, 0, row.cells[cell], {}});
  }
  return records;
}

}  // namespace

ReportListControl::ReportListControl(const CreateParams& params, ReportListSettings settings)
    : WidgetControl(params, std::move(settings)) {
  PresentReportListsAsLists();
  CreateView(params);
  ApplyAppearance();
  ApplyColumns();
  InsertInitialRows();
  SelectOnly(settings_.initial_current_row);
  widget_->WatchFocusedRow();
  QObject::connect(widget_, &ReportListView::FocusedRowChanged, widget_,
                   [this] { RaiseEvent(kFocusedRowEvent); });
}

// Every view number shows as the report form: rows in columns.
void ReportListControl::CreateView(const CreateParams& params) {
  widget_ = new ReportListView(params.parent);
  model_ = new ReportListModel(settings_.columns, widget_);
  widget_->setModel(model_);
  widget_->setRootIsDecorated(false);
  widget_->setItemsExpandable(false);
  widget_->setIndentation(0);
  widget_->setUniformRowHeights(true);
  widget_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  widget_->setSelectionMode(settings_.single_selection ? QAbstractItemView::SingleSelection
                                                     : QAbstractItemView::ExtendedSelection);
  widget_->setSelectionBehavior(settings_.full_row_select ? QAbstractItemView::SelectRows
                                                        : QAbstractItemView::SelectItems);
  widget_->setAllColumnsShowFocus(settings_.full_row_select != 0);
  widget_->setHeaderHidden(settings_.no_column_header != 0);
  PlaceControlWidget(widget_, *params.unit);
}

// Rows as high as a list view makes them for its font, the character height
// and four pixels, whatever face draws them; the font fitted into that.
void ReportListControl::ApplyAppearance() {
  const QFont font = ToQFont(settings_.font);
  const int row_height = QFontInfo(font).pixelSize() + kRowPadding;
  model_->SetRowHeight(row_height);
  widget_->setFont(FittedFont(font, [&](const QFontMetrics& metrics) { return metrics.height() <= row_height; }));
  SetFieldColours(widget_, settings_.text_colour, settings_.background);
  ApplyFrameBorder(widget_, settings_.border);
}

// A column stored 0 pixels wide stays 0 wide: invisible, yet holding text.
void ReportListControl::ApplyColumns() {
  QHeaderView* header = widget_->header();
  header->setMinimumSectionSize(0);
  header->setStretchLastSection(false);
  header->setSectionsMovable(settings_.header_drag_drop != 0);
  header->setSectionsClickable(settings_.sort_header != 0);
  for (size_t i = 0; i < settings_.columns.size(); ++i)
    header->resizeSection(int(i), int(std::min<uint32_t>(settings_.columns[i].width, 0xFFFF)));
}

// A record with flag 0 starts a row; each following flagged record sets the
// next sub-item of that row.
void ReportListControl::InsertInitialRows() {
  int row = -1, column = 0;
  for (const ListInitialRow& record : settings_.initial_rows) {
    if (record.sub_item == 0) {
      row = InsertRow(-1, {record.text, std::max(record.image, -1),
                           std::max(record.state_image + 1, 0), std::max(record.indent, 0),
                           record.item_value});
      column = 0;
    } else if (row >= 0) {
      SetCellText(row, ++column, record.text);
    }
  }
}

int ReportListControl::InsertRow(int position, NewReportRow row) {
  ReportRow stored;
  stored.cells.push_back(std::move(row.text));
  stored.image = row.image;
  stored.state_image = row.state_image;
  stored.indent = row.indent;
  stored.item_value = row.item_value;
  return model_->InsertRow(position, std::move(stored));
}

bool ReportListControl::SetCellText(int row, int column, std::string text) {
  return model_->SetCellText(row, column, std::move(text));
}

std::optional<std::string> ReportListControl::CellText(int row, int column) const {
  return model_->CellText(row, column);
}

int ReportListControl::RowCount() const { return model_->rowCount(); }

int ReportListControl::CurrentRow() const {
  int first = -1;
  for (const QModelIndex& index : widget_->selectionModel()->selectedIndexes())
    if (first < 0 || index.row() < first) first = index.row();
  return first;
}

void ReportListControl::SelectOnly(int64_t row) {
  QItemSelectionModel* selection = widget_->selectionModel();
  selection->clearSelection();
  if (row < 0 || row >= RowCount()) return;
  selection->select(model_->index(int(row), 0),
                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

std::vector<uint8_t> ReportListControl::CurrentPropertyBytes() const {
  ReportListSettings current = settings_;
  current.initial_rows = InitialRowsOf(model_->rows());
  current.initial_current_row = CurrentRow();
  return WriteSettings(current);
}

namespace {

std::vector<uint8_t> ColumnsBlock(const ReportListControl& list) { return WriteColumnsBlock(list.settings().columns); }

using namespace type_code;
using S = ReportListSettings;
constexpr PropertyEntry kProperties[] = {
    Stored<&S::border>(kPick),
    Stored<&S::text_colour>(kColour),
    Stored<&S::text_background>(kBackgroundColour),
    Stored<&S::background>(kBackgroundColour),
    Stored<&S::font>(kFont),
    Stored<&S::view>(kPick),
    Stored<&S::align_left>(kPick),
    Stored<&S::auto_arrange>(kBoolean),
    Stored<&S::label_wrap>(kBoolean),
    Live<&ColumnsBlock>(kByteData),
    Stored<&S::no_column_header>(kBoolean),
    Stored<&S::header_images>(kImageList),
    Stored<&S::sort_header>(kBoolean),
    Stored<&S::full_row_select>(kBoolean),
    Stored<&S::grid_lines>(kBoolean),
    Stored<&S::header_drag_drop>(kBoolean),
    Stored<&S::item_images>(kImageList),
    Stored<&S::state_images>(kImageList),
    Stored<&S::hot_tracking>(kBoolean),
    Stored<&S::hand_cursor>(kBoolean),
    Stored<&S::underline_hot>(kBoolean),
    Stored<&S::underline_cold>(kBoolean),
    Stored<&S::edit_labels>(kBoolean),
    Stored<&S::sort>(kPick),
    Stored<&S::check_boxes>(kBoolean),
    Stored<&S::flat_scroll_bars>(kBoolean),
    Stored<&S::single_selection>(kBoolean),
    Live<&ReportListControl::CurrentRow, &ReportListControl::SelectOnly>(kInteger2),
    Stored<&S::always_show_selection>(kBoolean),
    Unstored(kByteData),  // byte data
    Unstored(kText),      // text
};

}  // namespace

const KindInfo kReportListKind{rt::tag::kReportList, kProperties, &Create<ReportListControl, ReadReportListSettings>};

}  // namespace forms
