// Opening windows: creation order, placement, stacking, creation events and
// failures that leave nothing behind.
#include <QGroupBox>
#include <QGuiApplication>
#include <QImage>
#include <QPointer>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "runtime/notify.h"
#include "tests/forms/window_fixture.h"
#include "tests/test_support.h"

namespace forms_testing {
namespace {

using WindowBuilderTest = FormsTest;

TEST_F(WindowBuilderTest, WindowAloneOpensCentredWithItsStoredSizeAndNoControls) {
  Open({WindowUnit()});
  QWidget* window = WidgetOf(0);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->size(), QSize(300, 200));
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_EQ(window->pos(), area.topLeft() + QPoint((area.width() - 300) / 2, (area.height() - 200) / 2));
  EXPECT_EQ(window->windowTitle(), "Test");
  EXPECT_TRUE(window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty());
}

TEST_F(WindowBuilderTest, StoredPositionIsUsedWhenNotCentred) {
  forms::WindowSettings settings;
  settings.position = 0;
  Open({WindowUnit(settings)});
  EXPECT_EQ(WidgetOf(0)->pos(), QPoint(50, 50));
}

TEST_F(WindowBuilderTest, ChildOfGroupBoxMovesIntoItKeepingItsCoordinates) {
  forms::GroupBoxSettings group;
  group.caption = testing_support::Gbk("常用表达式");
  UnitRecord child = Button(0x16010002, "in", 3);
  child.parent_id = 0x16010003;
  UnitRecord box = Unit(kGroupBoxKindCode, 0x16010003, forms::WriteSettings(group), {100, 20, 150, 120},
                        UnitRecord::kVisible);
  box.children = {0x16010002};
  Open({WindowUnit(), child, box});
  auto* group_box = qobject_cast<QGroupBox*>(WidgetOf(0x16010003));
  ASSERT_NE(group_box, nullptr);
  EXPECT_EQ(group_box->title(), QString::fromUtf8("常用表达式"));
  QWidget* button = WidgetOf(0x16010002);
  EXPECT_EQ(button->parentWidget(), group_box);
  EXPECT_EQ(button->geometry(), QRect(3, 10, 60, 24));
  EXPECT_TRUE(button->isVisible());
}

TEST_F(WindowBuilderTest, SiblingsStackInTemplateOrderWithTheFirstOnTop) {
  Open({WindowUnit(), Button(0x16010001, "a", 10), Button(0x16010002, "b", 20), Button(0x16010003, "c", 30)});
  // Qt keeps siblings bottom to top in children().
  const QList<QWidget*> bottom_to_top = WidgetOf(0)->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  EXPECT_EQ(bottom_to_top, (QList<QWidget*>{WidgetOf(0x16010003), WidgetOf(0x16010002), WidgetOf(0x16010001)}));
}

TEST_F(WindowBuilderTest, CreationEventsRunZeroThreeFourUnsuppressedBeforeTheFirstShow) {
  Open({WindowUnit({}, {{4, 2}, {0, 0}, {3, 1}})});
  ASSERT_EQ(Calls().size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(Calls()[size_t(i)].handler, i);
    EXPECT_FALSE(Calls()[size_t(i)].window_visible);
  }
  EXPECT_FALSE(rt::EventsSuppressed());
}

TEST_F(WindowBuilderTest, LabelPaintsItsBackgroundAndCaption) {
  forms::LabelSettings label;
  label.background = 0x0000FF;  // red, stored as 0x00BBGGRR
  label.caption = "Wide caption text";
  Open({WindowUnit(), Unit(kLabelKindCode, 0x16010001, forms::WriteSettings(label), {10, 10, 200, 24},
                           UnitRecord::kVisible)});
  const QImage image = WidgetOf(0x16010001)->grab().toImage();
  EXPECT_EQ(image.pixelColor(0, 0), QColor(255, 0, 0));
  int text_pixels = 0;
  for (int x = 0; x < image.width(); ++x)
    text_pixels += image.pixelColor(x, image.height() / 2) != QColor(255, 0, 0);
  EXPECT_GT(text_pixels, 0);
}

TEST_F(WindowBuilderTest, HiddenControlsStayHiddenAndDisabledOnesDisabled) {
  UnitRecord hidden = Button(0x16010001, "h", 10);
  hidden.flags = UnitRecord::kTabStop;
  UnitRecord disabled = Button(0x16010002, "d", 20);
  disabled.flags |= UnitRecord::kDisabled;
  Open({WindowUnit(), hidden, disabled});
  EXPECT_FALSE(WidgetOf(0x16010001)->isVisible());
  EXPECT_FALSE(WidgetOf(0x16010002)->isEnabled());
}

TEST_F(WindowBuilderTest, OpeningAnOpenWindowKeepsTheSameWidgets) {
  Open({WindowUnit({}, {{0, 0}})});
  QWidget* first = WidgetOf(0);
  EXPECT_TRUE(rt::GetWindowHost()->OpenWindow(kWindowId));
  EXPECT_EQ(WidgetOf(0), first);
  EXPECT_EQ(Calls().size(), 1u);
}

TEST_F(WindowBuilderTest, OpeningFailsAndLeavesNothingWhenAControlCannotBeCreated) {
  forms::ButtonSettings future;
  future.version = forms::ButtonSettings::kHighestVersion + 1;
  const struct {
    const char* name;
    UnitRecord unit;
  } cases[] = {
      {"unknown kind", Unit(0x0001007F, 0x16010001, {}, {0, 0, 10, 10})},
      {"settings version too high", Unit(kButtonKindCode, 0x16010001, forms::WriteSettings(future), {0, 0, 10, 10})},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Load({Window({WindowUnit({}, {{0, 0}}), Button(0x16010002, "ok", 10), c.unit})});
    EXPECT_FALSE(rt::GetWindowHost()->OpenWindow(kWindowId));
    EXPECT_FALSE(rt::GetWindowHost()->AnyWindowAlive());
    EXPECT_EQ(rt::GetWindowHost()->LiveObject(kWindowId, 0x16010002), nullptr);
    EXPECT_FALSE(rt::EventsSuppressed());
    EXPECT_TRUE(Calls().empty());
  }
}

TEST_F(WindowBuilderTest, UnknownOrIllFormedWindowIdDoesNotOpen) {
  Load({Window({WindowUnit()})});
  for (uint32_t id : {0x52010002u, 0x50000001u, 0x52000000u})
    EXPECT_FALSE(rt::GetWindowHost()->OpenWindow(id)) << std::hex << id;
}

TEST_F(WindowBuilderTest, AppearanceWriteRebuildsTheControlInItsPlaceKeepingItsText) {
  constexpr uint32_t kBox = 0x16010002;
  constexpr int32_t kText = 8, kMultiLine = 15;
  Open({WindowUnit(), Button(0x16010001, "a", 10), Unit(rt::tag::kEditBox, kBox, {}, {10, 40, 120, 60}),
        Button(0x16010003, "c", 30)});
  const std::string text = "kept";
  rt::GetWindowHost()->WriteProperty(kWindowId, kBox, kText, -1, uint64_t(uintptr_t(text.c_str())));
  QPointer<QWidget> old = WidgetOf(kBox);
  rt::GetWindowHost()->WriteProperty(kWindowId, kBox, kMultiLine, -1, 1);
  auto* box = qobject_cast<QPlainTextEdit*>(WidgetOf(kBox));
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(old.isNull());
  EXPECT_EQ(box->toPlainText(), "kept");
  EXPECT_TRUE(box->isVisible());
  const QList<QWidget*> bottom_to_top = WidgetOf(0)->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  EXPECT_EQ(bottom_to_top, (QList<QWidget*>{WidgetOf(0x16010003), box, WidgetOf(0x16010001)}));
  EXPECT_FALSE(rt::EventsSuppressed());
}

// A handler of the box's own change event that rebuilds the box while the
// box is still inside the signal that raised the event.
void MakeTheBoxMultiLine() { rt::GetWindowHost()->WriteProperty(kWindowId, 0x16010001, 15, -1, 1); }
const rt::Procedure kRebuildingProcedures[] = {&MakeTheBoxMultiLine};
const rt::ProcedureTable kRebuildingCode{kRebuildingProcedures, 1};

TEST_F(WindowBuilderTest, ARebuildFromTheControlsOwnHandlerLetsTheOldWidgetFinish) {
  Load({Window({WindowUnit(), Unit(rt::tag::kEditBox, 0x16010001, {}, {10, 10, 120, 24}, kVisibleTabStop, {{0, 0}})})},
       &kRebuildingCode);
  ASSERT_TRUE(rt::GetWindowHost()->OpenWindow(kWindowId));
  QWidget* single_line = WidgetOf(0x16010001);
  QTest::keyClick(single_line, Qt::Key_A);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  auto* box = qobject_cast<QPlainTextEdit*>(WidgetOf(0x16010001));
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->toPlainText(), "a");
}

