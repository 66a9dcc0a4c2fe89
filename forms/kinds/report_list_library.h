// The extended-UI library, library 3 of the program: its five data types
// (the report list is type 4, TypeTag 0x00030004), its three row commands and
// its notify function, gathered in one library record.
#pragma once

#include <cstdint>

#include "runtime/program.h"

namespace forms {

// Command numbers, the positions in the command table.
enum ReportListCommand : uint32_t {
  kListInsertItem = 0,
  kListSetItemText = 1,
  kListGetItemText = 2,
};

// Code 1 stores a as the RuntimeNotify entry the commands resolve lists
// through and returns 0; every other code returns 0 and changes nothing.
intptr_t ReportListLibraryNotify(int32_t code, intptr_t a, intptr_t b);

}  // namespace forms

// The library record: 5 types, 3 commands, the notify function.
const rt::LibraryInfo& ReportListLibrary();
