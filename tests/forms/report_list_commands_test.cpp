// The report list's row commands through the command call, the missing-list
// error, and the extended-UI library record.
#include "forms/kinds/report_list_commands.h"
#include "forms/kinds/report_list.h"
#include "forms/kinds/report_list_library.h"
#include "runtime/call.h"
#include "runtime/notify.h"
#include "runtime/values.h"
#include "tests/forms/kind_harness.h"
#include "tests/test_support.h"

namespace kinds_testing {
namespace {

using testing_support::Gbk;
constexpr uint32_t kReportListCode = rt::tag::kReportList;

class ListCommandsTest : public KindTest {
 protected:
  void SetUp() override {
    KindTest::SetUp();
    forms::ReportListSettings settings;
    settings.columns = {{0, -1, 0, 170, ""}, {0, -1, 0, 0, ""}};
    OpenWith(kReportListCode, forms::WriteSettings(settings), {3, 13, 187, 200});
  }
  static rt::ArgRecord List(uint32_t control_id = kControlId) {
    return rt::ControlArg(kWindowId, control_id, kReportListCode);
  }
  static int32_t Insert(rt::ArgRecord position, const char* text) {
    const rt::ArgRecord args[] = {List(), position, rt::TextArg(text), rt::kOmitted,
                                  rt::kOmitted, rt::kOmitted, rt::kOmitted};
    return int32_t(rt::CallCommand(forms::ListInsertItem, 7, args).low());
  }
  static int32_t Append() {
    const rt::ArgRecord args[7] = {List()};
    return int32_t(rt::CallCommand(forms::ListInsertItem, 7, args).low());
  }
  static void SetText(int32_t row, rt::ArgRecord column, const char* text) {
    const rt::ArgRecord args[] = {List(), rt::IntArg(row), column, rt::TextArg(text)};
    rt::CallCommand(forms::ListSetItemText, 4, args);
  }
  // ListGetItemText with the result freed; "<null>" for null.
  static std::string GetText(int32_t row, rt::ArgRecord column = rt::kOmitted) {
    const rt::ArgRecord args[] = {List(), rt::IntArg(row), column};
    char* text = rt::CallCommand(forms::ListGetItemText, 3, args).pointer<char>();
    std::string copy = text ? text : "<null>";
    rt::RuntimeFree(text);
    return copy;
  }
  static std::string Column0() {
    std::string rows;
    for (int32_t row = 0;; ++row) {
      const std::string text = GetText(row);
      if (text == "<null>") return rows;
      rows += text;
    }
  }
};

TEST_F(ListCommandsTest, AppendsReturnConsecutiveRowNumbers) {
  for (int32_t expected = 0; expected < 4; ++expected) EXPECT_EQ(Append(), expected);
  EXPECT_EQ(EventCount(), 0);
}

TEST_F(ListCommandsTest, InsertPositionRules) {
  Insert(rt::kOmitted, "a");
  Insert(rt::kOmitted, "b");
  const struct { rt::ArgRecord position; const char* text; int32_t row; const char* order; } cases[] = {
      {rt::IntArg(0), "c", 0, "cab"},   {rt::IntArg(2), "d", 2, "cadb"},
      {rt::IntArg(99), "e", 4, "cadbe"}, {rt::IntArg(-3), "f", 5, "cadbef"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Insert(c.position, c.text), c.row) << c.text;
    EXPECT_EQ(Column0(), c.order);
  }
}

TEST_F(ListCommandsTest, SetTextChangesExistingCellsOnly) {
  Append();
  SetText(0, rt::kOmitted, "name");
  SetText(0, rt::IntArg(1), "pattern");
  SetText(1, rt::kOmitted, "no row");
  SetText(0, rt::IntArg(2), "no column");
  SetText(0, rt::IntArg(-1), "no column");
  EXPECT_EQ(GetText(0), "name");
  EXPECT_EQ(GetText(0, rt::IntArg(1)), "pattern");
  EXPECT_EQ(forms_testing::Registered().tmpl.units.size(), 2u);
  EXPECT_EQ(ControlAs<forms::ReportListControl>().RowCount(), 1);
  const rt::ArgRecord null_text[] = {List(), rt::IntArg(0), rt::kOmitted, {0, rt::tag::kText}};
  rt::CallCommand(forms::ListSetItemText, 4, null_text);
  EXPECT_EQ(GetText(0), "<null>");
}

TEST_F(ListCommandsTest, GetTextGivesLongAndHiddenTextsWholeAndNullWhenMissing) {
  Append();
  const std::string long_pattern = Gbk("^[\u4e00-\u9fa5]") + std::string(600, 'w') + "\xB0";
  SetText(0, rt::IntArg(1), long_pattern.c_str());
  EXPECT_EQ(GetText(0, rt::IntArg(1)), long_pattern);
  EXPECT_EQ(GetText(0), "<null>");  // empty cell
  EXPECT_EQ(GetText(1), "<null>");
  EXPECT_EQ(GetText(-1), "<null>");
  EXPECT_EQ(GetText(0, rt::IntArg(5)), "<null>");
}

TEST_F(ListCommandsTest, MissingListIsTheRunTimeError) {
  testing_support::PrintMessageBoxesToStderr();
  const rt::ArgRecord args[7] = {List(0x16019999)};
  EXPECT_EXIT(rt::CallCommand(forms::ListInsertItem, 7, args), testing::ExitedWithCode(255),
              "指定窗口或窗口组件不存在或尚未载入");
  const rt::ArgRecord combo_instead[7] = {rt::ControlArg(kWindowId, 0, kReportListCode)};
  EXPECT_EXIT(rt::CallCommand(forms::ListInsertItem, 7, combo_instead), testing::ExitedWithCode(255),
              "指定窗口或窗口组件不存在或尚未载入");
}

TEST(ReportListLibraryTest, RecordListsTheReportListAsTypeFourAndThreeCommands) {
  const rt::LibraryInfo& library = ReportListLibrary();
  ASSERT_EQ(library.type_count, 5u);
  EXPECT_EQ(std::string(library.types[3].display_name), Gbk("超级列表框"));
  ASSERT_EQ(library.command_count, 3u);
  EXPECT_EQ(library.commands[forms::kListInsertItem], &forms::ListInsertItem);
  EXPECT_EQ(library.commands[forms::kListSetItemText], &forms::ListSetItemText);
  EXPECT_EQ(library.commands[forms::kListGetItemText], &forms::ListGetItemText);
  EXPECT_EQ(library.notify(1, reinterpret_cast<intptr_t>(&rt::RuntimeNotify), 0), 0);
}

}  // namespace
}  // namespace kinds_testing
