// The display names of the extended-UI library, in GBK. They live in
// report_list_texts.cpp, which the build compiles with a GBK execution
// character set.
#pragma once

namespace forms::texts {

extern const char kReportListTypeName[];    // "超级列表框"
extern const char kReservedTypeName1[];     // "保留类型一"
extern const char kReservedTypeName2[];     // "保留类型二"
extern const char kReservedTypeName3[];     // "保留类型三"
extern const char kReservedTypeName5[];     // "保留类型五"

}  // namespace forms::texts
