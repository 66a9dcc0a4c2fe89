// The main window as the program stores it: the window's settings, its 24
// controls and their event bindings, described in code. tools/write_template
// turns the description into template data.
#pragma once

#include <cstdint>
#include <vector>

#include "forms/template/template_model.h"
#include "resources/main_window_ids.h"

namespace resources {

// The main window's template; `icon` is the ICO file the window shows.
forms::WindowTemplate DescribeMainWindow(std::vector<uint8_t> icon);

}  // namespace resources
