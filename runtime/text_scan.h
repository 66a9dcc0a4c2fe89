// Scanning GBK texts by character: the stepping rule over double-byte
// characters, the ASCII-only case folding, and searches that only accept
// matches starting on a character boundary.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace rt {

// A byte of 0x80 or more starts a two-byte character.
constexpr bool IsLeadByte(char c) { return uint8_t(c) >= 0x80; }

// Bytes from p to the next character boundary: 2 at a lead byte, else 1.
// A lead byte that is the last byte before `end` gives 2 as well, which
// carries the scan past `end` and so ends it.
constexpr size_t CharStep(const char* p) { return IsLeadByte(*p) ? 2 : 1; }

// Compares n bytes, taking each byte 0x41-0x5A as its lower-case letter on
// both sides, second bytes of double-byte characters included.
bool FoldedEqual(const char* a, const char* b, size_t n);

// The first match of `sought` (non-empty) lying wholly within [from, end) and
// starting on a character boundary counted from `from`; null when none.
// `fold` selects the case-folding comparison.
const char* FindOnBoundary(const char* from, const char* end, std::string_view sought, bool fold);

}  // namespace rt
