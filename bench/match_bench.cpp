// One press of the match button on a 10 MB source text, from the click to the
// result box filled, beside BuildMatchReport alone and a bare Boost search
// loop over the same bytes; the stages of the press, to show where the time
// goes; and the peak memory of one press per match.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QPlainTextEdit>
#include <QTest>
#include <QWidget>
#include <boost/regex.hpp>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "app/control_ids.h"
#include "app/match_tool.h"
#include "app/text_calls.h"
#include "bench/digit_source.h"
#include "bench/ratio_reporter.h"
#include "resources/constants.h"
#include "runtime/entry_table.h"
#include "runtime/window_host.h"

namespace {

const char kPattern[] = "[0-9]+";

const std::string& Source(int64_t matches) { return DigitSource(matches); }

QWidget* Widget(uint32_t control_id) {
  return static_cast<QWidget*>(rt::GetWindowHost()->PlatformWindow(app::kMainWindow, control_id));
}

void WriteBox(uint32_t control_id, const std::string& text) {
  rt::Runtime().write_property(app::kMainWindow, control_id, app::property::kEditBoxText, app::property::kWholeValue,
                               uint64_t(uintptr_t(text.c_str())));
}

// Puts source and pattern into their boxes, as a person pasting them would.
void PrepareBoxes(int64_t matches) {
  WriteBox(app::control::kSource, Source(matches));
  WriteBox(app::control::kPattern, kPattern);
}

void BM_MatchButtonPress(benchmark::State& state) {
  PrepareBoxes(state.range(0));
  QWidget* button = Widget(app::control::kMatchButton);
  for (auto _ : state) QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
  state.counters["report_MB"] = double(app::ReadText(app::control::kMatchReport).view().size()) / 1e6;
}

void BM_BuildMatchReport(benchmark::State& state) {
  const std::string& source = Source(state.range(0));
  for (auto _ : state) {
    app::OwnedText report = app::BuildMatchReport(source.c_str(), kPattern);
    benchmark::DoNotOptimize(report.get());
  }  // each report is freed, as the baseline frees its copies
}

// The baseline: compile, then walk every match and copy its bytes out.
void BM_BareRegexSearch(benchmark::State& state) {
  const std::string& source = Source(state.range(0));
  using Regex = boost::basic_regex<char, boost::cpp_regex_traits<char>>;
  for (auto _ : state) {
    const Regex expression(kPattern);
    size_t bytes = 0, count = 0;
    using Iterator = boost::regex_iterator<const char*, char, boost::cpp_regex_traits<char>>;
    for (Iterator it(source.data(), source.data() + source.size(), expression), end;
         it != end; ++it, ++count)
      bytes += std::string((*it)[0].first, (*it)[0].second).size();
    benchmark::DoNotOptimize(bytes);
    state.counters["matches"] = double(count);
  }
}

// Stages of the press besides the report itself.
void BM_ReadSourceBox(benchmark::State& state) {
  PrepareBoxes(state.range(0));
  for (auto _ : state) {
    app::OwnedText source = app::ReadText(app::control::kSource);
    benchmark::DoNotOptimize(source.get());
  }
}

void BM_ReplaceMarkers(benchmark::State& state) {
  app::OwnedText report = app::BuildMatchReport(Source(state.range(0)).c_str(), kPattern);
  for (auto _ : state) {
    app::OwnedText display = app::ReplaceEvery(report.get(), constants::kLineBreakMarker, constants::kCrLf);
    benchmark::DoNotOptimize(display.get());
  }
}

void BM_WriteReportBox(benchmark::State& state) {
  app::OwnedText report = app::BuildMatchReport(Source(state.range(0)).c_str(), kPattern);
  app::OwnedText display = app::ReplaceEvery(report.get(), constants::kLineBreakMarker, constants::kCrLf);
  for (auto _ : state) app::WriteText(app::control::kMatchReport, display.get());
}

// ---- Peak memory of one press.

// A "VmRSS:"-style line of /proc/self/status, in bytes; -1 when it is missing.
int64_t StatusBytes(const char* field) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind(field, 0) == 0) return std::strtoll(line.c_str() + std::strlen(field), nullptr, 10) * 1024;
  return -1;
}

// Sets the peak resident size (VmHWM) back to the present one.
bool ResetPeakResident() {
  std::ofstream clear_refs("/proc/self/clear_refs");
  clear_refs << "5";
  clear_refs.close();
  return !clear_refs.fail();
}

// The count in the report box's first line, or -1 when it holds no count.
int64_t ReportedMatches() {
  const std::string report(app::ReadText(app::control::kMatchReport).view());
  const std::string prefix = constants::kCountPrefix;
  if (report.compare(0, prefix.size(), prefix) != 0) return -1;
  return std::strtoll(report.c_str() + prefix.size(), nullptr, 10);
}

// The resident memory one press adds at its peak, from the click to the
// report painted, per match. The press starts from an empty report box, and
// freed heap is handed back first, so pages the press reuses count as its own.
void BM_PressPeakMemory(benchmark::State& state, const char* pattern) {
  WriteBox(app::control::kSource, Source(state.range(0)));
  WriteBox(app::control::kPattern, pattern);
  QWidget* button = Widget(app::control::kMatchButton);
  int64_t rise = 0;
  for (auto _ : state) {
    state.PauseTiming();
    WriteBox(app::control::kMatchReport, "");
    malloc_trim(0);
    const bool reset = ResetPeakResident();
    const int64_t before = StatusBytes("VmRSS:");
    state.ResumeTiming();
    if (!reset || before < 0) {
      state.SkipWithError("the peak resident size cannot be read or reset");
      break;
    }
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
    static_cast<QPlainTextEdit*>(Widget(app::control::kMatchReport))->viewport()->repaint();
    rise = StatusBytes("VmHWM:") - before;
  }
  if (state.error_occurred()) return;
  const int64_t matches = ReportedMatches();
  if (matches <= 0) return state.SkipWithError("the press reported no matches");
  state.counters["matches"] = double(matches);
  state.counters["peak_MB"] = double(rise) / 1e6;
  state.counters["peak_B_per_match"] = double(rise) / double(matches);
}

void MatchCounts(benchmark::internal::Benchmark* b) {
  b->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->UseRealTime();
}

// Presses and searches of a tenth of a second and more run for seconds, so the
// first, which pays for memory the process touches for the first time, does
// not weigh as if it were a quarter of them.
void ManyPresses(benchmark::internal::Benchmark* b) { MatchCounts(b->MinTime(3)); }

BENCHMARK(BM_MatchButtonPress)->Apply(ManyPresses);
BENCHMARK(BM_BuildMatchReport)->Apply(ManyPresses);
BENCHMARK(BM_BareRegexSearch)->Apply(ManyPresses);
BENCHMARK(BM_ReadSourceBox)->Apply(MatchCounts);
BENCHMARK(BM_ReplaceMarkers)->Apply(MatchCounts);
BENCHMARK(BM_WriteReportBox)->Apply(MatchCounts);

// The argument is the digits in the source; "." matches every byte of it.
BENCHMARK_CAPTURE(BM_PressPeakMemory, digit_runs, kPattern)->Apply(MatchCounts)->Iterations(1);
BENCHMARK_CAPTURE(BM_PressPeakMemory, any_character, ".")
    ->Arg(10'000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

const RatioPair kPressRatio("BM_MatchButtonPress", "BM_BuildMatchReport");
const RatioPair kReportRatio("BM_BuildMatchReport", "BM_BareRegexSearch");

}  // namespace
