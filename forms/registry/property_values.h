// Conversions between a kind's property values and the 64-bit words that
// property reads return and writes take, decided by the entry's type code.
#pragma once

#include <cstdint>
#include <functional>

#include "forms/registry/control.h"

namespace forms {

// The font record a font read with member -1 hands out (the caller frees the
// face text, then the record).
struct FontRecord {
  int32_t size;  // character height in pixels
  int32_t bold, italic, strike_out, underline, char_set;
  char* face;
};

// The word a read returns: numbers as they are (booleans exactly 0/1), texts
// as new TextValues and byte data as new ByteSets (null when empty), fonts by
// member (-1 a new FontRecord). The caller owns what is allocated.
uint64_t ToPropertyWord(uint16_t type_code, const PropertyValue& value, int32_t member);

// The value a write hands the kind: a null text is empty, a boolean is 0/1,
// a negative pick is 0, byte data is copied from the ByteSet. A font member
// 0-6 changes that member of current(), the kind's present font.
PropertyValue FromPropertyWord(uint16_t type_code, uint64_t word, int32_t member,
                               const std::function<PropertyValue()>& current);

}  // namespace forms
