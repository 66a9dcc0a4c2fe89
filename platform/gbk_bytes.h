// The byte classes of GBK and GB18030 text: the bytes that lead a character
// of several bytes, the bytes that may follow a lead byte, and the digits of
// four-byte sequences. The conversion at the Qt boundary and the runtime's
// stepping over texts read characters by these same classes.
#pragma once

#include <cstdint>

namespace platform {

constexpr bool IsGbkLeadByte(uint8_t b) { return b >= 0x81 && b <= 0xFE; }
constexpr bool IsGbkTrailByte(uint8_t b) { return b >= 0x40 && b <= 0xFE && b != 0x7F; }
// The second and fourth byte of a four-byte GB18030 sequence (lead, digit, lead, digit).
constexpr bool IsFourByteDigit(uint8_t b) { return b >= 0x30 && b <= 0x39; }

}  // namespace platform
