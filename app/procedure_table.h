// The program's event handlers in one table: the code base that the window
// template's handler offsets index.
#pragma once

#include "runtime/program.h"

namespace app {

// Offsets used by the main window's template, in this order:
// 0 window created, 1 ignore-case toggle, 2 preset row focused, 3 count guard,
// 4 match, 5 code snippet, 6 pattern builder.
const rt::ProcedureTable& WorkbenchProcedures();

}  // namespace app
