// Report lists on a QTreeView with a model of GBK rows: creation from the
// stored settings, rows, the current-row property and the focus event.
#include "forms/report_list.h"

#include <QHeaderView>
#include <QItemSelectionModel>

#include "forms/report_list_model.h"
#include "forms/report_list_view.h"
#include "forms/stored_property.h"
#include "forms/appearance.h"
#include "forms/widget_styling.h"

namespace forms {
namespace {

using Field = StoredField<ReportListSettings>;
using S = ReportListSettings;
using namespace type_code;

constexpr PropertyEntry kProperties[] = {
    {"border", kPick},           {"text colour", kColour},
    {"text background colour", kBackgroundColour}, {"background colour", kBackgroundColour},
    {"font", kFont},             {"view", kPick},
    {"align left", kPick},       {"auto-arrange", kBoolean},
    {"label wrap", kBoolean},    {"columns", kByteData},
    {"no column header", kBoolean}, {"header image list", kImageList},
    {"sort header", kBoolean},   {"full-row select", kBoolean},
    {"grid lines", kBoolean},    {"header drag and drop", kBoolean},
    {"item image list", kImageList}, {"state image list", kImageList},
    {"hot tracking", kBoolean},  {"hand cursor", kBoolean},
    {"underline hot row", kBoolean}, {"underline cold rows", kBoolean},
    {"edit labels", kBoolean},   {"sort", kPick},
    {"check boxes", kBoolean},   {"flat scroll bars", kBoolean},
    {"single selection", kBoolean}, {"current row", kInteger2},
    {"always show selection", kBoolean}, {"byte data", kByteData},
    {"text", kText},
};

const Field kFields[] = {
    &S::border,         &S::text_colour,      &S::text_background, &S::background,
    &S::font,           &S::view,             &S::align_left,      &S::auto_arrange,
    &S::label_wrap,     std::monostate{},     &S::no_column_header, &S::header_images,
    &S::sort_header,    &S::full_row_select,  &S::grid_lines,      &S::header_drag_drop,
    &S::item_images,    &S::state_images,     &S::hot_tracking,    &S::hand_cursor,
    &S::underline_hot,  &S::underline_cold,   &S::edit_labels,     &S::sort,
    &S::check_boxes,    &S::flat_scroll_bars, &S::single_selection, std::monostate{},
    &S::always_show_selection, std::monostate{}, std::monostate{},
};
static_assert(std::size(kProperties) == 31 && std::size(kFields) == std::size(kProperties));

void AppendWord(std::string& block, uint32_t word) {
  for (int shift = 0; shift < 32; shift += 8) block.push_back(char((word >> shift) & 0xFF));
}

// The columns in their stored record layout: flag byte, image, alignment,
// width, NUL-terminated title.
std::string ColumnsBlock(const std::vector<ListColumn>& columns) {
  std::string block;
  for (const ListColumn& column : columns) {
    block.push_back(char(column.image_on_right));
    AppendWord(block, uint32_t(column.image));
    AppendWord(block, column.alignment);
    AppendWord(block, column.width);
    block.append(column.title).push_back('\0');
  }
  return block;
}

std::unique_ptr<Control> CreateReportList(const CreateParams& params) {
  std::optional<ReportListSettings> settings = ReadReportListSettings(params.unit->properties);
  if (!settings) return nullptr;
  return std::make_unique<ReportListControl>(params, std::move(*settings));
}

}  // namespace

const KindInfo kReportListKind{0x00030004, kProperties, true, CreateReportList};

ReportListControl::ReportListControl(const CreateParams& params, ReportListSettings settings)
    : Control(params.window_id, params.unit->control_id), settings_(std::move(settings)) {
  CreateView(params);
  ApplyAppearance();
  ApplyColumns();
  InsertInitialRows();
  view_->WatchFocusedRow();
  QObject::connect(view_, &ReportListView::FocusedRowChanged, view_,
                   [this] { RaiseEvent(kFocusedRowEvent); });
}

ReportListControl::~ReportListControl() { delete view_.data(); }

QWidget* ReportListControl::widget() const { return view_; }

// Every view number shows as the report form: rows in columns.
void ReportListControl::CreateView(const CreateParams& params) {
  view_ = new ReportListView(params.parent);
  model_ = new ReportListModel(settings_.columns, view_);
  view_->setModel(model_);
  view_->setRootIsDecorated(false);
  view_->setItemsExpandable(false);
  view_->setIndentation(0);
  view_->setUniformRowHeights(true);
  view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view_->setSelectionMode(settings_.single_selection ? QAbstractItemView::SingleSelection
                                                     : QAbstractItemView::ExtendedSelection);
  view_->setSelectionBehavior(settings_.full_row_select ? QAbstractItemView::SelectRows
                                                        : QAbstractItemView::SelectItems);
  view_->setAllColumnsShowFocus(settings_.full_row_select != 0);
  view_->setHeaderHidden(settings_.no_column_header != 0);
  PlaceControlWidget(view_, *params.unit);
}

void ReportListControl::ApplyAppearance() {
  if (settings_.font) view_->setFont(ToQFont(settings_.font));
  SetFieldColours(view_, settings_.text_colour, settings_.background);
  ApplyFrameBorder(view_, settings_.border);
}

// A column stored 0 pixels wide stays 0 wide: invisible, yet holding text.
void ReportListControl::ApplyColumns() {
  QHeaderView* header = view_->header();
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
  for (const QModelIndex& index : view_->selectionModel()->selectedIndexes())
    if (first < 0 || index.row() < first) first = index.row();
  return first;
}

// Selects exactly that row (none when out of range) without moving the
// focused row, so no event follows.
void ReportListControl::SelectOnly(int64_t row) {
  QItemSelectionModel* selection = view_->selectionModel();
  selection->clearSelection();
  if (row < 0 || row >= RowCount()) return;
  selection->select(model_->index(int(row), 0),
                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

PropertyValue ReportListControl::Get(int entry) {
  if (entry < 0 || entry >= int(std::size(kFields))) return {};
  PropertyValue value;
  if (entry == kCurrentRowEntry) {
    value.number = CurrentRow();
  } else if (entry == kColumnsEntry) {
    value.bytes = ColumnsBlock(settings_.columns);
  } else {
    value = ReadStoredField(settings_, kFields[entry]);
  }
  return value;
}

// The current row selects the live row; the columns are not writable; other
// entries are stored for later reads.
bool ReportListControl::Set(int entry, const PropertyValue& value) {
  if (entry < 0 || entry >= int(std::size(kFields))) return false;
  if (entry == kCurrentRowEntry)
    SelectOnly(value.number);
  else
    WriteStoredField(settings_, kFields[entry], value);
  return false;
}

}  // namespace forms
