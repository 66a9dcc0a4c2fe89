// The core library record: the runtime's text commands plus the combo box's
// item text, and a type table holding the control kinds of the main window.
#include "app/core_library.h"

#include <iterator>

#include "app/core_type_names.h"
#include "forms/kinds/combo_item_text.h"
#include "runtime/show_message.h"
#include "runtime/text_commands.h"
#include "runtime/to_text.h"

namespace app {
namespace {

constexpr rt::CommandEntry kCommands[] = {
    &rt::TextLength,     &rt::LeftText,  &rt::RightText,   &rt::FindText,
    &rt::FindTextReverse, &rt::ReplaceSubtext, &rt::SplitText, &rt::ToText,
    &rt::ShowMessage,    &forms::ComboItemText,
};
static_assert(std::size(kCommands) == kComboItemText + 1);

// Indexed by type number - 1 (kind code 0x0001xxxx). Only the kinds this
// program's window uses are filled in; the runtime's other core types are not
// part of this program and leave their slots empty.
const rt::DataTypeInfo kTypes[] = {
    {type_names::kWindow, "Window"},      // 1
    {},                                   // 2
    {type_names::kMenu, "Menu"},          // 3
    {},                                   // 4
    {type_names::kEditBox, "EditBox"},    // 5
    {}, {}, {},                           // 6 to 8
    {type_names::kGroupBox, "GroupBox"},  // 9
    {type_names::kLabel, "Label"},        // 10
    {type_names::kButton, "Button"},      // 11
    {type_names::kCheckBox, "CheckBox"},  // 12
    {},                                   // 13
    {type_names::kComboBox, "ComboBox"},  // 14
};

}  // namespace

const rt::LibraryInfo& CoreLibrary() {
  static const rt::LibraryInfo library = rt::DescribeLibrary("core", "core", kTypes, kCommands, nullptr);
  return library;
}

}  // namespace app
