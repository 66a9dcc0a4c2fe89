// The preset list: its twenty rows, the hidden pattern column, copying a
// focused row into the pattern box, and what each preset matches.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/preset_catalogue.h"
#include "forms/kinds/report_list_commands.h"
#include "tests/app/workbench_driver.h"

namespace app_test {
namespace {

const char* const kLabels[] = {
    "Email地址", "网址URL", "手机号码", "电话号码", "国内电话号码", "身份证号", "腾讯QQ号",
    "中国邮政编码", "IPv4地址", "HTML标记", "双字节字符", "空白行", "年月日", "正整数",
    "负整数", "整数", "非负整数", "非正整数", "正浮点数", "负浮点数"};
constexpr int kRowCount = 20;
constexpr int kBlankLineRow = 11;

std::string Cell(int row, int column) {
  const rt::ArgRecord args[] = {rt::ControlArg(app::kMainWindow, control::kPresetList, rt::tag::kReportList),
                                rt::IntArg(row), rt::IntArg(column)};
  char* text = rt::Runtime().call_library_command(forms::ListGetItemText, 3, args).pointer<char>();
  std::string bytes = text ? text : "";
  rt::Runtime().free(text);
  return bytes;
}

class PresetListTest : public testing::Test {
 protected:
  void SetUp() override { OpenFreshWorkbench(); }
  testing_support::MessageBoxRecorder boxes;
};

// Moves the focused row with the keyboard: Home to the first row, then down.
void FocusPresetRowByKeys(int row) {
  QAbstractItemView* list = PresetList();
  list->setFocus();
  QTest::keyClick(list, Qt::Key_Home);
  for (int i = 0; i < row; ++i) QTest::keyClick(list, Qt::Key_Down);
}

TEST_F(PresetListTest, HoldsTheTwentyPresetsInOrderWithHiddenPatterns) {
  ASSERT_EQ(PresetList()->model()->rowCount(), kRowCount);
  for (int row = 0; row < kRowCount; ++row) {
    SCOPED_TRACE(kLabels[row]);
    EXPECT_EQ(Cell(row, 0), Gbk(kLabels[row]));
    EXPECT_FALSE(Cell(row, 1).empty());
  }
  EXPECT_EQ(Cell(0, 1), R"(^\w+([-+.]\w+)*@\w+([-.]\w+)*\.\w+([-.]\w+)*$)");
  EXPECT_EQ(Cell(kBlankLineRow, 1), R"(\n\s*\r)");
}

TEST_F(PresetListTest, FocusingARowCopiesItsPatternVerbatim) {
  TypeInto(control::kPattern, "typed by hand");
  ClickPresetRow(kBlankLineRow);
  EXPECT_EQ(BoxText(control::kPattern), R"(\n\s*\r)");
  EXPECT_EQ(BoxText(control::kPattern).size(), 7u);
}

TEST_F(PresetListTest, PutsOnePrefixInFrontWhileIgnoreCaseIsTicked) {
  Click(control::kIgnoreCase);
  ClickPresetRow(kBlankLineRow);
  EXPECT_EQ(BoxText(control::kPattern), R"((?i)\n\s*\r)");
  ClickPresetRow(0);
  ClickPresetRow(kBlankLineRow);
  EXPECT_EQ(BoxText(control::kPattern), R"((?i)\n\s*\r)");
}

TEST_F(PresetListTest, ClickingTheFocusedRowAgainKeepsAnEditedPattern) {
  ClickPresetRow(3);
  TypeInto(control::kPattern, "edited");
  ClickPresetRow(3);
  EXPECT_EQ(BoxText(control::kPattern), "edited");
}

struct SeparatorCase {
  const char* text;
  const char* separator;
  const char* before;
  const char* after;
};

TEST(SeparatorSplit, TakesTheTextBeforeTheFirstAndAfterTheLastSeparator) {
  OpenFreshWorkbench();
  const SeparatorCase cases[] = {
      {"腾讯QQ号：[1-9][0-9]{4,}", "：", "腾讯QQ号", "[1-9][0-9]{4,}"},
      {"a：b：c", "：", "a", "c"},
      {"no separator", "：", "", ""},
      {"：", "：", "", ""},
      {"ab,", ",", "ab", ""},
  };
  for (const SeparatorCase& c : cases) {
    const std::string text = Gbk(c.text), separator = Gbk(c.separator);
    SCOPED_TRACE(c.text);
    EXPECT_EQ(std::string(app::TextBeforeSeparator(text.c_str(), separator.c_str()).view()), Gbk(c.before));
    EXPECT_EQ(std::string(app::TextAfterSeparator(text.c_str(), separator.c_str()).view()), Gbk(c.after));
  }
}

TEST(SeparatorSplit, NeverFindsTheSeparatorAcrossTwoCharacters) {
  OpenFreshWorkbench();
  // Two double-byte characters whose middle bytes A3 BA are the bytes of "：".
  const char straddling[] = "\xB0\xA3\xBA\xB0";
  const std::string colon = Gbk("：");
  EXPECT_TRUE(app::TextBeforeSeparator(straddling, colon.c_str()).empty());
  EXPECT_TRUE(app::TextAfterSeparator(straddling, colon.c_str()).empty());
}

// Each preset against texts that its purpose says it must and must not match:
// the whole-match texts found, in order (none: "（没有匹配）").
struct PresetSample {
  int row;
  const char* source;
  std::vector<std::string_view> matches;
};

const PresetSample kSamples[] = {
    {0, "someone.name@example.com", {"someone.name@example.com"}},
    {0, "not an address", {}},
    {0, "a@b", {}},
    {1, "see https://example.org/x?y=1 now", {"https://example.org/x?y=1"}},
    {1, "no address here", {}},
    {2, "13812345678", {"13812345678"}},
    {2, "12812345678", {}},
    {2, "1381234567", {}},
    {3, "(010)12345678", {"(010)12345678"}},
    {3, "0571-1234567", {"0571-1234567"}},
    {3, "12345678", {"12345678"}},
    {3, "(010-12345678", {}},
    {3, "010-123456", {}},
    {4, "tel 010-12345678", {"010-12345678"}},
    {4, "0571-1234567", {"0571-1234567"}},
    {4, "12-345", {}},
    {5, "110105199001011234", {"110105199001011234"}},
    {5, "11010519900101123X", {"11010519900101123X"}},
    {5, "123456789012345", {"123456789012345"}},
    {5, "1234567890123456", {}},
    {6, "QQ 10001", {"10001"}},
    {6, "01234", {}},
    {7, "邮编100080", {"100080"}},
    {7, "1000801", {}},
    {8, "192.168.1.1", {"192.168.1.1"}},
    {8, "host", {}},
    {9, "<b>bold</b>", {"<b>", "</b>"}},
    {9, "a < b", {}},
    {10, "a中b文c", {"中", "文"}},
    {10, "x丂y", {"丂"}},  // a trail byte in the ASCII range stays with its character
    {10, "ascii only", {}},
    {12, "2024-02-28", {"2024-02-28"}},
    {12, "2024-13-01", {}},
    {12, "2024-02-30", {}},
    {13, "42", {"42"}},
    {13, "042", {}},
    {13, "-42", {}},
    {14, "-42", {"-42"}},
    {14, "42", {}},
    {15, "-7", {"-7"}},
    {15, "7", {"7"}},
    {15, "7.5", {}},
    {16, "0", {"0"}},
    {16, "15", {"15"}},
    {16, "-3", {}},
    {17, "-15", {"-15"}},
    {17, "0", {"0"}},
    {17, "15", {}},
    {18, "3.14", {"3.14"}},
    {18, "0.5", {"0.5"}},
    {18, "-3.14", {}},
    {19, "-3.14", {"-3.14"}},
    {19, "-0.5", {"-0.5"}},
    {19, "3.14", {}},
};

TEST_F(PresetListTest, FocusingARowByKeysCopiesItsPattern) {
  FocusPresetRowByKeys(kBlankLineRow);
  EXPECT_EQ(BoxText(control::kPattern), R"(\n\s*\r)");
}

TEST_F(PresetListTest, EveryPresetMatchesWhatItsLabelPromises) {
  for (const PresetSample& sample : kSamples) {
    SCOPED_TRACE(std::string(kLabels[sample.row]) + " on " + sample.source);
    FocusPresetRowByKeys(sample.row);
    TypeInto(control::kSource, sample.source);
    Click(control::kMatchButton);
    EXPECT_EQ(BoxText(control::kMatchReport), ExpectedReport(sample.matches));
  }
  EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(PresetListTest, BlankLineFindsAnEmptyLineOnly) {
  FocusPresetRowByKeys(kBlankLineRow);
  TypeInto(control::kSource, "a\n\nb");
  Click(control::kMatchButton);
  EXPECT_EQ(BoxText(control::kMatchReport).rfind(Gbk("共找到 1 处匹配："), 0), 0u);
  TypeInto(control::kSource, "a\nb");
  Click(control::kMatchButton);
  EXPECT_EQ(BoxText(control::kMatchReport), Gbk("（没有匹配）"));
}

}  // namespace
}  // namespace app_test
