// The program's event handlers in one table: the code base that the window
// template's handler offsets index.
#pragma once

#include "runtime/program.h"

namespace app {

// The handlers in the order of resources::MainWindowHandler, the offsets the
// main window's template stores.
const rt::ProcedureTable& WorkbenchProcedures();

}  // namespace app