// Input already waiting when a window opens reaches handlers only once the
// window is whole, from the message loop.
TEST_F(WindowBuilderTest, InputWaitingWhileAWindowIsBuiltIsDeliveredOnlyAfterwards) {
  static int delivered;
  delivered = 0;
  QMetaObject::invokeMethod(QCoreApplication::instance(), [] { ++delivered; }, Qt::QueuedConnection);
  Open({WindowUnit()});
  rt::RuntimeNotify(rt::notify::kSuppressEvents, 0, 0);
  rt::RuntimeNotify(rt::notify::kResumeEvents, 0, 0);
  EXPECT_EQ(delivered, 0);
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(delivered, 1);
}

// Opens the test window (300 x 200, centred) on a screen whose area starts at
// (200, 100) and prints where it landed.
void OpenOnAScreenAwayFromTheOrigin() {
  Load({Window({WindowUnit()})});
  rt::GetWindowHost()->OpenWindow(kWindowId);
  const QPoint at = WidgetOf(0)->pos();
  std::fprintf(stderr, "window at %d,%d\n", at.x(), at.y());
  std::_Exit(0);
}

TEST(WindowPlacementDeathTest, CentresInTheAreaOfAScreenAwayFromTheOrigin) {
  const std::string config = testing::TempDir() + "offset_screen.json";
  std::ofstream(config) << R"({"screens": [{"name": "offset", "x": 200, "y": 100, "width": 1000, "height": 800}]})";
  setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).c_str(), 1);
  EXPECT_EXIT(OpenOnAScreenAwayFromTheOrigin(), testing::ExitedWithCode(0), "window at 550,400");
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

