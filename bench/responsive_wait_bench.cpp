// From an expose to the window's paint while a responsive wait runs (work
// spinning or compiling a 5 MB pattern on its thread, the progress box up),
// beside the same window with no wait in the same run. Under Xvfb (QT_QPA_PLATFORM=xcb) the exposes are
// the X server's.
#include <benchmark/benchmark.h>

#include <QEventLoop>
#include <QWidget>
#include <algorithm>
#include <stop_token>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "platform/responsive_wait.h"
#include "regex/pattern.h"

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

// Exposes timed from inside a responsive wait while `work` runs on its thread
// until the wait's stop is requested, then as many with no wait: the baseline.
void MeasureExposesDuringWait(benchmark::State& state, const std::function<void(std::stop_token)>& work) {
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
  platform::RunWhileResponsive({[&work, token = stop.get_token()] { work(token); }, stop,
                                [] { return platform::WaitProgress{"..."}; }, "x"});
  while (idle.size() < waiting.size()) idle.push_back(window.TimeExposeToPaint());
  state.counters["wait_mean_us"] = Mean(waiting) * 1e6;
  state.counters["wait_max_ms"] = *std::max_element(waiting.begin(), waiting.end()) * 1e3;
  state.counters["idle_mean_us"] = Mean(idle) * 1e6;
  state.counters["ratio"] = Mean(waiting) / Mean(idle);
}

// The work spins on a core.
void BM_ExposeToPaintDuringWait(benchmark::State& state) {
  MeasureExposesDuringWait(state, [](std::stop_token stop) {
    while (!stop.stop_requested()) {
    }
  });
}

// The work compiles a pattern of 5 MB, an alternation of 300k character
// sets, again and again: a second of allocating for the engine each time.
void BM_ExposeToPaintDuringCompile(benchmark::State& state) {
  std::string pattern;
  for (int i = 0; pattern.size() < 5'000'000; ++i)
    pattern += (i > 0 ? "|[[:alpha:]" : "[[:alpha:]") + std::to_string(i * 7919 % 1000003) + "]";
  MeasureExposesDuringWait(state, [&pattern](std::stop_token stop) {
    while (!stop.stop_requested()) benchmark::DoNotOptimize(regex_service::Regex(pattern, boost::regex::perl));
  });
}

}  // namespace

BENCHMARK(BM_ExposeToPaintDuringWait)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ExposeToPaintDuringCompile)->UseManualTime()->Iterations(200)->Unit(benchmark::kMicrosecond);
