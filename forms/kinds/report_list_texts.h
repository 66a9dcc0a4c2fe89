// The display names of the extended-UI library, in GBK. They live in
// report_list_texts.cpp, which the build compiles with a GBK execution
// character set.
#pragma once

namespace forms::texts {

extern const char kReportListTypeName[];    // "超级列表框"

}  // namespace forms::texts
