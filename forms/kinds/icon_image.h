// The stored icon block as a picture. A template's icon is an icon file with
// a 32-bit image, which is read here: Qt would load its image plugins one by
// one, at start-up, to find the one that reads icon files.
#pragma once

#include <cstdint>
#include <span>

#include <QImage>

namespace forms {

// The first image of an icon file when it is an uncompressed 32-bit bitmap
// with an alpha channel; a null image for anything else, which Qt's own
// readers are then left to.
QImage IconImage(std::span<const uint8_t> icon_file);

}  // namespace forms
