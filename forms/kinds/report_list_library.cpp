// The extended-UI library's record and its notify function.
#include "forms/kinds/report_list_library.h"

#include "forms/registry/control_argument.h"
#include "forms/kinds/report_list_commands.h"
#include "forms/kinds/report_list_texts.h"

namespace forms {
namespace {

constexpr int32_t kNotifyStart = 1;

// Positions give the TypeTags 0x00030001 to 0x00030005. This program uses
// only the report list; the library's other kinds are not part of it and
// leave their slots empty.
const rt::DataTypeInfo kTypes[] = {
    {}, {}, {}, {texts::kReportListTypeName, "ReportList"}, {},
};

const rt::CommandEntry kCommands[] = {ListInsertItem, ListSetItemText, ListGetItemText};

}  // namespace

intptr_t ReportListLibraryNotify(int32_t code, intptr_t a, intptr_t) {
  if (code == kNotifyStart) SetControlLookupNotify(reinterpret_cast<rt::NotifyFunction>(a));
  return 0;
}

}  // namespace forms

const rt::LibraryInfo& ReportListLibrary() {
  static const rt::LibraryInfo info =
      rt::DescribeLibrary("extended_ui", "extended_ui", forms::kTypes, forms::kCommands,
                          forms::ReportListLibraryNotify);
  return info;
}
