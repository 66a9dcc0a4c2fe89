// The writing visitor of the template byte format: little-endian encoding
// into a growing byte vector.
#include "forms/template/byte_writer.h"

#include <algorithm>

namespace forms {

void ByteWriter::Put(uint32_t value, size_t width) {
  for (size_t i = 0; i < width; ++i) bytes_.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void ByteWriter::ZText(const std::string& text) {
  bytes_.insert(bytes_.end(), text.begin(), text.end());
  bytes_.push_back(0);
}

void ByteWriter::CountedText(const std::string& text) {
  Field(static_cast<uint32_t>(text.size()));
  bytes_.insert(bytes_.end(), text.begin(), text.end());
}

void ByteWriter::Block(const std::vector<uint8_t>& bytes) {
  Field(static_cast<uint32_t>(bytes.size()));
  Rest(bytes);
}

void ByteWriter::FixedText(const std::string& text, size_t width) {
  if (width == 0) return;
  const size_t kept = std::min(text.size(), width - 1);
  bytes_.insert(bytes_.end(), text.begin(), text.begin() + kept);
  bytes_.insert(bytes_.end(), width - kept, 0);
}

}  // namespace forms
