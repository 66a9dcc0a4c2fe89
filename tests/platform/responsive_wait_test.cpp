// The responsive wait under the offscreen platform: when the progress box
// shows and what it says, the ways to cancel, what other windows may and may
// not do meanwhile, keys typed ahead, calls meant for after the caller, and
// work that throws.
#include "platform/responsive_wait.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QInputDevice>
#include <QLineEdit>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <future>
#include <stdexcept>
#include <thread>

#include "platform/wait_gate.h"
#include "tests/test_support.h"

namespace {

using namespace std::chrono_literals;
using platform::RunWhileResponsive;

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

// Runs fn after a while on a timer of the box's own: the wait's gate holds
// back the ticks of other objects' timers.
void Later(QProgressDialog& box, std::chrono::milliseconds delay, std::function<void()> fn) {
  auto* timer = new QTimer(&box);
  timer->setSingleShot(true);
  QObject::connect(timer, &QTimer::timeout, std::move(fn));
  timer->start(delay);
}

void PostCloseRequest(QWidget& window) { QCoreApplication::postEvent(window.windowHandle(), new QCloseEvent); }

// What the wait holds for after its caller runs once the caller is back in
// its event loop; a test's caller is in none, so it flushes them itself.
void RunWhatFollowsTheCaller() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

class ResponsiveWait : public testing::Test {
 protected:
  void SetUp() override { platform::SetProgressBoxDelay(0ms); }
  void TearDown() override {
    platform::SetProgressBoxDelay(300ms);
    release_.set_value();  // every held work ends before the next test
    for (auto& end : ends_) end.wait();
  }

  // Waits on work that lasts until the test ends or its stop is requested;
  // on_box runs once the box shows. True when cancelled.
  bool WaitOnHeldWork(std::function<void(QProgressDialog&)> on_box, platform::WaitProgress progress = {}) {
    OnEvent hook(QEvent::Show, [&](QWidget& w) {
      if (auto* box = qobject_cast<QProgressDialog*>(&w)) on_box(*box);
    });
    auto ended = std::make_shared<std::promise<void>>();
    ends_.push_back(ended->get_future());
    stop_ = {};
    const std::stop_token token = stop_.get_token();
    EXPECT_TRUE(RunWhileResponsive({[released = released_, ended, token] {
                                      while (!token.stop_requested() && released.wait_for(1ms) != std::future_status::ready) {
                                      }
                                      ended->set_value();
                                    },
                                    stop_, [progress] { return progress; }, testing_support::Gbk("取消")}));
    return stop_.stop_requested();
  }
  bool Run(std::function<void()> work) {
    return RunWhileResponsive({std::move(work), {}, [] { return platform::WaitProgress{}; }, "x"});
  }