void LoadTruncatedTemplate() {
  testing_support::PrintMessageBoxesToStderr();
  const uint8_t truncated[] = {8, 0, 0, 0, 1};
  forms::InstallWindowHost();
  rt::GetWindowHost()->LoadTemplates(truncated, sizeof truncated, &kCode);
}

TEST(TemplateLoaderDeathTest, DamagedDataOrAHandlerPastTheTableEndsTheProgram) {
  EXPECT_EXIT(LoadTruncatedTemplate(), testing::ExitedWithCode(255), "载入窗口模板数据段出错!");
  EXPECT_EXIT(
      {
        testing_support::PrintMessageBoxesToStderr();
        Load({Window({WindowUnit({}, {{0, kCode.count}})})});
      },
      testing::ExitedWithCode(255), "载入窗口模板数据段出错!");
}

TEST(TemplateLoaderTest, HandlerOffsetZeroIsTheFirstProcedure) {
  Calls().clear();
  Load({Window({WindowUnit({}, {{0, 0}, {3, rt::kNoHandler}})})});
  ASSERT_TRUE(rt::GetWindowHost()->OpenWindow(kWindowId));
  ASSERT_EQ(Calls().size(), 1u);
  EXPECT_EQ(Calls()[0].handler, 0);
  forms::WindowRegistry::Instance().Clear();
}

}  // namespace
}  // namespace forms_testing
