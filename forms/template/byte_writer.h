// The writing visitor of the template byte format: encodes the same field
// calls the reader decodes, little-endian, into a growing byte vector.
#pragma once

#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace forms {

class ByteWriter {
 public:
  bool ok() const { return true; }
  // The writer is only handed settings the reader accepts.
  void Require([[maybe_unused]] bool condition) { assert(condition); }
  void ExpectEnd() {}

  void Field(uint8_t value) { bytes_.push_back(value); }
  void Field(uint16_t value) { Put(value, 2); }
  void Field(uint32_t value) { Put(value, 4); }
  void Field(int32_t value) { Put(static_cast<uint32_t>(value), 4); }
  template <size_t N>
  void Field(const std::array<uint8_t, N>& bytes) {
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
  }
  void ZText(const std::string& text);
  void CountedText(const std::string& text);
  void Block(const std::vector<uint8_t>& bytes);
  void FixedText(const std::string& text, size_t width);
  void Rest(const std::vector<uint8_t>& bytes) { bytes_.insert(bytes_.end(), bytes.begin(), bytes.end()); }

  // A byte block whose content `layout(inner)` writes.
  template <class Layout>
  void Nested(Layout&& layout) {
    ByteWriter inner;
    layout(inner);
    Block(inner.bytes_);
  }

  // Counterparts of the reader's sizing steps: the items are already there.
  template <class T>
  void Resize(const std::vector<T>&, uint32_t, size_t) {}

  template <class T, class Layout>
  void UntilEnd(const std::vector<T>& items, Layout&& layout) {
    for (const T& item : items) layout(*this, item);
  }

  template <class T, class Layout>
  void Optional(const std::optional<T>& value, Layout&& layout) {
    if (value) layout(*this, *value);
  }

  const std::vector<uint8_t>& bytes() const { return bytes_; }
  std::vector<uint8_t> Take() { return std::move(bytes_); }

 private:
  void Put(uint32_t value, size_t width);

  std::vector<uint8_t> bytes_;
};

}  // namespace forms
