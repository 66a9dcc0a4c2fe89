// The Pattern: a compiled expression plus its multiline word, and the three
// commands that construct, compile and destruct it.
#pragma once

#include <cstdint>

#include <boost/regex.hpp>

#include "runtime/call.h"

namespace regex_service {

// The engine: narrow characters, classified and folded by the classic locale.
using Regex = boost::basic_regex<char, boost::cpp_regex_traits<char>>;

// A Pattern value (TypeTag 0x00020001), in memory the caller allocates zeroed.
struct PatternValue {
  Regex* expression;   // owned; null before construction or when it could not be allocated
  int32_t multiline;   // 1 after construction: "^" and "$" also match at inner line breaks
};

// The compiled expression of a Pattern, or null when it has none yet (never
// compiled, every compilation failed, or not constructed).
const Regex* CompiledExpression(const PatternValue* pattern);
// True when the user cancelled the Pattern's last compilation (it keeps the
// expression it had); a search with it then searches nothing.
bool CompilationWasCancelled(const PatternValue* pattern);

// Commands. Argument 1 of each is the Pattern by reference (its address).
// PatternConstruct: gives the Pattern an empty expression and multiline 1.
void PatternConstruct(rt::ResultRecord* result, int32_t count, const rt::ArgRecord* args);
// PatternDestruct: frees the expression and clears the pointer; a second call does nothing.
void PatternDestruct(rt::ResultRecord* result, int32_t count, const rt::ArgRecord* args);
// PatternCreate(pattern, text, optional case-sensitive truth value, default true):
// true when the text compiled. On failure (a malformed or empty text), or
// when the user cancels a long compilation, the Pattern keeps the expression
// it had. Running out of memory ends the program with the runtime's error.
void PatternCreate(rt::ResultRecord* result, int32_t count, const rt::ArgRecord* args);

}  // namespace regex_service
