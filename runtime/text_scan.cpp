// Boundary-aware search. The exact search lets memchr find candidates for the
// first byte and checks each candidate's boundary from the bytes just behind
// it, so that plain ASCII stretches are never stepped through one by one.
#include "runtime/text_scan.h"

#include <cstring>

namespace rt {
namespace {

constexpr char FoldByte(char c) { return c >= 0x41 && c <= 0x5A ? char(c + 0x20) : c; }

// A byte below 0x80 other than a digit is a character of its own or the last
// byte of a two-byte one (digits may stand inside a four-byte sequence), so
// the position behind it is a boundary however the scan got there.
constexpr bool EndsCharacter(char c) { return uint8_t(c) < 0x80 && !platform::IsFourByteDigit(uint8_t(c)); }

// The first boundary at or after `candidate`, given that `known` (not after
// candidate) is one: stepped from the last position behind candidate known to
// be a boundary. Only the bytes between that position and candidate are read.
const char* BoundaryFrom(const char* known, const char* candidate) {
  const char* p = candidate;
  while (p > known && !EndsCharacter(p[-1])) --p;
  while (p < candidate) p += CharLength(p);
  return p;
}

const char* FindExact(const char* from, const char* end, std::string_view sought) {
  const size_t m = sought.size();
  const char* known = from;  // the latest position known to be a boundary
  while (end - from >= ptrdiff_t(m)) {
    const void* hit = std::memchr(from, sought[0], size_t(end - from) - m + 1);
    if (hit == nullptr) return nullptr;
    const char* candidate = static_cast<const char*>(hit);
    known = BoundaryFrom(known, candidate);
    if (known == candidate && std::memcmp(candidate, sought.data(), m) == 0) return candidate;
    from = known == candidate ? candidate + 1 : known;
  }
  return nullptr;
}

const char* FindFolded(const char* from, const char* end, std::string_view sought) {
  const size_t m = sought.size();
  for (const char* p = from; end - p >= ptrdiff_t(m); p += CharLength(p))
    if (FoldedEqual(p, sought.data(), m)) return p;
  return nullptr;
}

}  // namespace

bool FoldedEqual(const char* a, const char* b, size_t n) {
  for (size_t i = 0; i < n; ++i)
    if (FoldByte(a[i]) != FoldByte(b[i])) return false;
  return true;
}

const char* FindOnBoundary(const char* from, const char* end, std::string_view sought, bool fold) {
  if (sought.empty() || from >= end) return nullptr;
  return fold ? FindFolded(from, end, sought) : FindExact(from, end, sought);
}

}  // namespace rt
