// SearchAll: every match of a Pattern in a text, as an array of SearchResult;
// and LastSearchEnd: whether that search reached the end of the text.
#pragma once

#include <cstddef>
#include <cstdint>

#include "runtime/call.h"

namespace regex_service {

// SearchAll(pattern by reference, text): a new array {1, n, n SearchResult
// block pointers} in ascending order; the caller owns it and, for each
// element, must SearchResultDestruct it and RuntimeFree its block before
// freeing the array. A Pattern without an expression or an empty text gives
// {1, 0}. The search runs through the runtime's responsive wait: a search the
// engine abandons, or the user cancels, keeps the matches found before it.
// Running out of memory ends the program with the runtime's error.
void SearchAll(rt::ResultRecord* result, int32_t count, const rt::ArgRecord* args);

// How a search ended; LastSearchEnd's result.
enum SearchEnd : int32_t {
  kSearchedToTheEnd = 0,     // every match is in the list
  kEngineGaveUp = 1,         // the engine abandoned a search (work or stack limit): the matches before it
  kCancelled = 2,            // the user stopped it: the matches found until then
  kSearchedAPrefix = 3,      // the text is longer than SearchedBytesLimit(): the matches in that prefix
  kCompileWasCancelled = 4,  // the user stopped the Pattern's compilation: nothing was searched
};

// LastSearchEnd(): how the last SearchAll ended, a SearchEnd as an integer.
void LastSearchEnd(rt::ResultRecord* result, int32_t count, const rt::ArgRecord* args);
// LastSearchedBytes(): how many bytes of its text the last SearchAll searched, an integer.
void LastSearchedBytes(rt::ResultRecord* result, int32_t count, const rt::ArgRecord* args);

// Offsets are 32-bit, so a search covers at most the first 2^31-1 bytes of a
// text. A test may lower the limit, to see what a longer text does.
size_t SearchedBytesLimit();
void LimitSearchedBytes(size_t limit);

}  // namespace regex_service
