// Loading the program's window templates into the registry at start-up.
#pragma once

#include <cstdint>

#include "runtime/program.h"

namespace forms {

// Decodes the template data and registers its windows. Data that cannot be
// read, or a handler offset past the procedure table, raises
// "载入窗口模板数据段出错!". A size of 0 loads nothing.
void LoadTemplates(const uint8_t* data, uint32_t size, const rt::ProcedureTable* code);

}  // namespace forms
