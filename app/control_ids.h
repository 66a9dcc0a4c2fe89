// The main window's identifiers and the property indices the workbench's
// procedures read and write, under the names the procedures use; each is
// defined once, by the window description and by the property layer.
#pragma once

#include "forms/registry/property_access.h"
#include "resources/main_window_ids.h"

namespace app {

constexpr uint32_t kMainWindow = resources::kMainWindowId;
constexpr uint32_t kMainWindowUnit = resources::kMainWindowUnitId;
namespace control = resources::control;
namespace property = forms::property_index;

}  // namespace app
