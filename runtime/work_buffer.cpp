// The work buffer on RuntimeRealloc: doubling growth, trimmed on release.
#include "runtime/work_buffer.h"

#include <cstdint>
#include <cstring>
#include <limits>

#include "runtime/memory.h"

namespace rt {
namespace {

constexpr size_t kLargestBlock = size_t(std::numeric_limits<int64_t>::max());

}  // namespace

WorkBuffer::WorkBuffer(size_t reserve) { Reserve(reserve); }

WorkBuffer::~WorkBuffer() { RuntimeFree(data_); }

void WorkBuffer::Reserve(size_t needed) {
  if (needed <= capacity_) return;
  if (needed > kLargestBlock) RaiseOutOfMemory(std::numeric_limits<int64_t>::max());
  const size_t doubled = capacity_ > kLargestBlock / 2 ? kLargestBlock : capacity_ * 2;
  const size_t capacity = needed > doubled ? needed : doubled;
  data_ = static_cast<char*>(RuntimeRealloc(data_, int64_t(capacity)));
  capacity_ = capacity;
}

void WorkBuffer::Append(const void* bytes, size_t n) {
  if (n == 0) return;
  if (n > kLargestBlock - size_) RaiseOutOfMemory(std::numeric_limits<int64_t>::max());
  Reserve(size_ + n);
  std::memcpy(data_ + size_, bytes, n);
  size_ += n;
}

char* WorkBuffer::ReleaseAsText() {
  if (size_ == 0) return nullptr;
  const char terminator = '\0';
  Append(&terminator, 1);
  return static_cast<char*>(ReleaseBlock());
}

void* WorkBuffer::ReleaseBlock() {
  void* block = size_ == capacity_ ? data_ : RuntimeRealloc(data_, int64_t(size_));
  data_ = nullptr;
  size_ = capacity_ = 0;
  return block;
}

}  // namespace rt
