// The text commands through the command call convention: positions, clamps,
// double-byte stepping, omitted arguments and ownership of the results.
#include "runtime/text_commands.h"

#include <gtest/gtest.h>

#include <climits>

#include "tests/runtime/command_call.h"
#include "tests/test_support.h"

namespace {

using runtime_test::Call;
using runtime_test::OptionalBool;
using runtime_test::OptionalInt;
using runtime_test::OptionalText;
using runtime_test::TakeText;
using runtime_test::TakeTextArray;
using testing_support::Gbk;

// "中" is D6 D0 in GBK: a lead byte whose second byte is also in the lead range.
const std::string kZhong = "\xD6\xD0";

TEST(TextLength, CountsBytesBeforeTheTerminator) {
  const std::pair<std::string, int32_t> cases[] = {
      {"", 0}, {"abc", 3}, {Gbk("中文"), 4}, {"a\xB0", 2}};
  for (const auto& [text, length] : cases)
    EXPECT_EQ(int32_t(Call(rt::TextLength, {rt::TextArg(text.c_str())}).low()), length) << text;
}

struct CutCase {
  std::string text;
  int32_t n;
  std::string left, right;
};

TEST(LeftAndRightText, CutByBytesAndClampToTheText) {
  const CutCase cases[] = {
      {"abc", 2, "ab", "bc"},
      {"abc", 3, "abc", "abc"},
      {"abc", INT_MAX, "abc", "abc"},
      {"abc", 0, "", ""},
      {"abc", -1, "", ""},
      {"abc", INT_MIN, "", ""},
      {"", 5, "", ""},
      {kZhong + "a", 1, "\xD6", "a"},  // the cut may split a double-byte character
      {"a" + kZhong, 1, "a", "\xD0"},
  };
  for (const CutCase& c : cases) {
    const rt::ArgRecord args[] = {rt::TextArg(c.text.c_str()), rt::IntArg(c.n)};
    EXPECT_EQ(TakeText(rt::CallCommand(rt::LeftText, 2, args)), c.left) << c.text << " " << c.n;
    EXPECT_EQ(TakeText(rt::CallCommand(rt::RightText, 2, args)), c.right) << c.text << " " << c.n;
  }
}

struct FindCase {
  std::string text, sought;
  std::optional<int32_t> start;
  rt::ArgRecord ignore_case;
  int32_t forward;
};

TEST(FindText, FindsTheFirstMatchOnACharacterBoundary) {
  const rt::ArgRecord kIgnore = rt::BoolArg(true), kExact = rt::kOmitted;
  // A long run of double-byte characters whose second and next lead bytes
  // form the sought text at every odd offset: only the real one counts.
  std::string run = "x";
  for (int i = 0; i < 1000; ++i) run += "\xB0\xA1";
  run += "\xA1\xB0";
  const FindCase cases[] = {
      {"abcb", "b", {}, kExact, 2},
      {"abcb", "b", 3, kExact, 4},
      {"abcb", "b", 5, kExact, -1},
      {"abcb", "b", INT_MAX, kExact, -1},
      {"abcb", "b", 0, kExact, 2},
      {"abcb", "b", INT_MIN, kExact, 2},
      {"abc", "", {}, kExact, 1},
      {"abc", "", 3, kExact, 1},
      {"abc", "", 4, kExact, -1},
      {"", "", {}, kExact, -1},
      {"", "a", {}, kExact, -1},
      {"ab", "abc", {}, kExact, -1},
      {"xabc", "ABC", {}, kIgnore, 2},
      {"xabc", "ABC", {}, kExact, -1},
      {"xabc", "ABC", {}, rt::IntArg(2), -1},            // only a low word of 1 ignores case
      {"xabc", "ABC", {}, rt::ArgRecord{1, 0}, 2},       // the tag is not tested
      {"\xB0" "a", "a", {}, kExact, -1},                 // never inside a character
      {"\xB0" "a", "a", {}, kIgnore, -1},
      {"\xB0" "aa", "a", {}, kExact, 3},
      {"\xB0\x41", "\xB0\x61", {}, kIgnore, 1},          // folding reaches second bytes
      {"\xB0\x41", "\xB0\x61", {}, kExact, -1},
      {"\xB0\xB0\xB0" "a", "\xB0\xB0", {}, kExact, 1},
      {"\xB0\xB0\xB0" "a", "\xB0" "a", {}, kExact, 3},
      {"\xB0\xB0\xB0" "a", "a", {}, kExact, -1},
      {"\xB0" "aa", "a", 2, kExact, 2},                  // a start inside a character scans from there
      {"ab\xB0", "\xB0", {}, kExact, 3},                 // a lone lead byte at the end is compared
      {Gbk("中文中文"), Gbk("文"), {}, kExact, 3},
      {Gbk("中文中文"), Gbk("文"), 5, kExact, 7},
      {Gbk("中文中文"), Gbk("文"), 4, kExact, -1},       // starting on a second byte misaligns the scan
      {run, "\xA1\xB0", {}, kExact, 2002},
      {run, "\xA1\xB0", {}, kIgnore, 2002},
  };
  for (const FindCase& c : cases) {
    const auto result = Call(rt::FindText, {rt::TextArg(c.text.c_str()), rt::TextArg(c.sought.c_str()),
                                            OptionalInt(c.start), c.ignore_case});
    EXPECT_EQ(int32_t(result.low()), c.forward)
        << "'" << c.text.substr(0, 20) << "' / '" << c.sought << "' from " << c.start.value_or(0);
  }
}

TEST(FindTextReverse, FindsTheLastMatchWithinTheFirstStartMinusOneBytes) {
  const rt::ArgRecord kIgnore = rt::BoolArg(true), kExact = rt::kOmitted;
  const FindCase cases[] = {
      {"abcb", "b", {}, kExact, 4},
      {"abcb", "b", 4, kExact, 2},
      {"abcb", "b", 1, kExact, -1},
      {"abcb", "b", 0, kExact, -1},
      {"abcb", "b", INT_MIN, kExact, -1},
      {"abcb", "b", INT_MAX, kExact, 4},
      {"abcd", "cd", 4, kExact, -1},  // the match must lie wholly inside
      {"abcd", "cd", 5, kExact, 3},
      {"abc", "", {}, kExact, 1},
      {"abc", "", 1, kExact, -1},
      {"", "", {}, kExact, -1},
      {"aaaa", "aa", {}, kExact, 3},  // matches may overlap: the scan steps one character
      {"xABCabcx", "ABC", {}, kIgnore, 5},
      {"xABCabcx", "abc", {}, kExact, 5},
      {"\xB0" "aa", "a", {}, kExact, 3},
      {"\xB0" "a", "a", {}, kExact, -1},
      {"a\xB0", "a", {}, kExact, 1},
      {Gbk("中文中文"), Gbk("中"), {}, kExact, 5},
  };
  for (const FindCase& c : cases) {
    const auto result = Call(rt::FindTextReverse, {rt::TextArg(c.text.c_str()), rt::TextArg(c.sought.c_str()),
                                                   OptionalInt(c.start), c.ignore_case});
    EXPECT_EQ(int32_t(result.low()), c.forward)
        << "'" << c.text << "' / '" << c.sought << "' from " << c.start.value_or(0);
  }
}

struct ReplaceCase {
  std::string text, sought;
  std::optional<std::string> replacement;
  std::optional<int32_t> start, count;
  std::optional<bool> case_sensitive;
  std::string expected;
};

TEST(ReplaceSubtext, ReplacesNonOverlappingMatchesFromTheStart) {
  const ReplaceCase cases[] = {
      {"aXbXd", "X", "--", 1, 1, true, "a--bXd"},
      {"aXbXd", "X", "--", 3, {}, true, "aXb--d"},
      {"aXbXd", "X", "--", {}, {}, true, "a--b--d"},
      {"aXbXd", "X", "--", {}, -5, true, "a--b--d"},      // a negative count replaces all
      {"aXbXd", "X", "--", {}, 0, true, "aXbXd"},
      {"aXbXd", "X", "--", 6, {}, true, "aXbXd"},         // start beyond the text
      {"aXbXd", "X", "--", INT_MIN, 1, true, "a--bXd"},
      {"aXbXd", "", "--", {}, {}, true, "aXbXd"},
      {"", "X", "--", {}, {}, true, ""},
      {"aXbxd", "X", {}, {}, {}, true, "abxd"},           // no replacement deletes
      {"aXbxd", "X", {}, {}, {}, {}, "abd"},              // omitted case flag reads 0: ignore case
      {"XX", "X", "", {}, {}, true, ""},
      {"aaaa", "aa", "b", {}, {}, true, "bb"},
      {"\xB0" "aa", "a", "Z", {}, {}, true, "\xB0" "aZ"},
      {"\xB0\x41", "\xB0\x61", "Z", {}, {}, false, "Z"},
      {"ab\xB0", "b", "c", {}, {}, true, "ac\xB0"},       // a lone trailing lead byte is kept
      {"a\xB0", "a", "", {}, {}, true, "\xB0"},
      {"a\xB0", "\xB0", "b", {}, {}, true, "ab"},
      {Gbk("共2处#换行符甲#换行符"), Gbk("#换行符"), "\r\n", {}, {}, true, Gbk("共2处\r\n甲\r\n")},
  };
  for (const ReplaceCase& c : cases) {
    const auto result = Call(rt::ReplaceSubtext,
                             {rt::TextArg(c.text.c_str()), rt::TextArg(c.sought.c_str()), OptionalText(c.replacement),
                              OptionalInt(c.start), OptionalInt(c.count), OptionalBool(c.case_sensitive)});
    EXPECT_EQ(TakeText(result), c.expected) << "'" << c.text << "' / '" << c.sought << "'";
  }
}

TEST(ReplaceSubtext, GrowsItsOutputForLongTexts) {
  std::string text, expected;
  for (int i = 0; i < 100000; ++i) {
    text += kZhong + "X";
    expected += kZhong + "<longer replacement>";
  }
  const auto result = Call(rt::ReplaceSubtext, {rt::TextArg(text.c_str()), rt::TextArg("X"),
                                                rt::TextArg("<longer replacement>"), rt::kOmitted,
                                                rt::kOmitted, rt::BoolArg(true)});
  EXPECT_EQ(TakeText(result), expected);
}

struct SplitCase {
  std::string text;
  std::optional<std::string> separator;
  std::optional<int32_t> maximum;
  std::vector<std::string> parts;
};

TEST(SplitText, SplitsAtSeparatorsWithoutATrailingEmptyPart) {
  const SplitCase cases[] = {
      {"a,b,,d,", {}, {}, {"a", "b", "", "d"}},
      {"a,b,,d,", {}, 2, {"a", "b"}},
      {"a,b,,d,", {}, -1, {}},          // an explicit negative maximum clamps to 0
      {"a,b,,d,", {}, 0, {}},
      {"a,b,,d,", {}, INT_MAX, {"a", "b", "", "d"}},
      {"abc", "abcd", {}, {"abc"}},
      {"", {}, {}, {}},
      {"abc", "", {}, {"abc"}},
      {",a", {}, {}, {"", "a"}},
      {"x::y::::z", "::", {}, {"x", "y", "", "z"}},
      {"\xB0" "ab", "a", {}, {"\xB0" "ab"}},  // no separator inside a character
      {"a,\xB0", {}, {}, {"a", "\xB0"}},
      {Gbk("甲，乙，丙"), Gbk("，"), {}, {Gbk("甲"), Gbk("乙"), Gbk("丙")}},
  };
  for (const SplitCase& c : cases) {
    const auto result = Call(rt::SplitText, {rt::TextArg(c.text.c_str()), OptionalText(c.separator),
                                             OptionalInt(c.maximum)});
    EXPECT_EQ(TakeTextArray(result), c.parts) << "'" << c.text << "'";
  }
}

TEST(SplitText, SplitsLongTextsIntoManyParts) {
  std::string text;
  std::vector<std::string> parts;
  for (int i = 0; i < 50000; ++i) {
    parts.push_back(std::to_string(i) + kZhong);
    text += parts.back() + ",";
  }
  EXPECT_EQ(TakeTextArray(Call(rt::SplitText, {rt::TextArg(text.c_str()), rt::kOmitted, rt::kOmitted})), parts);
}

// A lead byte forms a character only with a byte that can follow it: a
// trail byte, or digit-lead-digit of a four-byte GB18030 sequence. Every
// other lead byte is a character of its own, and the four commands agree.
struct SteppingCase {
  const char* name;
  std::string text, sought;
  int32_t first, last;
  std::string replaced;  // every match replaced by "|"
  std::vector<std::string> parts;
};

TEST(TextCommands, StepOverLoneLeadBytesAndFourByteSequencesAlike) {
  const std::string marker = Gbk("#换行符");
  const SteppingCase cases[] = {
      {"lead_before_marker", "\xD6" + marker + "\xD0", marker, 2, 2, "\xD6|\xD0", {"\xD6", "\xD0"}},
      {"lead_before_ascii", "\xD6#a#", "#", 2, 4, "\xD6|a|", {"\xD6", "a"}},
      {"lead_before_del", "\x81\x7F\x81", "\x7F", 2, 2, "\x81|\x81", {"\x81", "\x81"}},
      {"lead_before_terminator", "ab\xD6", "\xD6", 3, 3, "ab|", {"ab"}},
      {"euro_sign_alone", "\x80" + kZhong, kZhong, 2, 2, "\x80|", {"\x80"}},
      {"ff_alone", "\xFF#", "#", 2, 2, "\xFF|", {"\xFF"}},
      {"inside_four_bytes", "\x82\x30\x81\x30", "\x81\x30", -1, -1, "\x82\x30\x81\x30", {"\x82\x30\x81\x30"}},
      {"after_four_bytes", "\x81\x30\x81\x30#", "#", 5, 5, "\x81\x30\x81\x30|", {"\x81\x30\x81\x30"}},
      {"lead_digit_ascii", "\x81\x30#", "0", 2, 2, "\x81|#", {"\x81", "#"}},
      {"lead_digit_lead_ascii", "\x81\x30\x81#", "#", 4, 4, "\x81\x30\x81|", {"\x81\x30\x81"}},
      {"lead_digit_lead_terminator", "\x81\x30\x81", "\x81", 1, 3, "|0|", {"", "0"}},
  };
  for (const SteppingCase& c : cases) {
    SCOPED_TRACE(c.name);
    const rt::ArgRecord text = rt::TextArg(c.text.c_str()), sought = rt::TextArg(c.sought.c_str());
    for (const rt::ArgRecord ignore_case : {rt::kOmitted, rt::BoolArg(true)}) {
      EXPECT_EQ(int32_t(Call(rt::FindText, {text, sought, rt::kOmitted, ignore_case}).low()), c.first);
      EXPECT_EQ(int32_t(Call(rt::FindTextReverse, {text, sought, rt::kOmitted, ignore_case}).low()), c.last);
      const rt::ArgRecord case_sensitive = rt::BoolArg(ignore_case.tag == 0);
      EXPECT_EQ(TakeText(Call(rt::ReplaceSubtext, {text, sought, rt::TextArg("|"), rt::kOmitted, rt::kOmitted,
                                                   case_sensitive})),
                c.replaced);
    }
    EXPECT_EQ(TakeTextArray(Call(rt::SplitText, {text, sought, rt::kOmitted})), c.parts);
  }
  // A backward region reads its last character on into the text: here a lone
  // lead byte, then the "#" the region ends with.
  EXPECT_EQ(int32_t(Call(rt::FindTextReverse, {rt::TextArg("\xD6#x"), rt::TextArg("#"), rt::IntArg(3),
                                               rt::kOmitted}).low()), 2);
  EXPECT_EQ(int32_t(Call(rt::FindTextReverse, {rt::TextArg("\x82\x30\x81\x30"), rt::TextArg("\x30"),
                                               rt::IntArg(3), rt::kOmitted}).low()), -1);
}

TEST(TextCommands, ReadShortArgumentListsAsOmitted) {
  const rt::ArgRecord args[] = {rt::TextArg("a,bXb"), rt::TextArg("b")};
  EXPECT_EQ(int32_t(rt::CallCommand(rt::FindText, 2, args).low()), 3);
  EXPECT_EQ(int32_t(rt::CallCommand(rt::FindTextReverse, 2, args).low()), 5);
  EXPECT_EQ(TakeText(rt::CallCommand(rt::ReplaceSubtext, 2, args)), "a,X");
  EXPECT_EQ(TakeTextArray(rt::CallCommand(rt::SplitText, 1, args)), (std::vector<std::string>{"a", "bXb"}));
  EXPECT_EQ(TakeText(rt::CallCommand(rt::LeftText, 1, args)), "");
}

TEST(TextCommands, LeaveConstantArgumentsAloneAndReturnOwnedCopies) {
  static char block[] = "abc\0,\0X";
  rt::SetConstantBlock(block, sizeof block);
  const char* text = block;
  const char* comma = block + 4;
  const rt::ResultRecord results[] = {
      Call(rt::LeftText, {rt::TextArg(text), rt::IntArg(10)}),
      Call(rt::RightText, {rt::TextArg(text), rt::IntArg(10)}),
      Call(rt::ReplaceSubtext, {rt::TextArg(text), rt::TextArg(comma), rt::kOmitted, rt::kOmitted,
                                rt::kOmitted, rt::BoolArg(true)}),
  };
  for (const rt::ResultRecord& r : results) {
    EXPECT_FALSE(rt::IsConstant(r.pointer<void>()));
    EXPECT_EQ(TakeText(r), "abc");
  }
  void* array = Call(rt::SplitText, {rt::TextArg(text), rt::TextArg(comma), rt::kOmitted}).pointer<void>();
  EXPECT_FALSE(rt::IsConstant(rt::ArrayPointerAt(array, 0)));
  rt::FreeArray(rt::ArrayOf(rt::tag::kText), array);
  rt::RuntimeFree(const_cast<char*>(text));  // freeing a constant does nothing
  EXPECT_STREQ(text, "abc");
  rt::ClearConstantBlock();
}

}  // namespace
