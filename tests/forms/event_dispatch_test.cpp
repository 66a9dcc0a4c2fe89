// The event path from a control to the bound handler: bindings, event-source
// links, suppression, the current event source and the result fields.
#include <QPushButton>
#include <QTest>

#include "tests/forms/window_fixture.h"
#include "tests/test_support.h"

namespace forms_testing {
namespace {

constexpr uint32_t kFirst = 0x16010001, kSecond = 0x16010002, kUnbound = 0x16010003;

class EventDispatchTest : public FormsTest {
 protected:
  void SetUp() override {
    FormsTest::SetUp();
    UnitRecord second = Button(kSecond, "second", 80);
    second.event_source = kFirst;  // shares the first button's handlers
    Open({WindowUnit(), Button(kFirst, "first", 10, {{0, 1}, {0, 2}}), second, Button(kUnbound, "none", 150)});
    Calls().clear();
  }
  static void Click(uint32_t id) { QTest::mouseClick(WidgetOf(id), Qt::LeftButton); }
};

TEST_F(EventDispatchTest, ClickRunsTheFirstMatchingBindingWithItsSource) {
  Click(kFirst);
  ASSERT_EQ(Calls().size(), 1u);
  EXPECT_EQ(Calls()[0].handler, 1);
  EXPECT_EQ(Calls()[0].source.window_id, kWindowId);
  EXPECT_EQ(Calls()[0].source.control_id, kFirst);
  EXPECT_EQ(forms::CurrentEventSource().window_id, 0u);
}

TEST_F(EventDispatchTest, LinkedUnitUsesTheHandlersOfItsSourceButReportsItself) {
  Click(kSecond);
  ASSERT_EQ(Calls().size(), 1u);
  EXPECT_EQ(Calls()[0].handler, 1);
  EXPECT_EQ(Calls()[0].source.control_id, kSecond);
}

TEST_F(EventDispatchTest, ResultFieldsAreSetOnlyWhenAHandlerRan) {
  const struct { uint32_t control; int32_t event; uint32_t result_present; } cases[] = {
      {kFirst, 0, 1}, {kFirst, 1, 0}, {kUnbound, 0, 0}, {0, 0, 0},
  };
  for (const auto& c : cases) {
    forms::EventRecord record;
    record.window_id = kWindowId;
    record.control_id = c.control;
    record.event = c.event;
    forms::DispatchEvent(record);
    EXPECT_EQ(record.result_present, c.result_present) << std::hex << c.control << " event " << c.event;
  }
  EXPECT_EQ(Calls().size(), 1u);
}

TEST_F(EventDispatchTest, NothingReachesAHandlerWhileEventsAreSuppressed) {
  rt::SuppressEvents();
  Click(kFirst);
  forms::EventRecord record{kWindowId, kFirst, 0};
  forms::DispatchEvent(record);
  rt::ResumeEvents();
  EXPECT_TRUE(Calls().empty());
  Click(kFirst);
  EXPECT_EQ(Calls().size(), 1u);
}

// A handler of the first button that raises the second button's event inside
// itself, then records which source is current once that handler returned.
forms::EventSource g_source_after_nested;
void RaiseSecondThenRecord() {
  forms::EventRecord inner{kWindowId, kSecond, 0};
  forms::DispatchEvent(inner);
  g_source_after_nested = forms::CurrentEventSource();
}
const rt::Procedure kNestingProcedures[] = {&RaiseSecondThenRecord, &Handler<1>};
const rt::ProcedureTable kNestingCode{kNestingProcedures, 2};

using NestedEventTest = FormsTest;

TEST_F(NestedEventTest, TheOuterSourceIsCurrentAgainAfterANestedHandler) {
  Load({Window({WindowUnit(), Button(kFirst, "outer", 10, {{0, 0}}), Button(kSecond, "inner", 80, {{0, 1}})})},
       &kNestingCode);
  ASSERT_TRUE(rt::GetWindowHost()->OpenWindow(kWindowId));
  QTest::mouseClick(WidgetOf(kFirst), Qt::LeftButton);
  ASSERT_EQ(Calls().size(), 1u);
  EXPECT_EQ(Calls()[0].source.control_id, kSecond);
  EXPECT_EQ(g_source_after_nested.window_id, kWindowId);
  EXPECT_EQ(g_source_after_nested.control_id, kFirst);
  EXPECT_EQ(forms::CurrentEventSource().window_id, 0u);
}

TEST(EventDispatchDeathTest, EventsOfUnknownWindowsOrControlsAreRunTimeErrors) {
  const auto dispatch = [](uint32_t window_id, uint32_t control_id) {
    testing_support::PrintMessageBoxesToStderr();
    Load({Window({WindowUnit(), Button(kFirst, "b", 10)})});
    forms::EventRecord record{window_id, control_id, 0};
    forms::DispatchEvent(record);
  };
  EXPECT_EXIT(dispatch(0x52010002, kFirst), testing::ExitedWithCode(255), "未找到引发事件的窗口\r?\n");
  EXPECT_EXIT(dispatch(kWindowId, 0x16019999), testing::ExitedWithCode(255), "未找到引发事件的窗口组件");
}

}  // namespace
}  // namespace forms_testing
