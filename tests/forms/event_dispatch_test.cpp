// The event path from a control to the bound handler: bindings, event-source
// links, suppression, nesting and the result fields.
#include <QPushButton>
#include <QTest>
#include <stdexcept>

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

TEST_F(EventDispatchTest, ClickRunsTheFirstMatchingBindingAndLinkedUnitsShareIt) {
  for (uint32_t clicked : {kFirst, kSecond}) {
    Calls().clear();
    Click(clicked);
    ASSERT_EQ(Calls().size(), 1u) << std::hex << clicked;
    EXPECT_EQ(Calls()[0].handler, 1) << std::hex << clicked;
  }
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
// itself, then records whether it still counts as running.
bool g_running_after_nested = false;
void RaiseSecondThenRecord() {
  forms::EventRecord inner{kWindowId, kSecond, 0};
  forms::DispatchEvent(inner);
  g_running_after_nested = forms::HandlerRunning();
}
[[noreturn]] void Throw() { throw std::runtime_error("handler failed"); }
const rt::Procedure kNestingProcedures[] = {&RaiseSecondThenRecord, &Handler<1>, &Throw};
const rt::ProcedureTable kNestingCode{kNestingProcedures, 3};

class NestedEventTest : public FormsTest {
 protected:
  void SetUp() override {
    FormsTest::SetUp();
    Load({Window({WindowUnit(), Button(kFirst, "outer", 10, {{0, 0}}), Button(kSecond, "inner", 80, {{0, 1}}),
                  Button(kUnbound, "throws", 150, {{0, 2}})})},
         &kNestingCode);
    ASSERT_TRUE(rt::GetWindowHost()->OpenWindow(kWindowId));
  }
};

TEST_F(NestedEventTest, TheOuterHandlerStillRunsAfterANestedOneReturned) {
  QTest::mouseClick(WidgetOf(kFirst), Qt::LeftButton);
  ASSERT_EQ(Calls().size(), 1u);
  EXPECT_EQ(Calls()[0].handler, 1);
  EXPECT_TRUE(g_running_after_nested);
  EXPECT_FALSE(forms::HandlerRunning());
}

// A close waits for the running handler; after one that threw there is none.
TEST_F(NestedEventTest, AHandlerThatThrowsNoLongerHoldsBackAClose) {
  forms::EventRecord record{kWindowId, kUnbound, 0};
  EXPECT_THROW(forms::DispatchEvent(record), std::runtime_error);
  EXPECT_FALSE(forms::HandlerRunning());
  WidgetOf(0)->close();
  EXPECT_FALSE(rt::GetWindowHost()->AnyWindowAlive());
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
