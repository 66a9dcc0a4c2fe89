// From an expose to the window's paint while a responsive wait runs (work
// spinning on its thread, the progress box up), beside the same window with
// no wait in the same run. Under Xvfb (QT_QPA_PLATFORM=xcb) the exposes are
// the X server's.
#include <benchmark/benchmark.h>

#include <QEventLoop>
#include <QWidget>
#include <algorithm>
#include <stop_token>
#include <chrono>
#include <vector>

#include "platform/responsive_wait.h"

namespace {

using Clock = std::chrono::steady_clock;

// A window that is hidden and shown again, and timed until it has painted.
class ExposedWindow : public QWidget {
 public:
  ExposedWindow() { resize(400, 300); }

  // Seconds from showing the window to the end of its paint.
  double TimeExposeToPaint() {
    hide();
    QEventLoop loop;
    painted_ = &loop;
    const Clock::time_point start = Clock::now();
    show();
    loop.exec();
    painted_ = nullptr;
    return std::chrono::duration<double>(Clock::now() - start).count();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (painted_ != nullptr) painted_->quit();
  }

 private:
  QEventLoop* painted_ = nullptr;
};

double Mean(const std::vector<double>& seconds) {
  double sum = 0;
  for (double s : seconds) sum += s;
  return seconds.empty() ? 0 : sum / double(seconds.size());
}

void BM_ExposeToPaintDuringWait(benchmark::State& state) {
  ExposedWindow window;
  std::vector<double> waiting, idle;
  std::stop_source stop;
  // Measured from inside the wait's own loop: queued now, run once the wait has begun.
  QMetaObject::invokeMethod(
      &window,
      [&] {
        for (auto _ : state) {
          waiting.push_back(window.TimeExposeToPaint());
          state.SetIterationTime(waiting.back());
        }
        stop.request_stop();
      },
      Qt::QueuedConnection);
  platform::SetProgressBoxDelay(std::chrono::milliseconds(0));
  const auto spin = [token = stop.get_token()] {
    while (!token.stop_requested()) {
    }
  };
  platform::RunWhileResponsive({spin, stop, [] { return platform::WaitProgress{"..."}; }, "x"});
  while (idle.size() < waiting.size()) idle.push_back(window.TimeExposeToPaint());  // the baseline
  state.counters["wait_mean_us"] = Mean(waiting) * 1e6;
  state.counters["wait_max_ms"] = *std::max_element(waiting.begin(), waiting.end()) * 1e3;
  state.counters["idle_mean_us"] = Mean(idle) * 1e6;
  state.counters["ratio"] = Mean(waiting) / Mean(idle);
}

}  // namespace

BENCHMARK(BM_ExposeToPaintDuringWait)->UseManualTime()->Unit(benchmark::kMicrosecond);
