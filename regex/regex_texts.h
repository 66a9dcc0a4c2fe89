// The regex library's own texts, in GBK. They live in regex_texts.cpp, which
// the build compiles with a GBK execution character set.
#pragma once

namespace regex_service::texts {

extern const char kPatternTypeName[];       // "正则表达式"
extern const char kSearchResultTypeName[];  // "搜索结果"

}  // namespace regex_service::texts