  std::stop_source stop_;
  std::promise<void> release_;
  std::shared_future<void> released_ = release_.get_future().share();
  std::vector<std::future<void>> ends_;
};

TEST_F(ResponsiveWait, WorkEndingBeforeTheDelayShowsNothing) {
  platform::SetProgressBoxDelay(1h);
  bool shown = false;
  OnEvent hook(QEvent::Show, [&](QWidget& w) { shown |= qobject_cast<QProgressDialog*>(&w) != nullptr; });
  EXPECT_TRUE(Run([] { std::this_thread::sleep_for(50ms); }));
  EXPECT_FALSE(shown);
}

TEST_F(ResponsiveWait, EachCancelRequestsTheStopReturnsAtOnceAndASecondWaitWorks) {
  QWidget other;
  other.show();
  const std::tuple<const char*, std::function<void(QProgressDialog&)>, bool> cancellers[] = {
      {"button", [](QProgressDialog& box) { PostClick(box.findChild<QPushButton*>()); }, true},
      {"Esc", [](QProgressDialog& box) { PostKey(&box, Qt::Key_Escape); }, true},
      {"close box", PostCloseRequest, true},
      {"another window's close request", [&](QProgressDialog&) { PostCloseRequest(other); }, false},
  };
  for (const auto& [name, press, other_stays_open] : cancellers) {
    SCOPED_TRACE(name);
    QStringList shown;
    const bool cancelled = WaitOnHeldWork([&](QProgressDialog& box) {
      const QCursor* cursor = QApplication::overrideCursor();
      shown << box.findChild<QLabel*>()->text() << box.findChild<QPushButton*>()->text()
            << (cursor && cursor->shape() == Qt::BusyCursor ? "busy" : "");
      press(box);
    }, {testing_support::Gbk("正在查找…"), 0, 0});
    EXPECT_TRUE(cancelled);
    ends_.back().wait();  // the work saw its stop token
    EXPECT_EQ(shown, QStringList({"正在查找…", "取消", "busy"}));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(other.isVisible());  // a held close runs once the caller is back in its event loop
    RunWhatFollowsTheCaller();
    EXPECT_EQ(other.isVisible(), other_stays_open);
    bool ran = false;
    EXPECT_TRUE(Run([&ran] { ran = true; }));
    EXPECT_TRUE(ran);
  }
}

// The box shows what the work's progress says, and keeps up with it.
TEST_F(ResponsiveWait, TheBoxShowsTheProgressMessageAndBar) {
  platform::WaitProgress shown;
  WaitOnHeldWork([&](QProgressDialog& box) {
    Later(box, 600ms, [&] {
      shown = {box.labelText().toStdString(), box.value(), box.maximum()};
      PostKey(&box, Qt::Key_Escape);
    });
  }, {testing_support::Gbk("已找到 7 处匹配"), 300, 1000});
  EXPECT_EQ(shown.message, "已找到 7 处匹配");
  EXPECT_EQ(shown.done, 300);
  EXPECT_EQ(shown.total, 1000);
}

TEST_F(ResponsiveWait, OtherWindowsRepaintButTakeNoInputWhileTheBoxShows) {
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

  QProgressDialog* box = nullptr;
  bool painted = false;
  OnEvent on_paint(QEvent::Paint, [&](QWidget& w) {
    if (&w != &window || box == nullptr || std::exchange(painted, true)) return;
    post_input();
    PostKey(box, Qt::Key_Escape);
  });
  EXPECT_TRUE(WaitOnHeldWork([&](QProgressDialog& shown) { box = &shown, window.update(); }));
  RunWhatFollowsTheCaller();
  QCoreApplication::sendPostedEvents();
  EXPECT_TRUE(painted);
  EXPECT_EQ(effects(), std::tuple(QString(), false, false, 0));
}

// Keys typed before the box shows reach their box after the caller, in
// order; keys typed while it shows are dropped.
TEST_F(ResponsiveWait, KeysTypedBeforeTheBoxShowsAreKeptAndAfterAreDropped) {
  platform::SetProgressBoxDelay(300ms);
  QInputDevice::primaryKeyboard();  // made here: a key event made first on the typing thread could not parent it
  QLineEdit edit;
  edit.show();
  std::stop_source stop;
  OnEvent on_box(QEvent::Show, [&](QWidget& w) {
    if (auto* box = qobject_cast<QProgressDialog*>(&w)) {
      PostKey(&edit, Qt::Key_C, {}, "c");
      Later(*box, 50ms, [box] { PostKey(box, Qt::Key_Escape); });
    }
  });
  const auto type_then_wait = [&edit, token = stop.get_token()] {
    std::this_thread::sleep_for(100ms);  // into the wait's loop, before the box
    for (const char* key : {"a", "b"}) PostKey(&edit, Qt::Key_A, {}, key);
    while (!token.stop_requested()) std::this_thread::sleep_for(1ms);
  };
  EXPECT_TRUE(RunWhileResponsive({type_then_wait, stop, [] { return platform::WaitProgress{}; }, "x"}));
  EXPECT_EQ(edit.text(), "");
  RunWhatFollowsTheCaller();
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(edit.text(), "ab");
}

// A call meant for after the current event does not run inside a wait the
// event's code enters meanwhile (a queued call would).
TEST_F(ResponsiveWait, ACallForAfterTheCurrentEventRunsAfterAWaitInsideIt) {
  std::vector<std::string> order;
  QTimer::singleShot(0, [&] {
    platform::PostAfterCurrentEvent([&] { order.push_back("after"); });
    Run([] { std::this_thread::sleep_for(100ms); });  // long enough for the wait's own loop
    order.push_back("waited");
  });
  QEventLoop loop;
  QTimer::singleShot(300ms, &loop, &QEventLoop::quit);
  loop.exec();
  EXPECT_EQ(order, (std::vector<std::string>{"waited", "after"}));
}

TEST_F(ResponsiveWait, ThrowsWhatTheWorkThrew) {
  EXPECT_THROW(Run([] { throw std::runtime_error("bad"); }), std::runtime_error);
}

// Work a cancel left running counts as running, and the next wait's work
// starts only once it has ended.
TEST_F(ResponsiveWait, TheNextWorkWaitsForWorkACancelLeftRunning) {
  std::promise<void> first_ended;
  std::shared_future<void> first = first_ended.get_future().share();
  std::stop_source stop;
  {
    OnEvent esc(QEvent::Show, [](QWidget& w) {
      if (qobject_cast<QProgressDialog*>(&w)) PostKey(&w, Qt::Key_Escape);
    });
    EXPECT_TRUE(RunWhileResponsive({[&first_ended] {
                                      std::this_thread::sleep_for(300ms);  // deaf to its stop token
                                      first_ended.set_value();
                                    },
                                    stop, [] { return platform::WaitProgress{}; }, "x"}));
  }
  EXPECT_TRUE(stop.stop_requested());
  EXPECT_TRUE(platform::WorkStillRunning());
  bool first_had_ended = false;
  EXPECT_TRUE(Run([&] { first_had_ended = first.wait_for(0s) == std::future_status::ready; }));
  EXPECT_TRUE(first_had_ended);
}

}  // namespace
