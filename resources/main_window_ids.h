// The main window's identifiers: its WindowId, its own unit, the ControlIds
// of its 24 controls and the handler offsets its bindings store. The window
// description, the program's procedures and the tests take them from here.
#pragma once

#include <cstdint>

namespace resources {

constexpr uint32_t kMainWindowId = 0x52010001;
// The window's own unit: also the owner reference of message boxes.
constexpr uint32_t kMainWindowUnitId = 0x06010000;

namespace control {
constexpr uint32_t kSnippetLanguage = 0x16012fdf;  // 组合框_类型选项
constexpr uint32_t kSnippetButton = 0x16012fe0;    // 按钮_生成代码
constexpr uint32_t kSnippet = 0x16012fdc;          // 编辑框_生成代码
constexpr uint32_t kSourceLabel = 0x16012fda;      // 标签4
constexpr uint32_t kIgnoreCase = 0x16012fae;       // 选择框_忽略大小写
constexpr uint32_t kPresetList = 0x16012f87;       // 超级列表框1
constexpr uint32_t kPresetGroup = 0x16012f82;      // 分组框1
constexpr uint32_t kCountLabel = 0x16012f71;       // 标签3
constexpr uint32_t kContainedCount = 0x16012f70;   // 编辑框_包含个数
constexpr uint32_t kReportLabel = 0x16012f6f;      // 标签2
constexpr uint32_t kPatternLabel = 0x16012f6e;     // 标签1
constexpr uint32_t kMatchButton = 0x16010097;      // 按钮_匹配
constexpr uint32_t kMatchReport = 0x16010096;      // 编辑框_匹配文本
constexpr uint32_t kPattern = 0x1601000c;          // 编辑框_正则表达式
constexpr uint32_t kSource = 0x1601000b;           // 编辑框_原始文本
constexpr uint32_t kContainedText = 0x1601000a;    // 编辑框_包含
constexpr uint32_t kUseContained = 0x16010009;     // 选择框_包含
constexpr uint32_t kEndText = 0x16010008;          // 编辑框_结束
constexpr uint32_t kStartText = 0x16010007;        // 编辑框_开始
constexpr uint32_t kEndInMatch = 0x16010006;       // 选择框_包含结束
constexpr uint32_t kStartInMatch = 0x16010005;     // 选择框_包含开始
constexpr uint32_t kUseEnd = 0x16010004;           // 选择框_结束
constexpr uint32_t kUseStart = 0x16010003;         // 选择框_开始
constexpr uint32_t kBuildButton = 0x16010002;      // 按钮_生成
}  // namespace control

// The handler offsets the main window's bindings store: indices into the
// program's procedure table, kCount of them.
enum class MainWindowHandler : uint32_t {
  kWindowCreated, kIgnoreCaseToggle, kPresetRow, kCountGuard, kMatch, kCodeSnippet, kPatternBuilder, kCount
};

}  // namespace resources
