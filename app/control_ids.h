// Identifiers of the main window and the controls the workbench's procedures
// address, and the property indices they read and write.
#pragma once

#include <cstdint>

namespace app {

constexpr uint32_t kMainWindow = 0x52010001;
// The window's own unit: the owner reference of message boxes.
constexpr uint32_t kMainWindowUnit = 0x06010000;

namespace control {
constexpr uint32_t kPattern = 0x1601000c;          // 编辑框_正则表达式
constexpr uint32_t kSource = 0x1601000b;           // 编辑框_原始文本
constexpr uint32_t kMatchReport = 0x16010096;      // 编辑框_匹配文本
constexpr uint32_t kIgnoreCase = 0x16012fae;       // 选择框_忽略大小写
constexpr uint32_t kMatchButton = 0x16010097;      // 按钮_匹配
constexpr uint32_t kPresetList = 0x16012f87;       // 超级列表框1
constexpr uint32_t kSnippetLanguage = 0x16012fdf;  // 组合框_类型选项
constexpr uint32_t kSnippetButton = 0x16012fe0;    // 按钮_生成代码
constexpr uint32_t kSnippet = 0x16012fdc;          // 编辑框_生成代码
constexpr uint32_t kUseStart = 0x16010003;         // 选择框_开始
constexpr uint32_t kUseEnd = 0x16010004;           // 选择框_结束
constexpr uint32_t kUseContained = 0x16010009;     // 选择框_包含
constexpr uint32_t kStartInMatch = 0x16010005;     // 选择框_包含开始
constexpr uint32_t kEndInMatch = 0x16010006;       // 选择框_包含结束
constexpr uint32_t kStartText = 0x16010007;        // 编辑框_开始
constexpr uint32_t kEndText = 0x16010008;          // 编辑框_结束
constexpr uint32_t kContainedText = 0x1601000a;    // 编辑框_包含
constexpr uint32_t kContainedCount = 0x16012f70;   // 编辑框_包含个数
constexpr uint32_t kBuildButton = 0x16010002;      // 按钮_生成
}  // namespace control

namespace property {
constexpr int32_t kText = 8;         // edit box
constexpr int32_t kTicked = 18;      // check box: exactly 1 or 0
constexpr int32_t kCurrentItem = 19; // combo box: -1 when none
constexpr int32_t kCurrentRow = 35;  // report list: -1 when none
constexpr int32_t kWholeValue = -1;  // the "member" argument of every access
}  // namespace property

}  // namespace app
