// The extended-UI library's record and its notify function.
#include "forms/report_list_library.h"

#include <iterator>

#include "forms/control_argument.h"
#include "forms/list_commands.h"
#include "forms/report_list_texts.h"

namespace forms {
namespace {

constexpr int32_t kNotifyStart = 1;

// Positions give the TypeTags 0x00030001 to 0x00030005; this program uses
// only the report list.
const rt::DataTypeInfo kTypes[] = {
    {texts::kReservedTypeName1, "Reserved1"},
    {texts::kReservedTypeName2, "Reserved2"},
    {texts::kReservedTypeName3, "Reserved3"},
    {texts::kReportListTypeName, "ReportList"},
    {texts::kReservedTypeName5, "Reserved5"},
};

const rt::CommandEntry kCommands[] = {ListInsertItem, ListSetItemText, ListGetItemText};

rt::LibraryInfo MakeLibraryInfo() {
  rt::LibraryInfo info;
  info.identifier = "extended_ui";
  info.name = "extended_ui";
  info.type_count = std::size(kTypes);
  info.types = kTypes;
  info.command_count = std::size(kCommands);
  info.commands = kCommands;
  info.notify = ReportListLibraryNotify;
  return info;
}

}  // namespace

intptr_t ReportListLibraryNotify(int32_t code, intptr_t a, intptr_t) {
  if (code == kNotifyStart) SetControlLookupNotify(reinterpret_cast<rt::NotifyFunction>(a));
  return 0;
}

}  // namespace forms

const rt::LibraryInfo& ReportListLibrary() {
  static const rt::LibraryInfo info = forms::MakeLibraryInfo();
  return info;
}
