// MatchGroups: the search that found a match is made once more, from the
// same start with the same options, so it finds the same match.
#include "regex/match_groups.h"

#include <cstring>
#include <exception>
#include <new>
#include <string_view>
#include <vector>

#include "regex/pattern.h"
#include "regex/runtime_link.h"
#include "regex/search_all.h"
#include "regex/search_step.h"
#include "runtime/values.h"

namespace regex_service {
namespace {

// Where the search for the match after (start, length) begins; past the text
// when the previous match ended the search.
size_t SearchStartAfter(int64_t start, int64_t length, size_t text_size) {
  if (start < 0) return 0;
  return NextSearchStart(size_t(start), size_t(start + length), text_size);
}

// Start and length of the whole match, then of every group.
std::vector<int32_t> Spans(const boost::cmatch& match, const char* text) {
  std::vector<int32_t> spans;
  spans.reserve(2 * match.size());
  for (const auto& sub : match) {
    spans.push_back(sub.matched ? int32_t(sub.first - text) : -1);
    spans.push_back(sub.matched ? int32_t(sub.length()) : 0);
  }
  return spans;
}

std::vector<int32_t> FindAgain(const PatternValue& pattern, std::string_view text, size_t from) {
  const Regex* regex = CompiledExpression(&pattern);
  if (regex == nullptr || from > text.size() || text.empty()) return {};
  try {
    boost::cmatch match;
    const char* begin = text.data();
    if (!boost::regex_search(begin + from, begin + text.size(), match, *regex, MatchFlags(pattern))) return {};
    return Spans(match, begin);
  } catch (const std::bad_alloc&) {
    ReportOutOfMemory(FailedRequestOnThisThread());
  } catch (const std::exception&) {
    return {};
  }
}

void* IntegerArray(const std::vector<int32_t>& values) {
  const size_t header = rt::ArrayHeaderSize(1);
  auto* array = static_cast<uint8_t*>(AllocateRuntimeBlock(header + values.size() * sizeof(int32_t)));
  if (array == nullptr) return nullptr;
  const uint32_t dimensions[2] = {1, uint32_t(values.size())};
  std::memcpy(array, dimensions, sizeof dimensions);
  if (!values.empty()) std::memcpy(array + header, values.data(), values.size() * sizeof(int32_t));
  return array;
}

}  // namespace

void MatchGroups(rt::ResultRecord* result, int32_t count, const rt::ArgRecord* args) {
  const rt::Args in(count, args);
  if (!HasRuntimeNotify()) return;
  const auto* pattern = in[0].pointer<const PatternValue>();
  const char* text = in.text(1);
  const std::string_view searched(text, strnlen(text, SearchedBytesLimit()));
  std::vector<int32_t> spans;
  if (pattern != nullptr) {
    spans = FindAgain(*pattern, searched, SearchStartAfter(in.integer(2), in.integer(3), searched.size()));
  }
  rt::SetPointer(result, IntegerArray(spans));
}

}  // namespace regex_service
