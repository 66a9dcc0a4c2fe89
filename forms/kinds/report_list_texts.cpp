// Compiled with -fexec-charset=GBK: every literal below is stored as GBK bytes.
#include "forms/kinds/report_list_texts.h"

namespace forms::texts {

const char kReportListTypeName[] = "超级列表框";

}  // namespace forms::texts
