// The reading visitor of the template byte format: bounded little-endian
// decoding that fails instead of reading past its data.
#include "forms/template/byte_reader.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

namespace forms {
namespace {

template <class T>
T LittleEndian(const uint8_t* bytes) {
  std::make_unsigned_t<T> value = 0;
  for (size_t i = sizeof(T); i-- > 0;) value = static_cast<std::make_unsigned_t<T>>((value << 8) | bytes[i]);
  return static_cast<T>(value);
}

}  // namespace

const uint8_t* ByteReader::Take(size_t count) {
  static constexpr uint8_t kNoBytes[1] = {0};
  if (!ok_ || count > remaining()) {
    Fail();
    return nullptr;
  }
  if (count == 0) return kNoBytes;  // empty data may have no address at all
  const uint8_t* from = data_ + position_;
  position_ += count;
  return from;
}

void ByteReader::Field(uint8_t& value) {
  if (const uint8_t* from = Take(1)) value = *from;
}

void ByteReader::Field(uint16_t& value) {
  if (const uint8_t* from = Take(2)) value = LittleEndian<uint16_t>(from);
}

void ByteReader::Field(uint32_t& value) {
  if (const uint8_t* from = Take(4)) value = LittleEndian<uint32_t>(from);
}

void ByteReader::Field(int32_t& value) {
  if (const uint8_t* from = Take(4)) value = LittleEndian<int32_t>(from);
}

void ByteReader::ZText(std::string& text) {
  if (!ok_ || AtEnd()) return Fail();
  const uint8_t* start = data_ + position_;
  const void* nul = std::memchr(start, 0, remaining());
  if (!nul) return Fail();
  const size_t length = static_cast<const uint8_t*>(nul) - start;
  text.assign(reinterpret_cast<const char*>(start), length);
  position_ += length + 1;
}

std::optional<ByteReader> ByteReader::TakeBlock() {
  uint32_t length = 0;
  Field(length);
  const uint8_t* from = Take(length);
  if (!from) return std::nullopt;
  return ByteReader(from, length);
}

void ByteReader::CountedText(std::string& text) {
  if (std::optional<ByteReader> block = TakeBlock())
    text.assign(reinterpret_cast<const char*>(block->data_), block->size_);
}

void ByteReader::Block(std::vector<uint8_t>& bytes) {
  if (std::optional<ByteReader> block = TakeBlock()) bytes.assign(block->data_, block->data_ + block->size_);
}

void ByteReader::FixedText(std::string& text, size_t width) {
  const uint8_t* from = Take(width);
  if (!from || width == 0) return;
  // The last byte is the terminator's place even when the data holds none there.
  const uint8_t* end = std::find(from, from + width - 1, 0);
  text.assign(reinterpret_cast<const char*>(from), end - from);
}

void ByteReader::Rest(std::vector<uint8_t>& bytes) {
  const size_t count = remaining();
  if (const uint8_t* from = Take(count)) bytes.assign(from, from + count);
}

ByteReader ByteReader::From(size_t offset) const {
  ByteReader reader(data_, size_);
  reader.ok_ = ok_ && offset <= size_;
  reader.position_ = reader.ok_ ? offset : size_;
  return reader;
}

}  // namespace forms
