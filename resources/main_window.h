// The main window as the program stores it: the window's settings, its 24
// controls and their event bindings, described in code. tools/write_template
// turns the description into template data.
#pragma once

#include <cstdint>
#include <vector>

#include "forms/template/template_model.h"

namespace resources {

constexpr uint32_t kMainWindowId = 0x52010001;

// The handler offsets the main window's bindings store: indices into the
// program's procedure table, which must list the handlers in this order.
enum class MainWindowHandler : uint32_t {
  kWindowCreated = 0,  // fills the preset list
  kIgnoreCaseToggle = 1,
  kPresetRow = 2,
  kCountGuard = 3,
  kMatch = 4,
  kCodeSnippet = 5,
  kPatternBuilder = 6,
};
constexpr uint32_t kMainWindowHandlerCount = 7;

// The main window's template; `icon` is the ICO file the window shows.
forms::WindowTemplate DescribeMainWindow(std::vector<uint8_t> icon);

}  // namespace resources
