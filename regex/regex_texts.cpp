// Compiled with -fexec-charset=GBK: every literal below is stored as GBK bytes.
#include "regex/regex_texts.h"

namespace regex_service::texts {

const char kPatternTypeName[] = "正则表达式";
const char kSearchResultTypeName[] = "搜索结果";

}  // namespace regex_service::texts
