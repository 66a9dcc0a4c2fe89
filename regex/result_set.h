// The results of one search as the caller receives them: one runtime block
// group holding the array {1, n, n SearchResult block pointers}, the searched
// text's bounds, and for every match its SearchResult block followed by its
// result object. The caller's usual frees (every result destructed and its
// block freed, then the array) each stay valid, and freeing the array alone
// frees everything.
#pragma once

#include <cstddef>

#include "regex/match_store.h"
#include "regex/search_result.h"

namespace regex_service {

// The array of the first n matches of the store (none when matches is null);
// null only before the runtime's notify entry arrived. Running out of memory
// raises the runtime's error.
void* MakeResultSet(const MatchStore* matches, size_t n, const SearchedText& searched);

}  // namespace regex_service
