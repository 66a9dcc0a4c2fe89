// A growable byte buffer in runtime memory, in which commands collect their
// output before handing it to the caller. It grows geometrically, so appending
// n bytes in many pieces costs amortised O(n).
#pragma once

#include <cstddef>

namespace rt {

class WorkBuffer {
 public:
  explicit WorkBuffer(size_t reserve);
  ~WorkBuffer();
  WorkBuffer(const WorkBuffer&) = delete;
  WorkBuffer& operator=(const WorkBuffer&) = delete;

  // Running out of memory raises the out-of-memory run-time error.
  void Append(const void* bytes, size_t n);
  size_t size() const { return size_; }
  char* data() { return data_; }

  // Hands the bytes over as a text owned by the caller: terminated, trimmed to
  // size + 1; null (and the buffer freed) when nothing was written.
  char* ReleaseAsText();
  // Hands the block over as it is, trimmed to its size; the caller owns it.
  void* ReleaseBlock();

 private:
  void Reserve(size_t needed);

  char* data_ = nullptr;
  size_t size_ = 0;
  size_t capacity_ = 0;
};

}  // namespace rt
