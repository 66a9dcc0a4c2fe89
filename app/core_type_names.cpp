// Compiled with -fexec-charset=GBK: these literals are stored as GBK bytes.
#include "app/core_type_names.h"

namespace app::type_names {

const char kWindow[] = "窗口";
const char kMenu[] = "菜单";
const char kEditBox[] = "编辑框";
const char kGroupBox[] = "分组框";
const char kLabel[] = "标签";
const char kButton[] = "按钮";
const char kCheckBox[] = "选择框";
const char kComboBox[] = "组合框";

}  // namespace app::type_names
