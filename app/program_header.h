// The program header: the record through which the runtime finds the
// program's handlers, constant block, window templates and libraries.
#pragma once

#include "runtime/program.h"

namespace app {

const rt::ProgramHeader& WorkbenchProgramHeader();

}  // namespace app
