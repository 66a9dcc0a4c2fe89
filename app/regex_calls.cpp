// Pattern life and MatchGroups through the command call form.
#include "app/regex_calls.h"

#include <cstring>
#include <string>

#include "regex/match_groups.h"
#include "regex/pattern.h"
#include "runtime/values.h"

namespace app {

rt::ArgRecord PatternArgument(void* pattern) { return rt::PointerArg(pattern, rt::tag::kPattern); }

void* CompilePattern(const char* text) {
  void* pattern = Allocate(sizeof(regex_service::PatternValue));
  CallLibrary(regex_service::PatternConstruct, {PatternArgument(pattern)});
  CallLibrary(regex_service::PatternCreate, {PatternArgument(pattern), rt::TextArg(text), rt::kOmitted});
  return pattern;
}

void DestroyPattern(void* pattern) {
  CallLibrary(regex_service::PatternDestruct, {PatternArgument(pattern)});
  Free(pattern);
}

namespace {

struct KeptCompilation {
  std::string text;
  void* pattern = nullptr;
};

KeptCompilation& Kept() {
  static auto* kept = new KeptCompilation;  // outlives the runtime's end, as its memory does
  return *kept;
}

}  // namespace

void KeepPattern(const char* text, void* pattern) {
  KeptCompilation& kept = Kept();
  if (kept.pattern != nullptr) DestroyPattern(kept.pattern);
  kept.text = text;
  kept.pattern = pattern;
}

void* KeptPattern(const char* text) {
  if (Kept().pattern == nullptr || Kept().text != text) KeepPattern(text, CompilePattern(text));
  return Kept().pattern;
}

std::vector<GroupSpan> MatchAfter(void* pattern, const char* source, int32_t start, int32_t length) {
  void* array = CallLibrary(regex_service::MatchGroups, {PatternArgument(pattern), rt::TextArg(source),
                                                         rt::IntArg(start), rt::IntArg(length)})
                    .pointer<void>();
  std::vector<GroupSpan> groups(size_t(rt::ArrayCount(array) / 2));
  if (!groups.empty()) std::memcpy(groups.data(), rt::ArrayElements(array), groups.size() * sizeof(GroupSpan));
  Free(array);
  return groups;
}

}  // namespace app
