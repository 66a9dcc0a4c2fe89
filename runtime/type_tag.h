// TypeTags: the 32-bit type name that travels with every runtime value.
#pragma once

#include <cstdint>

namespace rt {

// Bit layout of a TypeTag:
//   31-30  class: 10 built-in, 00 library type (when non-zero), 01 unused
//   29     array of the base type
//   built-in: low byte 0x01 marks a number; second byte 1..6 = byte, short,
//             integer, long, float, double
//   library:  bits 16-31 library number (from 1), bits 0-15 type number (from 1)
using TypeTag = uint32_t;

namespace tag {
constexpr TypeTag kNone = 0;
constexpr TypeTag kByte = 0x80000101;
constexpr TypeTag kShort = 0x80000201;
constexpr TypeTag kInt = 0x80000301;
constexpr TypeTag kLong = 0x80000401;
constexpr TypeTag kFloat = 0x80000501;
constexpr TypeTag kDouble = 0x80000601;
constexpr TypeTag kBool = 0x80000002;
constexpr TypeTag kDateTime = 0x80000003;
constexpr TypeTag kText = 0x80000004;
constexpr TypeTag kByteSet = 0x80000005;
constexpr TypeTag kArrayBit = 0x20000000;
// Control kinds and library types used by this program.
constexpr TypeTag kWindow = 0x00010001;
constexpr TypeTag kMenuItem = 0x00010003;
constexpr TypeTag kEditBox = 0x00010005;
constexpr TypeTag kGroupBox = 0x00010009;
constexpr TypeTag kLabel = 0x0001000A;
constexpr TypeTag kButton = 0x0001000B;
constexpr TypeTag kCheckBox = 0x0001000C;
constexpr TypeTag kComboBox = 0x0001000E;
constexpr TypeTag kReportList = 0x00030004;
constexpr TypeTag kPattern = 0x00020001;
constexpr TypeTag kSearchResult = 0x00020002;
}  // namespace tag

enum class TagClass { kNone = 0, kBuiltIn = 1, kUnused = 2, kLibrary = 3 };

constexpr TagClass ClassOf(TypeTag t) {
  if (t == 0) return TagClass::kNone;
  switch (t >> 30) {
    case 2: return TagClass::kBuiltIn;
    case 1: return TagClass::kUnused;
    default: return TagClass::kLibrary;
  }
}
constexpr bool IsArray(TypeTag t) { return (t & tag::kArrayBit) != 0; }
constexpr TypeTag BaseOf(TypeTag t) { return t & ~tag::kArrayBit; }
constexpr TypeTag ArrayOf(TypeTag t) { return t | tag::kArrayBit; }
constexpr bool IsNumeric(TypeTag t) {
  return ClassOf(t) == TagClass::kBuiltIn && (t & 0xFF) == 0x01 && ((t >> 8) & 0xFF) >= 1 &&
         ((t >> 8) & 0xFF) <= 6;
}
// Bytes one element of this numeric type takes in an array; 0 for other types.
constexpr int ElementSize(TypeTag t) {
  if (!IsNumeric(t)) return 0;
  constexpr int kSizes[] = {1, 2, 4, 8, 4, 8};
  return kSizes[((t >> 8) & 0xFF) - 1];
}

}  // namespace rt
