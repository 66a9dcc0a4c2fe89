// A text assembled piece by piece in one runtime block that grows
// geometrically, so that joining many pieces stays linear in their length.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "app/runtime_calls.h"

namespace app {

class TextBuilder {
 public:
  TextBuilder() = default;
  TextBuilder(const TextBuilder&) = delete;
  TextBuilder& operator=(const TextBuilder&) = delete;
  ~TextBuilder();

  TextBuilder& Append(std::string_view piece);
  int64_t length() const { return length_; }
  bool empty() const { return length_ == 0; }
  // The text built so far, handed to the caller (null when empty); the
  // builder is empty afterwards.
  OwnedText Take();

 private:
  char* block_ = nullptr;
  int64_t length_ = 0;
  int64_t capacity_ = 0;  // bytes of block_, terminator included
};

// The pieces joined without anything between them, as a new text.
OwnedText Join(std::initializer_list<std::string_view> pieces);

}  // namespace app
