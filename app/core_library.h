// The core library record (library 1) as this program carries it: the ten
// commands the program calls and the control kinds its window uses.
#pragma once

#include <cstdint>

#include "runtime/program.h"

namespace app {

// Command numbers: positions in the core library's command table.
enum CoreCommand : uint32_t {
  kTextLength, kLeftText, kRightText, kFindText, kFindTextReverse,
  kReplaceSubtext, kSplitText, kToText, kShowMessage, kComboItemText,
};

const rt::LibraryInfo& CoreLibrary();

}  // namespace app
