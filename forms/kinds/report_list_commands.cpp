// ListInsertItem, ListSetItemText and ListGetItemText on the live report list.
#include "forms/kinds/report_list_commands.h"

#include <algorithm>

#include "forms/registry/control_argument.h"
#include "forms/kinds/report_list.h"
#include "runtime/values.h"

namespace forms {

void ListInsertItem(rt::ResultRecord* result, int32_t count, const rt::ArgRecord* args) {
  const rt::Args a(count, args);
  ReportListControl& list = LiveControlAs<ReportListControl>(a[0]);
  NewReportRow row;
  row.text = a.text(2);
  if (a.present(3)) row.image = std::max(a.integer(3), -1);
  // The platform counts state images from 1; 0 is none.
  if (a.present(4)) row.state_image = int32_t(std::max<int64_t>(int64_t(a.integer(4)) + 1, 0));
  row.indent = std::max(a.integer_or(5, 0), 0);
  row.item_value = a.integer_or(6, 0);
  const int position = a.present(1) ? a.integer(1) : -1;
  rt::SetInt(result, list.InsertRow(position, std::move(row)));
}

void ListSetItemText(rt::ResultRecord*, int32_t count, const rt::ArgRecord* args) {
  const rt::Args a(count, args);
  ReportListControl& list = LiveControlAs<ReportListControl>(a[0]);
  list.SetCellText(a.integer(1), a.integer_or(2, 0), a.text(3));
}

void ListGetItemText(rt::ResultRecord* result, int32_t count, const rt::ArgRecord* args) {
  const rt::Args a(count, args);
  const ReportListControl& list = LiveControlAs<ReportListControl>(a[0]);
  const std::optional<std::string> text = list.CellText(a.integer(1), a.integer_or(2, 0));
  rt::SetPointer(result, text ? rt::MakeText(std::string_view(*text)) : nullptr);
}

}  // namespace forms
