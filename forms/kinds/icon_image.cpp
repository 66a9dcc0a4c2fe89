// Reading the 32-bit bitmap of an icon file: a directory of images, the
// first one's bitmap header, then its pixels as blue, green, red and alpha,
// the bottom row first.
#include "forms/kinds/icon_image.h"

namespace forms {
namespace {

constexpr size_t kDirectorySize = 6, kEntrySize = 16, kBitmapHeaderSize = 40;
constexpr int kLargestSide = 256;

uint32_t Little(std::span<const uint8_t> bytes, size_t at, int width) {
  uint32_t value = 0;
  for (int i = width - 1; i >= 0; --i) value = value << 8 | bytes[at + size_t(i)];
  return value;
}

}  // namespace

QImage IconImage(std::span<const uint8_t> icon_file) {
  if (icon_file.size() < kDirectorySize + kEntrySize || Little(icon_file, 0, 2) != 0 ||
      Little(icon_file, 2, 2) != 1 || Little(icon_file, 4, 2) == 0)
    return {};
  const uint32_t length = Little(icon_file, kDirectorySize + 8, 4), offset = Little(icon_file, kDirectorySize + 12, 4);
  if (offset > icon_file.size() || length > icon_file.size() - offset || length < kBitmapHeaderSize) return {};
  const std::span<const uint8_t> bitmap = icon_file.subspan(offset, length);
  const uint32_t header = Little(bitmap, 0, 4);
  const auto width = int32_t(Little(bitmap, 4, 4)), height = int32_t(Little(bitmap, 8, 4)) / 2;  // with its mask
  if (header < kBitmapHeaderSize || Little(bitmap, 14, 2) != 32 || Little(bitmap, 16, 4) != 0 || width <= 0 ||
      height <= 0 || width > kLargestSide || height > kLargestSide ||
      header + uint64_t(width) * uint64_t(height) * 4 > length)
    return {};
  QImage image(width, height, QImage::Format_ARGB32);
  bool any_alpha = false;
  for (int row = 0; row < height; ++row) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(height - 1 - row));
    for (int x = 0; x < width; ++x) {
      const size_t at = header + (size_t(row) * size_t(width) + size_t(x)) * 4;
      line[x] = qRgba(bitmap[at + 2], bitmap[at + 1], bitmap[at], bitmap[at + 3]);
      any_alpha = any_alpha || bitmap[at + 3] != 0;
    }
  }
  // Without alpha the picture's shape is in the mask, which Qt's reader applies.
  return any_alpha ? image : QImage();
}

}  // namespace forms
