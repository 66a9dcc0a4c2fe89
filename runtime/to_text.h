// Conversion of any runtime value to text: numbers, texts, truth values,
// date-times (calendar text of an OLE Automation date), byte-sets and
// numeric arrays.
#pragma once

#include <string>

#include "runtime/call.h"

namespace rt {

// (value) -> new text, owned by the caller; null when the text is empty.
void ToText(ResultRecord* result, int32_t count, const ArgRecord* args);

// The text of a number, text, truth value or date-time (GBK); empty for any
// other type, arrays included. Also the message text of ShowMessage.
std::string ScalarToText(const ArgRecord& value);

// A single float rounded to six significant decimal digits, in double precision.
double RoundToSixDigits(float x);

// "Y年M月D日" followed by the time of day down to its last non-zero field,
// for an OLE Automation date (days since 1899-12-30; for negative dates the
// fraction still counts forward from midnight).
std::string DateTimeText(double ole_date);

}  // namespace rt
