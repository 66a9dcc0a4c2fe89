// The regex service as library 2 of the program: its type table, command
// table and notify function, gathered in one library record.
#pragma once

#include <cstdint>

#include "runtime/program.h"

namespace regex_service {

// Command numbers, the positions in the command table.
enum Command : uint32_t {
  kPatternCreate = 0,
  kSearchAll = 1,
  kSearchResultDestruct = 2,
  kResultMatchText = 3,
  kPatternConstruct = 4,
  kPatternDestruct = 5,
  kLastSearchEnd = 6,
  kMatchGroups = 7,
  kSetProgressTexts = 8,
  kLastSearchedBytes = 9,
};

// Code 1 stores a as the runtime's RuntimeNotify entry and returns 0; every
// other code returns -1 and changes nothing.
intptr_t RegexLibraryNotify(int32_t code, intptr_t a, intptr_t b);

}  // namespace regex_service

// The library record: 2 types (Pattern, SearchResult), 10 commands, the notify function.
const rt::LibraryInfo& RegexLibrary();
