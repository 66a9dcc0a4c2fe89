// SearchAll: every match of a Pattern in a text, as an array of SearchResult.
#pragma once

#include <cstdint>

#include "runtime/call.h"

namespace regex_service {

// SearchAll(pattern by reference, text): a new array {1, n, n SearchResult
// block pointers} in ascending order; the caller owns it and, for each
// element, must SearchResultDestruct it and RuntimeFree its block before
// freeing the array. A Pattern without an expression or an empty text gives
// {1, 0}; a search the engine abandons keeps the matches found before it.
void SearchAll(rt::ResultRecord* result, int32_t count, const rt::ArgRecord* args);

}  // namespace regex_service
