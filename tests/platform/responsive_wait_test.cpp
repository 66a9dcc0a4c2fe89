// The responsive wait under the offscreen platform: when the progress box
// shows, the ways to cancel, what other windows may and may not do meanwhile,
// and work that throws.
#include "platform/responsive_wait.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QWindow>
#include <future>
#include <stdexcept>
#include <thread>

#include "tests/test_support.h"

namespace {

using namespace std::chrono_literals;
using platform::RunWhileResponsive;
using platform::WaitOutcome;

// Calls on_event for every event of one type that a widget receives.
class OnEvent : public QObject {
 public:
  OnEvent(QEvent::Type type, std::function<void(QWidget&)> on_event) : type_(type), on_event_(std::move(on_event)) {
    QCoreApplication::instance()->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* receiver, QEvent* event) override {
    if (event->type() == type_ && receiver->isWidgetType()) on_event_(*static_cast<QWidget*>(receiver));
    return false;
  }

 private:
  QEvent::Type type_;
  std::function<void(QWidget&)> on_event_;
};

void PostKey(QObject* target, int key, Qt::KeyboardModifiers modifiers = {}, const QString& text = {}) {
  QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, key, modifiers, text));
}

void PostClick(QWidget* target) {
  const QPointF at = target->rect().center();
  for (auto [type, buttons] : {std::pair{QEvent::MouseButtonPress, Qt::LeftButton},
                               std::pair{QEvent::MouseButtonRelease, Qt::NoButton}})
    QCoreApplication::postEvent(target, new QMouseEvent(type, at, target->mapToGlobal(at), Qt::LeftButton,
                                                        buttons, Qt::NoModifier));
}

void PostCloseRequest(QWidget& window) { QCoreApplication::postEvent(window.windowHandle(), new QCloseEvent); }

class ResponsiveWait : public testing::Test {
 protected:
  void SetUp() override { platform::SetProgressBoxDelay(0ms); }
  void TearDown() override {
    platform::SetProgressBoxDelay(300ms);
    release_.set_value();  // every held work ends before the next test
    for (auto& end : ends_) end.wait();
  }

  // Waits on work that lasts until the test ends; on_box runs once the box shows.
  WaitOutcome WaitOnHeldWork(std::function<void(QDialog&)> on_box) {
    OnEvent hook(QEvent::Show, [&](QWidget& w) {
      if (auto* box = qobject_cast<QDialog*>(&w)) on_box(*box);
    });
    auto ended = std::make_shared<std::promise<void>>();
    ends_.push_back(ended->get_future());
    return RunWhileResponsive([released = released_, ended] { released.wait_for(60s), ended->set_value(); },
                              cancel_, texts_);
  }
  bool LastWorkEnded() { return ends_.back().wait_for(0s) == std::future_status::ready; }

  const platform::WaitTexts texts_{testing_support::Gbk("正在查找…"), testing_support::Gbk("取消")};
  int cancels_ = 0;
  std::function<void()> cancel_ = [this] { ++cancels_; };
  std::promise<void> release_;
  std::shared_future<void> released_ = release_.get_future().share();
  std::vector<std::future<void>> ends_;
};

TEST_F(ResponsiveWait, WorkEndingBeforeTheDelayShowsNothing) {
  platform::SetProgressBoxDelay(1h);
  bool shown = false;
  OnEvent hook(QEvent::Show, [&](QWidget& w) { shown |= qobject_cast<QDialog*>(&w) != nullptr; });
  EXPECT_EQ(RunWhileResponsive([] { std::this_thread::sleep_for(50ms); }, cancel_, texts_), WaitOutcome::kFinished);
  EXPECT_FALSE(shown);
}

