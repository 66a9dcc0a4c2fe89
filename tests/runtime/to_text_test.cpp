// ToText through the call convention: every value kind, the single-float
// rounding, the calendar text of OLE dates, byte-sets and arrays.
#include "runtime/to_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "tests/runtime/command_call.h"
#include "tests/test_support.h"

namespace {

using runtime_test::Call;
using runtime_test::TakeText;
using testing_support::Gbk;

rt::ArgRecord FloatArg(float f) {
  uint32_t bits;
  std::memcpy(&bits, &f, sizeof bits);
  return {bits, rt::tag::kFloat};
}

std::string ToText(const rt::ArgRecord& value) { return TakeText(Call(rt::ToText, {value})); }

TEST(ToText, FormatsNumbersTruthValuesAndTexts) {
  const std::string chinese = Gbk("中文");
  const std::pair<rt::ArgRecord, std::string> cases[] = {
      {rt::IntArg(-5), "-5"},
      {rt::IntArg(INT_MIN), "-2147483648"},
      {{0x1FF, rt::tag::kByte}, "255"},              // only the low byte
      {{0xFFFF, rt::tag::kShort}, "-1"},             // sign-extended low half
      {rt::LongArg(LLONG_MIN), "-9223372036854775808"},
      {rt::DoubleArg(0.1), "0.1"},
      {rt::DoubleArg(1.0 / 3), "0.3333333333333"},
      {rt::DoubleArg(1e20), "1e+20"},
      {rt::DoubleArg(-1e-300), "-1e-300"},
      {rt::BoolArg(true), Gbk("真")},
      {rt::BoolArg(false), Gbk("假")},
      {{2, rt::tag::kBool}, Gbk("真")},
      {rt::TextArg(chinese.c_str()), chinese},
      {rt::TextArg(""), ""},
      {rt::PointerArg(nullptr, rt::tag::kText), ""},
      {rt::ControlArg(0x52010001, 0x06010000, rt::tag::kWindow), ""},
      {rt::kOmitted, ""},
  };
  for (const auto& [value, text] : cases) EXPECT_EQ(ToText(value), text) << std::hex << value.tag;
}

TEST(ToText, RoundsSingleFloatsToSixSignificantDigits) {
  const std::pair<float, std::string> cases[] = {
      {0.1f, "0.1"},           {3.14159265f, "3.14159"}, {-2.5f, "-2.5"},
      {1234567.0f, "1.23457e+06"}, {16777216.0f, "1.67772e+07"}, {0.000123456789f, "0.000123457"},
      {9.9999999f, "10"},      {12.0f, "12"},           {0.5f, "0.5"},
      {0.0f, "0"},             {-0.0f, "0"},            {1e-40f, "1e-40"},
      {3.4e38f, "3.4e+38"},    {std::numeric_limits<float>::infinity(), "inf"},
  };
  for (const auto& [value, text] : cases) EXPECT_EQ(ToText(FloatArg(value)), text) << value;
  EXPECT_NE(ToText(FloatArg(std::nanf(""))).find("nan"), std::string::npos);
}

TEST(ToText, WritesOleDatesAsCalendarText) {
  const double kSecond = 1.0 / 86400;
  const std::pair<double, const char*> cases[] = {
      {2.5, "1900年1月1日12时"},
      {0, "1899年12月30日"},
      {-0.5, "1899年12月30日12时"},         // negative dates: the fraction still counts forward
      {-1.25, "1899年12月29日6时"},
      {60, "1900年2月28日"},
      {61, "1900年3月1日"},
      {36585, "2000年2月29日"},
      {36526 + (12 * 3600 + 15 * 60) * kSecond, "2000年1月1日12时15分"},
      {36526 + (12 * 3600 + 15 * 60 + 30) * kSecond, "2000年1月1日12时15分30秒"},
      {36526 + 59 * kSecond, "2000年1月1日0时0分59秒"},
      {36526.9999999, "2000年1月2日"},      // rounds to the next midnight
      {-657434, "100年1月1日"},
      {-657434.5, "100年1月1日12时"},
      {-1e9, "100年1月1日"},
      {2958465, "9999年12月31日"},
      {1e300, "9999年12月31日"},
      {std::numeric_limits<double>::infinity(), "9999年12月31日"},
      {std::nan(""), "1899年12月30日"},
  };
  for (const auto& [date, text] : cases)
    EXPECT_EQ(ToText(rt::DoubleArg(date, rt::tag::kDateTime)), Gbk(text)) << date;
}

TEST(ToText, TakesTheBytesOfByteSetsAndNumericArraysUpToTheFirstZero) {
  void* byte_set = rt::MakeByteSet("ab\0c", 4);
  void* whole_set = rt::MakeByteSet("abc", 3);
  alignas(8) static uint8_t bytes[] = {1, 0, 0, 0, 3, 0, 0, 0, 'x', 'y', 'z'};
  alignas(8) static uint8_t shorts[] = {1, 0, 0, 0, 2, 0, 0, 0, 'A', 'B', 'C', 0};
  alignas(8) static uint8_t grid[] = {2, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 'a', 'b', 'c', 'd'};
  alignas(8) static uint8_t no_dimensions[] = {0, 0, 0, 0};
  void* texts = rt::MakePointerArray(1);
  rt::SetArrayPointerAt(texts, 0, rt::MakeText("t"));
  const std::pair<rt::ArgRecord, std::string> cases[] = {
      {rt::PointerArg(byte_set, rt::tag::kByteSet), "ab"},
      {rt::PointerArg(whole_set, rt::tag::kByteSet), "abc"},
      {rt::PointerArg(nullptr, rt::tag::kByteSet), ""},
      {rt::PointerArg(bytes, rt::ArrayOf(rt::tag::kByte)), "xyz"},
      {rt::PointerArg(shorts, rt::ArrayOf(rt::tag::kShort)), "ABC"},
      {rt::PointerArg(grid, rt::ArrayOf(rt::tag::kByte)), "abcd"},  // every element of a grid
      {rt::PointerArg(no_dimensions, rt::ArrayOf(rt::tag::kInt)), ""},
      {rt::PointerArg(nullptr, rt::ArrayOf(rt::tag::kInt)), ""},
      {rt::PointerArg(texts, rt::ArrayOf(rt::tag::kText)), ""},     // other arrays give nothing
  };
  for (const auto& [value, text] : cases) EXPECT_EQ(ToText(value), text) << std::hex << value.tag;
  rt::RuntimeFree(byte_set);
  rt::RuntimeFree(whole_set);
  rt::FreeArray(rt::tag::kText, texts);
}

}  // namespace
