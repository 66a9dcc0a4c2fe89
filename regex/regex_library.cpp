// The regex library's record and its notify function.
#include "regex/regex_library.h"

#include "regex/match_groups.h"
#include "regex/pattern.h"
#include "regex/progress_box.h"
#include "regex/regex_texts.h"
#include "regex/runtime_link.h"
#include "regex/search_all.h"
#include "regex/search_result.h"

namespace regex_service {
namespace {

constexpr int32_t kNotifyStart = 1;

// Positions give the TypeTags 0x00020001 and 0x00020002.
const rt::DataTypeInfo kTypes[] = {
    {texts::kPatternTypeName, "regex"},
    {texts::kSearchResultTypeName, "SearchResult"},
};

const rt::CommandEntry kCommands[] = {
    PatternCreate,     SearchAll,        SearchResultDestruct,
    ResultMatchText,   PatternConstruct, PatternDestruct,
    LastSearchEnd,     MatchGroups,      SetProgressTexts,
    LastSearchedBytes,
};

}  // namespace

intptr_t RegexLibraryNotify(int32_t code, intptr_t a, intptr_t) {
  if (code != kNotifyStart) return -1;
  StoreRuntimeNotify(reinterpret_cast<rt::NotifyFunction>(a));
  return 0;
}

}  // namespace regex_service

const rt::LibraryInfo& RegexLibrary() {
  static const rt::LibraryInfo info = rt::DescribeLibrary(
      "regex_service", "regex", regex_service::kTypes, regex_service::kCommands,
      regex_service::RegexLibraryNotify);
  return info;
}
