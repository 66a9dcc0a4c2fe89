// ToText and the scalar formatting it shares with the message box command.
#include "runtime/to_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "runtime/runtime_texts.h"
#include "runtime/values.h"

namespace rt {
namespace {

constexpr int64_t kFirstDay = -657434;  // 100-01-01
constexpr int64_t kLastDay = 2958465;   // 9999-12-31
constexpr int64_t kSecondsPerDay = 86400;
constexpr int64_t kOleEpochFromUnixEpoch = -25569;  // 1899-12-30 in days since 1970-01-01

template <class... Values>
std::string Format(const char* format, Values... values) {
  char buffer[100];
  const int n = std::snprintf(buffer, sizeof buffer, format, values...);
  return std::string(buffer, n > 0 ? std::min<size_t>(size_t(n), sizeof buffer - 1) : 0);
}

template <class T>
T BitsAs(uint64_t bits) {
  T value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

struct CivilDate {
  int64_t year;
  int month;
  int day;
};

// Proleptic Gregorian date of a day count from 1970-01-01 (era arithmetic
// over 400-year cycles).
CivilDate CivilFromDays(int64_t z) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  const int day = int(doy - (153 * mp + 2) / 5 + 1);
  const int month = int(mp < 10 ? mp + 3 : mp - 9);
  return {yoe + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

// Whole day number and second of that day, rounded to the nearest second and
// clamped to the years 100..9999. The day is the value truncated toward zero;
// the fraction's magnitude is the time of day, also for negative dates.
void SplitOleDate(double ole_date, int64_t& day, int64_t& second) {
  if (std::isnan(ole_date)) ole_date = 0;
  // Keeps the value finite and castable; the day clamp below does the rest.
  ole_date = std::clamp(ole_date, double(kFirstDay - 1), double(kLastDay + 1));
  const double whole = std::trunc(ole_date);
  day = int64_t(whole);
  second = std::llround(std::fabs(ole_date - whole) * kSecondsPerDay);
  if (second == kSecondsPerDay) ++day, second = 0;
  if (day < kFirstDay) day = kFirstDay, second = 0;
  if (day > kLastDay) day = kLastDay, second = 0;
}

std::string TimeOfDayText(int64_t second) {
  const int hour = int(second / 3600), minute = int(second / 60 % 60), sec = int(second % 60);
  if (sec != 0) return Format(texts::kTimeSecondsFormat, hour, minute, sec);
  if (minute != 0) return Format(texts::kTimeMinutesFormat, hour, minute);
  if (hour != 0) return Format(texts::kTimeHourFormat, hour);
  return {};
}

std::string FloatText(uint32_t bits) { return Format("%.6g", RoundToSixDigits(BitsAs<float>(bits))); }

// The bytes of a byte-set or numeric array up to the first zero byte.
char* BlockBytesText(TypeTag tag, const void* block) {
  if (block == nullptr) return nullptr;
  const uint8_t* bytes;
  int64_t count;
  if (tag == tag::kByteSet) {
    bytes = ByteSetBytes(block);
    count = ByteSetLength(block);
  } else {
    bytes = ArrayElements(block);
    count = ArrayCount(block) * ElementSize(BaseOf(tag));
  }
  if (count <= 0) return nullptr;
  const void* zero = std::memchr(bytes, 0, size_t(count));
  if (zero != nullptr) count = static_cast<const uint8_t*>(zero) - bytes;
  return MakeTextN(reinterpret_cast<const char*>(bytes), count);
}

}  // namespace

double RoundToSixDigits(float x) {
  uint32_t bits;
  std::memcpy(&bits, &x, sizeof bits);
  const int8_t e2 = int8_t(int((bits >> 23) & 0xFF) - 127);
  int e10 = int(e2 * std::log10(2.0));  // truncated toward zero
  double p = std::pow(10.0, std::abs(e10));
  double v = e10 > 0 ? std::fabs(double(x)) / p : std::fabs(double(x)) * p;
  if (v >= 10) {
    p *= 10, ++e10, v *= 10000;
  } else if (v >= 1) {
    v *= 100000;
  } else {
    p *= 10, --e10, v *= 1000000;
  }
  // Kept in double: infinities and NaNs pass through instead of overflowing an integer.
  double i = std::floor(v);
  if (v - i >= 0.5) i += 1;
  if (x < 0) p = -p;
  return e10 > 0 ? i * (p * 0.00001) : i / (p * 100000);
}

std::string DateTimeText(double ole_date) {
  int64_t day, second;
  SplitOleDate(ole_date, day, second);
  const CivilDate date = CivilFromDays(day + kOleEpochFromUnixEpoch);
  return Format(texts::kDateFormat, int(date.year), date.month, date.day) + TimeOfDayText(second);
}

std::string ScalarToText(const ArgRecord& value) {
  switch (value.tag) {
    case tag::kByte: return Format("%u", unsigned(uint8_t(value.value)));
    case tag::kShort: return Format("%d", int(int16_t(value.value)));
    case tag::kInt: return Format("%d", int32_t(value.low()));
    case tag::kLong: return Format("%lld", static_cast<long long>(value.value));
    case tag::kFloat: return FloatText(value.low());
    case tag::kDouble: return Format("%.13g", BitsAs<double>(value.value));
    case tag::kText: return std::string(TextView(value.pointer<const char>()));
    case tag::kBool: return value.low() != 0 ? texts::kTrue : texts::kFalse;
    case tag::kDateTime: return DateTimeText(BitsAs<double>(value.value));
    default: return {};
  }
}

void ToText(ResultRecord* result, int32_t count, const ArgRecord* args) {
  const ArgRecord& value = Args(count, args)[0];
  const TypeTag base = BaseOf(value.tag);
  if (IsArray(value.tag) || value.tag == tag::kByteSet) {
    const bool has_bytes = value.tag == tag::kByteSet || IsNumeric(base);
    if (has_bytes) SetPointer(result, BlockBytesText(value.tag, value.pointer<const void>()));
    return;  // any other array gives the empty text
  }
  SetPointer(result, MakeText(ScalarToText(value)));
}

}  // namespace rt
