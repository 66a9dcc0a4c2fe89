// The responsive wait: the work's own thread and what it shares with the
// waiting thread, the wait's event loop, and the progress box.
#include "platform/responsive_wait.h"

#include <pthread.h>
#include <sched.h>

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <utility>

#include "platform/application.h"
#include "platform/gbk.h"
#include "platform/wait_gate.h"

namespace platform {
namespace {

using std::chrono::milliseconds;

// Work that ends within this span is waited for without an event loop, so
// quick work behaves exactly as if it ran on the waiting thread.
constexpr milliseconds kQuietSpan{30};
milliseconds g_box_delay{300};

// The work and its end, shared by the waiting thread and the work's thread.
// The work's thread holds a reference until work has returned, so a job the
// waiting side has given up on stays valid, and the work's data with it.
class Job {
 public:
  explicit Job(std::function<void()> work) : work_(std::move(work)) {}

  // Runs work and lets go of it (so what it holds is destroyed on this
  // thread), records its end and what it threw, and quits the watching loop.
  void Run() {
    {
      std::lock_guard lock(mutex_);
      thread_ = pthread_self();
      if (idle_) SetIdlePriority();  // cancelled before this thread got to run
    }
    std::exception_ptr error;
    try {
      std::exchange(work_, nullptr)();
    } catch (...) {
      error = std::current_exception();
    }
    std::lock_guard lock(mutex_);
    error_ = error;
    finished_ = true;
    finished_changed_.notify_all();
    if (watcher_ != nullptr) QMetaObject::invokeMethod(watcher_, &QEventLoop::quit, Qt::QueuedConnection);
  }

  // True when work has finished within span.
  bool WaitFor(milliseconds span) {
    std::unique_lock lock(mutex_);
    return finished_changed_.wait_for(lock, span, [this] { return finished_; });
  }

  // Sets the loop that work's end quits (null: none, the waiting side is
  // leaving); true when work has already finished.
  bool Watch(QEventLoop* watcher) {
    std::lock_guard lock(mutex_);
    watcher_ = watcher;
    return finished_;
  }

  // Work that was cancelled but goes on (an engine call cannot be stopped)
  // runs from now on only when no other thread of the system wants the
  // processor, so it never slows the windows or the next search down.
  void LeaveToIdleTime() {
    std::lock_guard lock(mutex_);
    idle_ = true;
    // Before Run has started there is no thread to lower yet (Run lowers
    // itself); after work has finished there is none any more.
    if (thread_.has_value() && !finished_) SetIdlePriority();
  }

  // Lowers the work's thread to idle priority; the caller holds mutex_.
  void SetIdlePriority() {
    const sched_param idle{};
    pthread_setschedparam(*thread_, SCHED_IDLE, &idle);
  }

  // Once work has finished: kFinished, or what work threw.
  WaitOutcome Outcome() const {
    if (error_) std::rethrow_exception(error_);
    return WaitOutcome::kFinished;
  }

 private:
  std::function<void()> work_;
  std::mutex mutex_;
  std::condition_variable finished_changed_;
  bool finished_ = false;
  std::optional<pthread_t> thread_;  // set when Run starts
  bool idle_ = false;                // the waiting side gave up on the work
  std::exception_ptr error_;
  QEventLoop* watcher_ = nullptr;
};

// Starts the job on a thread of its own that nobody joins; false when the
// system cannot start a thread.
bool StartDetached(const std::shared_ptr<Job>& job) {
  try {
    std::thread([job] { job->Run(); }).detach();
    return true;
  } catch (const std::system_error&) {
    return false;
  }
}

class BusyCursor {
 public:
  BusyCursor() { QApplication::setOverrideCursor(Qt::BusyCursor); }
  ~BusyCursor() { QApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

// The message and a cancel button, over the window that was active. Esc, the
// close box and the button all cancel.
class ProgressBox : public QDialog {
 public:
  ProgressBox(const WaitTexts& texts, QWidget* owner, std::function<void()> on_cancel)
      : on_cancel_(std::move(on_cancel)) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    auto* button = new QPushButton(GbkToQString(texts.cancel_button));
    connect(button, &QPushButton::clicked, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(GbkToQString(texts.message)));
    layout->addWidget(button, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    if (owner != nullptr && owner->windowHandle() != nullptr) StayOver(*owner);
  }

  void reject() override { on_cancel_(); }

 private:
  // Not a child of owner, so that nothing but the wait destroys the box.
  void StayOver(const QWidget& owner) {
    setWindowTitle(owner.windowTitle());
    winId();
    windowHandle()->setTransientParent(owner.windowHandle());
  }

  std::function<void()> on_cancel_;
};

// One wait in its own event loop, until work finishes or it is cancelled.
class EventLoopWait {
 public:
  EventLoopWait(Job& job, const std::function<void()>& cancel, const WaitTexts& texts)
      : job_(job), cancel_(cancel), texts_(texts) {}

  WaitOutcome Run(milliseconds box_after) {
    box_timer_.setSingleShot(true);
    QObject::connect(&box_timer_, &QTimer::timeout, [this] { ShowBox(); });
    box_timer_.start(box_after);
    if (!job_.Watch(&loop_)) loop_.exec();
    const bool finished = job_.Watch(nullptr);
    End();
    if (finished && !cancelled_) return job_.Outcome();
    // Neither finished nor cancelled: the application's loop was told to end,
    // which ends every loop; the program is ending.
    if (!cancelled_ && cancel_) cancel_();
    job_.LeaveToIdleTime();
    return WaitOutcome::kCancelled;
  }

 private:
  void Cancel() {
    if (std::exchange(cancelled_, true)) return;
    if (cancel_) cancel_();
    loop_.quit();
  }

  void ShowBox() {
    busy_cursor_.emplace();
    box_ = std::make_unique<ProgressBox>(texts_, owner_, [this] { Cancel(); });
    gate_.AdmitBox(box_.get());
    box_->show();
    box_->activateWindow();
  }

  // The box goes, and the window that was active before it gets the activation back.
  void End() {
    const bool box_was_shown = box_ != nullptr;
    box_.reset();
    busy_cursor_.reset();
    if (box_was_shown && owner_) owner_->activateWindow();
    gate_.ReissueHeldCloses();
  }

  Job& job_;
  const std::function<void()>& cancel_;
  const WaitTexts& texts_;
  QEventLoop loop_;
  QTimer box_timer_{&loop_};
  WaitGate gate_{&loop_, [this] { Cancel(); }};
  QPointer<QWidget> owner_ = QApplication::activeWindow();
  std::unique_ptr<ProgressBox> box_;
  std::optional<BusyCursor> busy_cursor_;
  bool cancelled_ = false;
};

bool CanWaitResponsively() {
  return ApplicationExists() && QThread::currentThread() == QCoreApplication::instance()->thread();
}

}  // namespace

WaitOutcome RunWhileResponsive(std::function<void()> work, std::function<void()> cancel,
                               const WaitTexts& texts) {
  if (!CanWaitResponsively()) {
    work();
    return WaitOutcome::kFinished;
  }
  auto job = std::make_shared<Job>(std::move(work));
  if (!StartDetached(job)) job->Run();
  const milliseconds quiet = std::min(g_box_delay, kQuietSpan);
  if (job->WaitFor(quiet)) return job->Outcome();
  return EventLoopWait(*job, cancel, texts).Run(g_box_delay - quiet);
}

void SetProgressBoxDelay(milliseconds delay) { g_box_delay = std::max(delay, milliseconds{0}); }

}  // namespace platform
