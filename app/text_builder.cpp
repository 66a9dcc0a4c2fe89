// Geometric growth of one runtime block; the terminator is kept in place after
// every append so the block is always a valid text.
#include "app/text_builder.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace app {

TextBuilder::~TextBuilder() { Free(block_); }

TextBuilder& TextBuilder::Append(std::string_view piece) {
  if (piece.empty()) return *this;
  const int64_t needed = length_ + int64_t(piece.size()) + 1;
  if (needed > capacity_) {
    capacity_ = std::max<int64_t>(needed, capacity_ * 2);
    block_ = static_cast<char*>(Reallocate(block_, capacity_));
  }
  std::memcpy(block_ + length_, piece.data(), piece.size());
  length_ += int64_t(piece.size());
  block_[length_] = '\0';
  return *this;
}

OwnedText TextBuilder::Take() {
  length_ = 0;
  capacity_ = 0;
  return OwnedText(std::exchange(block_, nullptr));
}

OwnedText Join(std::initializer_list<std::string_view> pieces) {
  TextBuilder builder;
  for (std::string_view piece : pieces) builder.Append(piece);
  return builder.Take();
}

}  // namespace app
