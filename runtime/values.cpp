// Text, byte-set and array constructors and the array freeing rule.
#include "runtime/values.h"

#include "runtime/memory.h"

namespace rt {

char* MakeText(const char* s) {
  if (s == nullptr || *s == '\0') return nullptr;
  return MakeTextN(s, int64_t(std::strlen(s)));
}

char* MakeTextN(const char* s, int64_t n) {
  if (n < 1) return nullptr;
  char* t = static_cast<char*>(RuntimeAlloc(n + 1));
  std::memcpy(t, s, size_t(n));
  t[n] = '\0';
  return t;
}

void* MakeByteSet(const void* p, int64_t n) {
  if (n <= 0) return nullptr;
  auto* block = static_cast<uint8_t*>(RuntimeAlloc(int64_t(sizeof(ByteSetHeader)) + n));
  const ByteSetHeader header{1, int32_t(n)};
  std::memcpy(block, &header, sizeof header);
  std::memcpy(block + sizeof header, p, size_t(n));
  return block;
}

uint32_t ArrayDimensions(const void* array) {
  uint32_t d = 0;
  if (array) std::memcpy(&d, array, sizeof d);
  return d;
}

int64_t ArrayCount(const void* array) {
  const uint32_t d = ArrayDimensions(array);
  if (d == 0) return 0;
  const auto* sizes = static_cast<const uint8_t*>(array) + 4;
  int64_t count = 1;
  for (uint32_t i = 0; i < d; ++i) {
    uint32_t size;
    std::memcpy(&size, sizes + 4 * size_t(i), sizeof size);
    count *= size;
  }
  return count;
}

uint8_t* ArrayElements(void* array) {
  return static_cast<uint8_t*>(array) + ArrayHeaderSize(ArrayDimensions(array));
}
const uint8_t* ArrayElements(const void* array) {
  return static_cast<const uint8_t*>(array) + ArrayHeaderSize(ArrayDimensions(array));
}

void* MakePointerArray(int64_t n) {
  if (n < 0) n = 0;
  auto* block = static_cast<uint8_t*>(RuntimeAlloc(int64_t(ArrayHeaderSize(1)) + n * int64_t(sizeof(void*))));
  const uint32_t header[2] = {1, uint32_t(n)};
  std::memcpy(block, header, sizeof header);
  std::memset(block + sizeof header, 0, size_t(n) * sizeof(void*));
  return block;
}

void FreeArray(TypeTag tag, void* array) {
  if (array == nullptr) return;
  const TypeTag base = BaseOf(tag);
  if (base == tag::kText || base == tag::kByteSet) {
    const int64_t count = ArrayCount(array);
    for (int64_t i = 0; i < count; ++i) RuntimeFree(ArrayPointerAt(array, i));
  }
  RuntimeFree(array);
}

void MakeArrayWritable(int32_t element_size, void** variable) {
  void* array = *variable;
  if (!IsConstant(array)) return;
  const size_t bytes = ArrayHeaderSize(ArrayDimensions(array)) +
                       size_t(element_size) * size_t(ArrayCount(array));
  void* copy = RuntimeAlloc(int64_t(bytes));
  std::memcpy(copy, array, bytes);
  *variable = copy;
}

}  // namespace rt
