// The regex service's commands in the forms the procedures call them: a
// Pattern compiled from a text, and one match found again with its groups.
#pragma once

#include <cstdint>
#include <vector>

#include "app/runtime_calls.h"

namespace app {

// A new Pattern in runtime memory, compiled from text with the defaults
// (case-sensitive); one that does not compile matches nothing. Free it with
// DestroyPattern.
void* CompilePattern(const char* text);
void DestroyPattern(void* pattern);
rt::ArgRecord PatternArgument(void* pattern);

// The match test's last Pattern, kept with its text for the descriptions of
// its marks, so a long pattern is not compiled again on every hover. Keep
// takes the Pattern (or null) and frees the one kept before; KeptPattern
// gives the kept one when its text is text, or compiles text and keeps that.
void KeepPattern(const char* text, void* pattern);
void* KeptPattern(const char* text);

// A capture group's bytes in the searched text; start -1 when it took no part.
struct GroupSpan {
  int32_t start;
  int32_t length;
};
// The match SearchAll lists after the match (start, length) of source (start
// -1: the first one): the whole match, then every group. Empty when none.
std::vector<GroupSpan> MatchAfter(void* pattern, const char* source, int32_t start, int32_t length);

}  // namespace app
