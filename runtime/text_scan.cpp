// Boundary-aware search. The exact search lets memchr find candidates for the
// first byte and checks each candidate's boundary from the bytes behind it,
// so that plain ASCII stretches are never stepped through one by one.
#include "runtime/text_scan.h"

#include <cstring>

namespace rt {
namespace {

constexpr char FoldByte(char c) { return c >= 0x41 && c <= 0x5A ? char(c + 0x20) : c; }

// Whether `candidate` lies on a character boundary, given that `known` (not
// after candidate) does. A byte below 0x80 always ends a character, so the
// position behind one is a boundary; from there on, a run of lead-range bytes
// alternates lead and second byte. Only the run behind candidate is read.
bool OnBoundary(const char* known, const char* candidate) {
  const char* run = candidate;
  while (run > known && IsLeadByte(run[-1])) --run;
  return (candidate - run) % 2 == 0;
}

const char* FindExact(const char* from, const char* end, std::string_view sought) {
  const size_t m = sought.size();
  const char* known = from;  // the latest position known to be a boundary
  while (end - from >= ptrdiff_t(m)) {
    const void* hit = std::memchr(from, sought[0], size_t(end - from) - m + 1);
    if (hit == nullptr) return nullptr;
    const char* candidate = static_cast<const char*>(hit);
    const bool boundary = OnBoundary(known, candidate);
    if (boundary && std::memcmp(candidate, sought.data(), m) == 0) return candidate;
    // A candidate off the boundary is a second byte: the next byte starts a character.
    known = boundary ? candidate : candidate + 1;
    from = candidate + 1;
  }
  return nullptr;
}

const char* FindFolded(const char* from, const char* end, std::string_view sought) {
  const size_t m = sought.size();
  for (const char* p = from; end - p >= ptrdiff_t(m); p += CharStep(p))
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
