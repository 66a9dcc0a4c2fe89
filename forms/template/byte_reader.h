// The reading visitor of the template byte format: decodes little-endian
// fields from a bounded byte range and fails, rather than reads past it,
// whenever a field, length or count runs beyond the data.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace forms {

class ByteReader {
 public:
  ByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  // False once any read ran past the data or a check failed; from then on
  // every read leaves its target unchanged.
  bool ok() const { return ok_; }
  bool AtEnd() const { return position_ == size_; }
  size_t remaining() const { return size_ - position_; }
  void Fail() { ok_ = false; }
  void Require(bool condition) {
    if (!condition) Fail();
  }
  // Fails unless every byte has been read (fixed-size blocks).
  void ExpectEnd() { Require(AtEnd()); }

  void Field(uint8_t& value);
  void Field(uint16_t& value);
  void Field(uint32_t& value);
  void Field(int32_t& value);
  template <size_t N>
  void Field(std::array<uint8_t, N>& bytes) {
    if (const uint8_t* from = Take(N)) std::copy(from, from + N, bytes.begin());
  }
  void ZText(std::string& text);                   // NUL-ended
  void CountedText(std::string& text);             // u32 length + bytes
  void Block(std::vector<uint8_t>& bytes);         // u32 length + bytes
  void FixedText(std::string& text, size_t width); // NUL-padded, at most width - 1 bytes kept
  void Rest(std::vector<uint8_t>& bytes);          // everything up to the end

  // A byte block whose content has a layout of its own: `layout(inner)`
  // reads it through a reader bounded by the block.
  template <class Layout>
  void Nested(Layout&& layout) {
    std::optional<ByteReader> inner = TakeBlock();
    if (!inner) return;
    layout(*inner);
    Require(inner->ok());
  }

  // Sizes `items` for a stored count, refusing counts that cannot fit the
  // remaining bytes at `min_bytes` per item before allocating anything.
  template <class T>
  void Resize(std::vector<T>& items, uint32_t count, size_t min_bytes) {
    if (!ok_ || (min_bytes > 0 && count > remaining() / min_bytes)) return Fail();
    items.assign(count, T{});
  }

  // Items stored back to back up to the end of the data.
  template <class T, class Layout>
  void UntilEnd(std::vector<T>& items, Layout&& layout) {
    items.clear();
    while (ok_ && !AtEnd()) {
      const size_t before = position_;
      layout(*this, items.emplace_back());
      Require(position_ > before);
    }
  }

  // An optional value that is present exactly when the data is not empty.
  template <class T, class Layout>
  void Optional(std::optional<T>& value, Layout&& layout) {
    value.reset();
    if (ok_ && !AtEnd()) layout(*this, value.emplace());
  }

  // A reader over [offset, end) of this data; a failed one when the offset
  // lies outside.
  ByteReader From(size_t offset) const;

 private:
  // The next `count` bytes, or null (and failure) when fewer remain.
  const uint8_t* Take(size_t count);
  std::optional<ByteReader> TakeBlock();

  const uint8_t* data_;
  size_t size_;
  size_t position_ = 0;
  bool ok_ = true;
};

}  // namespace forms
