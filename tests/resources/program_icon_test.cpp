// The program icon: one 32 x 32, 32-bit ICO image whose headers, pixels and
// transparency mask agree with each other.
#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <vector>

#include "resources/program_data.h"

namespace {

uint32_t U16(std::span<const uint8_t> bytes, size_t at) { return bytes[at] | bytes[at + 1] << 8; }
uint32_t U32(std::span<const uint8_t> bytes, size_t at) { return U16(bytes, at) | U16(bytes, at + 2) << 16; }

constexpr size_t kImageAt = 22, kPixelsAt = kImageAt + 40, kMaskAt = kPixelsAt + 32 * 32 * 4;

TEST(ProgramIcon, HeadersDescribeOneThirtyTwoPixelTrueColourImage) {
  const auto icon = resources::ProgramIcon();
  ASSERT_EQ(icon.size(), 4286u);
  // Directory: reserved, type icon, one image; its entry: 32 x 32, 32 bits, size, offset.
  EXPECT_EQ(std::vector<uint32_t>({U16(icon, 0), U16(icon, 2), U16(icon, 4), icon[6], icon[7], U16(icon, 12)}),
            std::vector<uint32_t>({0, 1, 1, 32, 32, 32}));
  EXPECT_EQ(U32(icon, 14), 4286u - kImageAt);
  EXPECT_EQ(U32(icon, 18), kImageAt);
  // Bitmap header: 40 bytes, 32 wide, colour and mask stacked (64 high), one plane, 32 bits, uncompressed.
  EXPECT_EQ(std::vector<uint32_t>({U32(icon, kImageAt), U32(icon, kImageAt + 4), U32(icon, kImageAt + 8),
                                   U16(icon, kImageAt + 12), U16(icon, kImageAt + 14), U32(icon, kImageAt + 16)}),
            std::vector<uint32_t>({40, 32, 64, 1, 32, 0}));
}

TEST(ProgramIcon, MaskIsSetExactlyWhereThePictureIsTransparent) {
  const auto icon = resources::ProgramIcon();
  ASSERT_EQ(icon.size(), 4286u);
  int transparent = 0, opaque = 0;
  for (size_t row = 0; row < 32; ++row) {
    for (size_t column = 0; column < 32; ++column) {
      const uint8_t alpha = icon[kPixelsAt + (row * 32 + column) * 4 + 3];
      const bool masked = icon[kMaskAt + row * 4 + column / 8] & (0x80 >> (column % 8));
      EXPECT_EQ(masked, alpha == 0) << row << "," << column;
      transparent += alpha == 0;
      opaque += alpha == 255;
    }
  }
  EXPECT_GT(transparent, 0);  // rounded corners
  EXPECT_GT(opaque, 512);     // a solid picture, not a blank one
}

}  // namespace
