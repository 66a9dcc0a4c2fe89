// Compiled with -fexec-charset=GBK: every literal below is stored as GBK bytes.
#include "runtime/runtime_texts.h"

namespace rt::texts {

const char kOutOfMemoryFormat[] = "分配 %d 字节内存失败!";
const char kNoSuchWindowOrControl[] = "指定窗口或窗口组件不存在或尚未载入";
const char kStartWindowFailed[] = "载入启动窗口失败";
const char kTemplateDataDamaged[] = "载入窗口模板数据段出错!";
const char kPropertyWindowNotLoaded[] = "未载入欲访问窗口组件所在的窗口";
const char kReadPropertyNoPlatformWindow[] = "读取组件属性时发现指定窗口尚未载入";
const char kWritePropertyNoPlatformWindow[] = "修改组件属性时发现指定窗口尚未载入";
const char kEventWindowNotFound[] = "未找到引发事件的窗口";
const char kEventControlNotFound[] = "未找到引发事件的窗口组件";
const char kEventControlInvalid[] = "引发事件的窗口组件无效";
const char kServiceUnavailable[] = "此运行时服务在本系统中不可用";
const char kDefaultFontFace[] = "宋体";

const char* const kNumberedErrors[11] = {
    "数组成员引用下标超出定义范围",
    "未得到所需要的数值型数据",
    "引用数组成员时维数不为1且不等于该数组目前所具有的维数",
    "数组成员引用下标必须大于等于1",
    "数据或数组类型不匹配",
    "调用DLL命令后发现堆栈错误",
    "子语句参数未返回数据或者返回了非系统基本类型或数组型数据",
    "被比较数据只能使用等于或不等于命令比较",
    "“多项选择”命令的索引值参数小于零或超出了所提供参数表范围",
    "“重定义数组”命令的数组维定义参数值必须大于零或单维时大于等于零",
    "所提供参数的数据类型不符合要求",
};

const char kErrorCaption[] = "错误";
const char kReportHead[] = "运行时出错!\r\n";
const char kReportCodeLine[] = "\r\n错误代码：";
const char kReportMessageLine[] = "\r\n错误信息：";
const char kReportWindowMissing[] = "\r\n未找到所指定的窗口";
const char kReportControlMissing[] = "\r\n未找到所指定的窗口组件";

const char kTrue[] = "真";
const char kFalse[] = "假";
const char kDateFormat[] = "%d年%d月%d日";
const char kTimeSecondsFormat[] = "%d时%d分%d秒";
const char kTimeMinutesFormat[] = "%d时%d分";
const char kTimeHourFormat[] = "%d时";
const char kDefaultMessageCaption[] = "信息：";

}  // namespace rt::texts