TEST_F(ResponsiveWait, EachCancelReturnsAtOnceAndASecondWaitWorks) {
  QWidget other;
  other.show();
  const std::tuple<const char*, std::function<void(QDialog&)>, bool> cancellers[] = {
      {"button", [](QDialog& box) { PostClick(box.findChild<QPushButton*>()); }, true},
      {"Esc", [](QDialog& box) { PostKey(&box, Qt::Key_Escape); }, true},
      {"close box", PostCloseRequest, true},
      {"another window's close request", [&](QDialog&) { PostCloseRequest(other); }, false},
  };
  for (const auto& [name, press, other_stays_open] : cancellers) {
    SCOPED_TRACE(name);
    cancels_ = 0;
    QStringList shown;
    const WaitOutcome outcome = WaitOnHeldWork([&](QDialog& box) {
      const QCursor* cursor = QApplication::overrideCursor();
      shown << box.findChild<QLabel*>()->text() << box.findChild<QPushButton*>()->text()
            << (cursor && cursor->shape() == Qt::BusyCursor ? "busy" : "");
      press(box);
    });
    EXPECT_EQ(outcome, WaitOutcome::kCancelled);
    EXPECT_EQ(cancels_, 1);
    EXPECT_FALSE(LastWorkEnded());
    EXPECT_EQ(shown, QStringList({"正在查找…", "取消", "busy"}));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(other.isVisible());  // a held close runs once the caller is back in the event loop
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(other.isVisible(), other_stays_open);
    bool ran = false;  // the first work still runs
    EXPECT_EQ(RunWhileResponsive([&ran] { ran = true; }, cancel_, texts_), WaitOutcome::kFinished);
    EXPECT_TRUE(ran);
  }
}

TEST_F(ResponsiveWait, OtherWindowsRepaintButTakeNoInput) {
  QWidget window;
  auto* edit = new QLineEdit;
  auto* button = new QPushButton("b");
  auto* spin = new QSpinBox;
  auto* layout = new QVBoxLayout(&window);
  layout->addWidget(edit), layout->addWidget(button), layout->addWidget(spin);
  button->setCheckable(true);
  QAction shortcut(&window);
  shortcut.setCheckable(true);
  shortcut.setShortcut(Qt::CTRL | Qt::Key_K);
  shortcut.setShortcutContext(Qt::ApplicationShortcut);
  window.addAction(&shortcut);
  window.show();
  window.activateWindow();
  QCoreApplication::processEvents();  // a shortcut needs an active window
  const auto post_input = [&] {
    PostKey(edit, Qt::Key_X, {}, "x");
    PostKey(edit, Qt::Key_K, Qt::ControlModifier);
    PostClick(button);
    const QPointF at = spin->rect().center();
    QCoreApplication::postEvent(spin, new QWheelEvent(at, spin->mapToGlobal(at), {}, {0, 120}, Qt::NoButton,
                                                      Qt::NoModifier, Qt::NoScrollPhase, false));
  };
  const auto effects = [&] { return std::tuple(edit->text(), button->isChecked(), shortcut.isChecked(), spin->value()); };
  post_input();  // the same input outside a wait has its effect
  QCoreApplication::sendPostedEvents();
  ASSERT_EQ(effects(), std::tuple(QString("x"), true, true, 1));
  edit->clear(), button->setChecked(false), shortcut.setChecked(false), spin->setValue(0);

  QDialog* box = nullptr;
  bool painted = false;
  OnEvent on_paint(QEvent::Paint, [&](QWidget& w) {
    if (&w != &window || box == nullptr || std::exchange(painted, true)) return;
    post_input();
    PostKey(box, Qt::Key_Escape);
  });
  EXPECT_EQ(WaitOnHeldWork([&](QDialog& shown) { box = &shown, window.update(); }), WaitOutcome::kCancelled);
  EXPECT_TRUE(painted);
  EXPECT_EQ(effects(), std::tuple(QString(), false, false, 0));
}

TEST_F(ResponsiveWait, ThrowsWhatTheWorkThrew) {
  EXPECT_THROW(RunWhileResponsive([] { throw std::runtime_error("bad"); }, cancel_, texts_), std::runtime_error);
}

}  // namespace
