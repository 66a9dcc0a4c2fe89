// The program's built-in binary data, embedded at build time: the window
// templates and the program icon. The constant texts are in the generated
// header resources/constants.h.
#pragma once

#include <cstdint>
#include <span>

namespace resources {

// The template data of all windows (the main window only), in the stored
// template format; read-only, lives as long as the program.
std::span<const uint8_t> MainWindowTemplate();

// The program icon: one 32 x 32, 32-bit image in ICO form (4,286 bytes).
std::span<const uint8_t> ProgramIcon();

}  // namespace resources
