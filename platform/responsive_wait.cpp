// The responsive wait on Qt's own classes: the work's QThread, the wait's
// event loop behind the input gate, and a QProgressDialog as the progress box.
#include "platform/responsive_wait.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QPointer>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <exception>
#include <memory>
#include <mutex>
#include <optional>
#include <utility>
#include <vector>

#include "platform/application.h"
#include "platform/gbk.h"
#include "platform/wait_gate.h"

namespace platform {
namespace {

using std::chrono::milliseconds;

// Work that ends within this span is waited for without an event loop, so
// quick work behaves exactly as if it ran on the waiting thread.
constexpr milliseconds kQuietSpan{30};
constexpr milliseconds kProgressInterval{250};
milliseconds g_box_delay{300};

// Held by work while it runs, so that the work of a wait starts only once
// the work a cancel left running has ended.
std::mutex g_one_work_at_a_time;

// The work's own thread. A QThread rather than a std::thread for its wait
// with a deadline (the quiet span), its finished signal (which ends the
// wait's loop) and its idle priority (for work left running).
class WorkThread : public QThread {
 public:
  explicit WorkThread(std::function<void()> work) : work_(std::move(work)) { setStackSize(kWorkStackBytes); }

  // Once the thread has finished: throws what work threw.
  void RethrowError() const {
    if (error_) std::rethrow_exception(error_);
  }

 protected:
  void run() override {
    const std::lock_guard one_at_a_time(g_one_work_at_a_time);
    try {
      std::exchange(work_, nullptr)();  // work, and all it holds, goes on this thread
    } catch (...) {
      error_ = std::current_exception();
    }
  }

 private:
  std::function<void()> work_;
  std::exception_ptr error_;
};

// Threads whose wait was cancelled before their work ended, kept until it
// has, and never joined by anything that must not wait for them. Main thread.
std::vector<std::unique_ptr<WorkThread>>& LeftRunning() {
  static auto* threads = new std::vector<std::unique_ptr<WorkThread>>;  // outlives the static destructors
  return *threads;
}

void ForgetEndedWork() {
  std::erase_if(LeftRunning(), [](const std::unique_ptr<WorkThread>& thread) { return thread->isFinished(); });
}

// Shows itself after the delay (minimumDuration). Not modal: a modal box
// would drop a close request of the window it blocks, and the program could
// not be closed during a search; the gate makes it the one window that takes
// input instead. Esc, the button and the close box all emit canceled().
class ProgressBox : public QProgressDialog {
 public:
  ProgressBox(const std::string& cancel_button, milliseconds delay, std::function<void()> on_shown)
      : QProgressDialog(QString(), GbkToQString(cancel_button), 0, 0, nullptr,
                        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
        on_shown_(std::move(on_shown)) {
    setAutoReset(false);
    setAutoClose(false);
    setMinimumDuration(int(delay.count()));
    setValue(0);  // starts the delay: Qt's count begins at the first value
  }

  // Stays over owner (it is not its child, so nothing but the wait destroys it).
  void StayOver(const QWidget& owner) {
    setWindowTitle(owner.windowTitle());
    winId();
    windowHandle()->setTransientParent(owner.windowHandle());
  }

  // Once shown (a value set before would move Qt's own showing).
  void Show(const WaitProgress& progress) {
    setLabelText(GbkToQString(progress.message));
    if (progress.total <= 0) return setRange(0, 0);  // a busy bar
    setRange(0, int(std::min<int64_t>(progress.total, INT32_MAX)));
    setValue(int(std::clamp<int64_t>(progress.done, 0, maximum())));
  }

  // The box's own timer shows it; what goes with it is set up just before.
  void setVisible(bool visible) override {
    if (visible && !isVisible()) on_shown_();
    QProgressDialog::setVisible(visible);
  }

 protected:
  void reject() override { Q_EMIT canceled(); }  // Esc

 private:
  std::function<void()> on_shown_;
};

// One wait in its own event loop, until the work's thread finishes or the
// user cancels. Made before the thread starts, so its end is never missed.
class EventLoopWait {
 public:
  EventLoopWait(WorkThread& thread, WaitRequest& request) : request_(request) {
    QObject::connect(&thread, &QThread::finished, &loop_, [this] {
      finished_ = true;
      loop_.quit();
    });
  }

  // True when cancelled (stop requested), false once the work has ended.
  bool Run(milliseconds box_after) {
    box_.emplace(request_.cancel_button, box_after, [this] { BoxShown(); });
    gate_.AdmitBox(&*box_);
    if (owner_ && owner_->windowHandle() != nullptr) box_->StayOver(*owner_);
    box_->setLabelText(GbkToQString(request_.progress().message));
    QObject::connect(&*box_, &QProgressDialog::canceled, &loop_, [this] { Cancel(); });
    QObject::connect(&progress_timer_, &QTimer::timeout, [this] { box_->Show(request_.progress()); });
    if (!finished_) loop_.exec();
    // Neither finished nor cancelled: the application's loop was told to
    // end, which ends every loop; the program is ending.
    if (!finished_) Cancel();
    End();
    return cancelled_;
  }

 private:
  void Cancel() {
    if (std::exchange(cancelled_, true)) return;
    request_.stop.request_stop();
    loop_.quit();
  }

  void BoxShown() {
    shown_ = true;
    QApplication::setOverrideCursor(Qt::BusyCursor);
    gate_.BoxShown();
    QTimer::singleShot(0, &loop_, [this] {
      box_->activateWindow();
      box_->Show(request_.progress());
    });
    progress_timer_.start(kProgressInterval);
  }

  // The box goes, the window that was active before it gets the activation
  // back, and what the gate held is carried out once the caller has returned.
  void End() {
    box_.reset();
    if (shown_) QApplication::restoreOverrideCursor();
    if (shown_ && owner_) owner_->activateWindow();
    gate_.ReissueHeld();
  }

  WaitRequest& request_;
  QEventLoop loop_;
  QTimer progress_timer_{&loop_};
  WaitGate gate_{&loop_, [this] { Cancel(); }};
  QPointer<QWidget> owner_ = QApplication::activeWindow();
  std::optional<ProgressBox> box_;
  bool shown_ = false;
  bool finished_ = false;
  bool cancelled_ = false;
};

bool CanWaitResponsively() {
  return ApplicationExists() && QThread::currentThread() == QCoreApplication::instance()->thread();
}

}  // namespace

bool RunWhileResponsive(WaitRequest request) {
  if (!CanWaitResponsively()) {
    request.work();
    return true;
  }
  ForgetEndedWork();
  auto thread = std::make_unique<WorkThread>(std::move(request.work));
  EventLoopWait wait(*thread, request);
  thread->start();
  if (!thread->isRunning() && !thread->isFinished()) return false;  // Qt has said why on stderr
  const milliseconds quiet = std::min(g_box_delay, kQuietSpan);
  if (!thread->wait(QDeadlineTimer(quiet.count())) && wait.Run(g_box_delay - quiet)) {
    // Cancelled: the work sees its stop token and ends on its own; until
    // then it runs only when no other thread of the system wants the processor.
    if (thread->isRunning()) thread->setPriority(QThread::IdlePriority);
    LeftRunning().push_back(std::move(thread));
    return true;
  }
  thread->wait();
  thread->RethrowError();
  return true;
}

bool WorkStillRunning() {
  ForgetEndedWork();
  return !LeftRunning().empty();
}

void SetProgressBoxDelay(milliseconds delay) { g_box_delay = std::max(delay, milliseconds{0}); }

}  // namespace platform
