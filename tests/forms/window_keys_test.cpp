// The window's keyboard rules and closing: Tab order, Enter and default
// buttons, Esc closing the window and the unload bookkeeping.
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "runtime/lifecycle.h"
#include "tests/forms/window_fixture.h"

namespace forms_testing {
namespace {

constexpr uint32_t kA = 0x16010001, kB = 0x16010002, kC = 0x16010003, kD = 0x16010004;

class WindowKeysTest : public FormsTest {
 protected:
  // Four buttons; the first is the default button when default_first is set.
  void OpenButtons(forms::WindowSettings settings = {}, uint32_t default_type = 0) {
    UnitRecord no_tab_stop = Button(kB, "b", 80, {{0, 2}});
    no_tab_stop.flags = UnitRecord::kVisible;
    UnitRecord disabled = Button(kD, "d", 220);
    disabled.flags |= UnitRecord::kDisabled;
    Open({WindowUnit(settings), Button(kA, "a", 10, {{0, 1}}, default_type), no_tab_stop,
          Button(kC, "c", 150, {{0, 3}}), disabled});
    WidgetOf(kA)->setFocus();
    Calls().clear();
  }
  // The key as the window's focus widget receives it.
  static void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(Focus(), key, modifiers);
  }
  static QWidget* Focus() { return WidgetOf(0)->focusWidget(); }
};

TEST_F(WindowKeysTest, TabVisitsEnabledTabStopsInTemplateOrderAndWraps) {
  OpenButtons();
  Key(Qt::Key_Tab);
  EXPECT_EQ(Focus(), WidgetOf(kC));
  Key(Qt::Key_Tab);
  EXPECT_EQ(Focus(), WidgetOf(kA));
  Key(Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(Focus(), WidgetOf(kC));
}

TEST_F(WindowKeysTest, EnterPressesTheFirstEnabledDefaultButton) {
  OpenButtons({}, 1);
  WidgetOf(kC)->setFocus();
  Key(Qt::Key_Return);
  ASSERT_EQ(Calls().size(), 1u);
  EXPECT_EQ(Calls()[0].handler, 1);
}

TEST_F(WindowKeysTest, EnterWithoutDefaultButtonDoesNothingNotEvenToTheFocusedButton) {
  OpenButtons();
  Key(Qt::Key_Return);
  EXPECT_TRUE(Calls().empty());
  EXPECT_EQ(Focus(), WidgetOf(kA));
}

TEST_F(WindowKeysTest, EnterMovesTheFocusWhenTheWindowSaysSo) {
  forms::WindowSettings settings;
  settings.enter_moves_focus = 1;
  OpenButtons(settings);
  Key(Qt::Key_Enter);
  EXPECT_EQ(Focus(), WidgetOf(kC));
  EXPECT_TRUE(Calls().empty());
}

TEST_F(WindowKeysTest, MultiLineEditBoxKeepsEnterUnlessReadOnly) {
  const struct { uint32_t input_mode; size_t default_presses; } cases[] = {{0, 0}, {1, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.input_mode);
    forms::EditBoxSettings edit;
    edit.multi_line = 1;
    edit.input_mode = c.input_mode;  // 1 = read-only
    Open({WindowUnit(), Button(kA, "default", 10, {{0, 1}}, 1),
          Unit(rt::tag::kEditBox, kB, forms::WriteSettings(edit), {10, 50, 200, 80})});
    WidgetOf(kB)->setFocus();
    Calls().clear();
    Key(Qt::Key_Return);
    EXPECT_EQ(Calls().size(), c.default_presses);
    forms::WindowRegistry::Instance().Clear();
  }
}

TEST_F(WindowKeysTest, EscClosesTheWindowAndRestoresItsUnitsForTheNextOpening) {
  OpenButtons();
  rt::GetWindowHost()->WriteProperty(kWindowId, kA, 2, -1, 99);
  Key(Qt::Key_Escape);
  EXPECT_FALSE(rt::GetWindowHost()->AnyWindowAlive());
  EXPECT_EQ(rt::GetWindowHost()->LiveObject(kWindowId, kA), nullptr);
  EXPECT_EQ(Registered().tmpl.units[1].width, 60);
  ASSERT_TRUE(rt::GetWindowHost()->OpenWindow(kWindowId));
  EXPECT_EQ(WidgetOf(kA)->width(), 60);
}

TEST_F(WindowKeysTest, EscDoesNotCloseWhenTheWindowDoesNotSaySo) {
  forms::WindowSettings settings;
  OpenButtons(settings);
  rt::GetWindowHost()->WriteProperty(kWindowId, 0, 22, -1, 0);
  Key(Qt::Key_Escape);
  EXPECT_TRUE(rt::GetWindowHost()->AnyWindowAlive());
}

TEST_F(WindowKeysTest, AButtonHandlerClosingTheWindowUnloadsItAfterReturning) {
  Open({WindowUnit(), Button(kA, "close", 10, {{0, kCloseWindowHandler}})});
  QTest::mouseClick(WidgetOf(kA), Qt::LeftButton);
  EXPECT_FALSE(WidgetOf(0) != nullptr && WidgetOf(0)->isVisible());
  QCoreApplication::sendPostedEvents();
  EXPECT_FALSE(rt::GetWindowHost()->AnyWindowAlive());
  EXPECT_EQ(rt::GetWindowHost()->LiveObject(kWindowId, kA), nullptr);
}

TEST(WindowUnloadDeathTest, ClosingTheLastWindowEndsTheLoopOfAnEndingProgram) {
  EXPECT_EXIT(
      {
        Load({Window({WindowUnit()})});
        rt::GetWindowHost()->OpenWindow(kWindowId);
        QTimer::singleShot(0, [] { QTest::keyClick(WidgetOf(0), Qt::Key_Escape); });
        rt::EndProgram();  // runs the loop until the window is gone
        std::exit(rt::GetWindowHost()->AnyWindowAlive() ? 1 : 7);
      },
      testing::ExitedWithCode(7), "");
}

}  // namespace
}  // namespace forms_testing
