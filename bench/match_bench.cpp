// One press of the match button on a 10 MB source text, from the click to the
// result box filled, beside BuildMatchReport alone and a bare Boost search
// loop over the same bytes; plus the stages of the press, to show where the
// time goes.
#include <benchmark/benchmark.h>

#include <QTest>
#include <QWidget>
#include <boost/regex.hpp>
#include <cstdlib>
#include <map>
#include <string>

#include "app/control_ids.h"
#include "app/match_test.h"
#include "app/text_calls.h"
#include "bench/ratio_reporter.h"
#include "resources/constants.h"
#include "runtime/entry_table.h"
#include "runtime/window_host.h"

namespace {

constexpr size_t kSourceBytes = 10 * 1000 * 1000;
constexpr size_t kLineBytes = 100;  // CR LF every 100 bytes keeps the source box responsive
const char kPattern[] = "[0-9]+";

// About `matches` single-digit matches spread evenly over 10 MB of letters.
const std::string& Source(int64_t matches) {
  static std::map<int64_t, std::string> cache;
  std::string& text = cache[matches];
  if (!text.empty()) return text;
  const size_t spacing = kSourceBytes / size_t(matches);
  text.reserve(kSourceBytes);
  for (size_t i = 0; text.size() < kSourceBytes; ++i) {
    if ((i + 1) % kLineBytes == 0) text += "\r\n";
    else text += (i % spacing == spacing / 2) ? '7' : 'x';
  }
  return text;
}

QWidget* Widget(uint32_t control_id) {
  return static_cast<QWidget*>(rt::GetWindowHost()->PlatformWindow(app::kMainWindow, control_id));
}

void WriteBox(uint32_t control_id, const std::string& text) {
  rt::Runtime().write_property(app::kMainWindow, control_id, 8, -1, uint64_t(uintptr_t(text.c_str())));
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

void MatchCounts(benchmark::internal::Benchmark* b) {
  b->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->UseRealTime();
}

BENCHMARK(BM_MatchButtonPress)->Apply(MatchCounts);
BENCHMARK(BM_BuildMatchReport)->Apply(MatchCounts);
BENCHMARK(BM_BareRegexSearch)->Apply(MatchCounts);
BENCHMARK(BM_ReadSourceBox)->Apply(MatchCounts);
BENCHMARK(BM_ReplaceMarkers)->Apply(MatchCounts);
BENCHMARK(BM_WriteReportBox)->Apply(MatchCounts);

const RatioPair kPressRatio("BM_MatchButtonPress", "BM_BuildMatchReport");
const RatioPair kReportRatio("BM_BuildMatchReport", "BM_BareRegexSearch");

}  // namespace
