// Scanning GBK texts by character: the stepping rule over characters of two
// and four bytes, the ASCII-only case folding, and searches that only accept
// matches starting on a character boundary.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/gbk_bytes.h"

namespace rt {

// Bytes of the character at p, in a NUL-terminated text: 2 for a lead byte
// followed by a trail byte, 4 for a four-byte GB18030 sequence, else 1. So a
// lead byte that nothing valid follows (the terminator included) is a
// character of its own, and so are 0x80 (the euro sign) and 0xFF. Never
// reads past the terminator.
constexpr size_t CharLength(const char* p) {
  using namespace platform;
  if (!IsGbkLeadByte(uint8_t(p[0]))) return 1;
  if (IsGbkTrailByte(uint8_t(p[1]))) return 2;
  const bool four = IsFourByteDigit(uint8_t(p[1])) && IsGbkLeadByte(uint8_t(p[2])) && IsFourByteDigit(uint8_t(p[3]));
  return four ? 4 : 1;
}

// Compares n bytes, taking each byte 0x41-0x5A as its lower-case letter on
// both sides, second bytes of double-byte characters included.
bool FoldedEqual(const char* a, const char* b, size_t n);

// The first match of `sought` (non-empty) lying wholly within [from, end) and
// starting on a character boundary counted from `from`; null when none.
// Characters are read from the NUL-terminated text `from` lies in, also past
// `end`. `fold` selects the case-folding comparison.
const char* FindOnBoundary(const char* from, const char* end, std::string_view sought, bool fold);

}  // namespace rt
