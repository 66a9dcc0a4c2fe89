// The runtime's own texts, in GBK. They live in runtime_texts.cpp, which the
// build compiles with a GBK execution character set.
#pragma once

namespace rt::texts {

extern const char kOutOfMemoryFormat[];      // "分配 %d 字节内存失败!"
extern const char kNoSuchWindowOrControl[];  // "指定窗口或窗口组件不存在或尚未载入"
extern const char kStartWindowFailed[];      // "载入启动窗口失败"
extern const char kTemplateDataDamaged[];    // "载入窗口模板数据段出错!"
extern const char kPropertyWindowNotLoaded[];       // "未载入欲访问窗口组件所在的窗口"
extern const char kReadPropertyNoPlatformWindow[];  // "读取组件属性时发现指定窗口尚未载入"
extern const char kWritePropertyNoPlatformWindow[]; // "修改组件属性时发现指定窗口尚未载入"
extern const char kEventWindowNotFound[];    // "未找到引发事件的窗口"
extern const char kEventControlNotFound[];   // "未找到引发事件的窗口组件"
extern const char kEventControlInvalid[];    // "引发事件的窗口组件无效"
extern const char kServiceUnavailable[];     // "此运行时服务在本系统中不可用"
extern const char kDefaultFontFace[];        // "宋体", the face a font write falls back to

// Numbered run-time errors 1..11, indexed by code - 1.
extern const char* const kNumberedErrors[11];

// Pieces of the run-time error report.
extern const char kErrorCaption[];        // "错误"
extern const char kReportHead[];          // "运行时出错!\r\n"
extern const char kReportCodeLine[];      // "\r\n错误代码："
extern const char kReportMessageLine[];   // "\r\n错误信息："
extern const char kReportWindowMissing[]; // "\r\n未找到所指定的窗口"
extern const char kReportControlMissing[];// "\r\n未找到所指定的窗口组件"

// Texts of the conversion and message commands.
extern const char kTrue[];                // "真"
extern const char kFalse[];               // "假"
extern const char kDateFormat[];          // "%d年%d月%d日"
extern const char kTimeSecondsFormat[];   // "%d时%d分%d秒"
extern const char kTimeMinutesFormat[];   // "%d时%d分"
extern const char kTimeHourFormat[];      // "%d时"
extern const char kDefaultMessageCaption[];  // "信息："

}  // namespace rt::texts
