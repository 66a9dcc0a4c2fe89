// Property type-code conversions.
#include "forms/registry/property_values.h"

#include "runtime/memory.h"
#include "runtime/runtime_texts.h"
#include "runtime/values.h"

namespace forms {
namespace {

using namespace type_code;

enum class Conversion { kNumber, kWide, kBoolean, kPick, kText, kBytes, kFont };

Conversion ConversionFor(uint16_t code) {
  switch (code) {
    case kInteger: case kInteger2: case kColour: case kColour2: case kBackgroundColour:
      return Conversion::kNumber;
    case kDouble: case kDateTime: return Conversion::kWide;
    case kBoolean: return Conversion::kBoolean;
    case kPick: return Conversion::kPick;
    case kPicture: case kIcon: case kMousePointer: case kSound: case kImageList: case kByteData:
      return Conversion::kBytes;
    case kFont: return Conversion::kFont;
    default: return Conversion::kText;
  }
}

// The program's bytes as a value of their own. A text can be as big as
// memory allows, so the room is tried first and running out is the
// runtime's error, not an exception through the forms layer.
std::string CopyOfBytes(const char* bytes, size_t size) {
  rt::EnsureMemoryFor(int64_t(size) + 1);
  return std::string(bytes, size);
}

constexpr int32_t kBoldWeight = 700;
constexpr size_t kLongestFace = 31;

std::string FaceOrDefault(std::string_view face) {
  if (face.empty() || face.size() > kLongestFace) return rt::texts::kDefaultFontFace;
  return std::string(face);
}

FontDescription DescriptionOf(const PropertyValue& value) {
  return value.font.value_or(FontDescription{});
}

// Member 0-5 as a number; member 6 (the face) as a new text.
uint64_t FontMemberWord(const FontDescription& font, int32_t member) {
  switch (member) {
    case 0: return uint64_t(std::abs(font.height));
    case 1: return font.weight >= kBoldWeight ? 1 : 0;
    case 2: return font.italic != 0;
    case 3: return font.strike_out != 0;
    case 4: return font.underline != 0;
    case 5: return font.char_set;
    case 6: return uint64_t(reinterpret_cast<uintptr_t>(rt::MakeText(std::string_view(font.face))));
    default: return 0;
  }
}

uint64_t NewFontRecord(const FontDescription& font) {
  auto* record = static_cast<FontRecord*>(rt::RuntimeAlloc(sizeof(FontRecord)));
  *record = {std::abs(font.height), font.weight >= kBoldWeight, font.italic != 0, font.strike_out != 0,
             font.underline != 0, font.char_set, rt::MakeText(std::string_view(font.face))};
  return uint64_t(reinterpret_cast<uintptr_t>(record));
}

void SetFontMember(FontDescription& font, int32_t member, uint64_t word) {
  const int32_t number = int32_t(uint32_t(word));
  switch (member) {
    case 0: font.height = -std::abs(number); break;
    case 1: font.weight = number != 0 ? kBoldWeight : 0; break;
    case 2: font.italic = number != 0; break;
    case 3: font.strike_out = number != 0; break;
    case 4: font.underline = number != 0; break;
    case 5: font.char_set = uint8_t(number); break;
    case 6: font.face = FaceOrDefault(rt::TextView(reinterpret_cast<const char*>(uintptr_t(word)))); break;
    default: break;
  }
}

// A whole font record written: the size stays as it is.
void SetFontRecord(FontDescription& font, const FontRecord* record) {
  if (record == nullptr) return;
  font.weight = record->bold != 0 ? kBoldWeight : 0;
  font.italic = record->italic != 0;
  font.strike_out = record->strike_out != 0;
  font.underline = record->underline != 0;
  font.char_set = uint8_t(record->char_set);
  font.face = FaceOrDefault(rt::TextView(record->face));
}

const void* AsPointer(uint64_t word) { return reinterpret_cast<const void*>(uintptr_t(word)); }

}  // namespace

uint64_t ToPropertyWord(uint16_t type_code, const PropertyValue& value, int32_t member) {
  switch (ConversionFor(type_code)) {
    case Conversion::kNumber:
    case Conversion::kPick: return uint64_t(int64_t(int32_t(value.number)));
    case Conversion::kWide: return uint64_t(value.number);
    case Conversion::kBoolean: return value.number == 1 ? 1 : 0;
    case Conversion::kBytes:
      return uint64_t(reinterpret_cast<uintptr_t>(rt::MakeByteSet(value.bytes.data(), int64_t(value.bytes.size()))));
    case Conversion::kFont:
      return member < 0 ? NewFontRecord(DescriptionOf(value)) : FontMemberWord(DescriptionOf(value), member);
    case Conversion::kText: break;
  }
  return uint64_t(reinterpret_cast<uintptr_t>(rt::MakeText(std::string_view(value.bytes))));
}

PropertyValue FromPropertyWord(uint16_t type_code, uint64_t word, int32_t member,
                               const std::function<PropertyValue()>& current) {
  PropertyValue value;
  const int32_t low = int32_t(uint32_t(word));
  switch (ConversionFor(type_code)) {
    case Conversion::kNumber: value.number = low; break;
    case Conversion::kWide: value.number = int64_t(word); break;
    case Conversion::kBoolean: value.number = low != 0 ? 1 : 0; break;
    case Conversion::kPick: value.number = low < 0 ? 0 : low; break;
    case Conversion::kBytes:
      if (const void* set = AsPointer(word); set != nullptr && rt::ByteSetLength(set) > 0)
        value.bytes = CopyOfBytes(reinterpret_cast<const char*>(rt::ByteSetBytes(set)), size_t(rt::ByteSetLength(set)));
      break;
    case Conversion::kFont: {
      FontDescription font = DescriptionOf(current());
      if (member < 0) SetFontRecord(font, static_cast<const FontRecord*>(AsPointer(word)));
      else SetFontMember(font, member, word);
      value.font = font;
      break;
    }
    case Conversion::kText: {
      const std::string_view text = rt::TextView(static_cast<const char*>(AsPointer(word)));
      value.bytes = CopyOfBytes(text.data(), text.size());
    }
  }
  return value;
}

}  // namespace forms
