// Display names (GBK) of the core library's data types this program uses.
// They live in core_type_names.cpp, compiled with a GBK execution character set.
#pragma once

namespace app::type_names {

extern const char kWindow[];    // "窗口"
extern const char kMenu[];      // "菜单"
extern const char kEditBox[];   // "编辑框"
extern const char kGroupBox[];  // "分组框"
extern const char kLabel[];     // "标签"
extern const char kButton[];    // "按钮"
extern const char kCheckBox[];  // "选择框"
extern const char kComboBox[];  // "组合框"

}  // namespace app::type_names
