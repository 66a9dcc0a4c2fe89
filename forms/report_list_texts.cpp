// Compiled with -fexec-charset=GBK: every literal below is stored as GBK bytes.
#include "forms/report_list_texts.h"

namespace forms::texts {

const char kReportListTypeName[] = "超级列表框";
const char kReservedTypeName1[] = "保留类型一";
const char kReservedTypeName2[] = "保留类型二";
const char kReservedTypeName3[] = "保留类型三";
const char kReservedTypeName5[] = "保留类型五";

}  // namespace forms::texts
