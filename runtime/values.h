// Runtime values in memory: texts, byte-sets and arrays, their constructors
// and the ownership rules for freeing them.
#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

#include "runtime/type_tag.h"

namespace rt {

// A text is a NUL-terminated GBK byte string in runtime memory (or in the
// constant block). Null and "" are both the empty text.

// Returns the bytes of a text; null reads as empty.
inline std::string_view TextView(const char* t) { return t ? std::string_view(t) : std::string_view(); }

// New text holding a copy of s up to its NUL; null when s is null or empty.
// The caller owns the result.
char* MakeText(const char* s);
// New text of the n bytes at s (NULs kept) plus a terminator; null when n < 1.
char* MakeTextN(const char* s, int64_t n);
inline char* MakeText(std::string_view s) { return MakeTextN(s.data(), int64_t(s.size())); }

// Byte-set block layout: int32 1, int32 length n (>= 1), then n bytes.
struct ByteSetHeader {
  int32_t one;
  int32_t length;
};
// New byte-set of the n bytes at p; null when n <= 0. The caller owns it.
void* MakeByteSet(const void* p, int64_t n);
inline int32_t ByteSetLength(const void* b) {
  return b ? static_cast<const ByteSetHeader*>(b)->length : 0;
}
inline const uint8_t* ByteSetBytes(const void* b) {
  return static_cast<const uint8_t*>(b) + sizeof(ByteSetHeader);
}

// Array block layout:
//   uint32 dimension count d
//   uint32 size[d]
//   elements, starting 4 * (1 + d) bytes in; numbers inline, texts and
//   byte-sets (and library objects) as owned pointers
// The element start may be only 4-byte aligned, so pointer elements are read
// and written with memcpy.
uint32_t ArrayDimensions(const void* array);
// Product of the sizes; 0 for a null array or d = 0.
int64_t ArrayCount(const void* array);
inline size_t ArrayHeaderSize(uint32_t d) { return 4 * (1 + size_t(d)); }
uint8_t* ArrayElements(void* array);
const uint8_t* ArrayElements(const void* array);

// New one-dimensional array of n pointer elements, all null. The caller owns it.
void* MakePointerArray(int64_t n);
inline void* ArrayPointerAt(const void* array, int64_t i) {
  void* p;
  std::memcpy(&p, ArrayElements(array) + i * int64_t(sizeof p), sizeof p);
  return p;
}
inline void SetArrayPointerAt(void* array, int64_t i, void* p) {
  std::memcpy(ArrayElements(array) + i * int64_t(sizeof p), &p, sizeof p);
}

// Frees an array by its element type: arrays of texts or byte-sets free every
// element, then the block; other arrays free the block alone. The array bit of
// the tag is ignored; null is ignored.
void FreeArray(TypeTag tag, void* array);

// If *variable points into the constant block, replaces it with a writable
// heap copy (header plus count elements of element_size bytes).
void MakeArrayWritable(int32_t element_size, void** variable);

}  // namespace rt
