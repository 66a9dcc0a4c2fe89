// Each benchmark beside its baseline: a benchmark file names its pairs once
// (a RatioPair at namespace scope), and the run prints, after the usual table,
// each run of the first as a multiple of the baseline's run.
#pragma once

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Every run of `ours` is set beside the `baseline` run with the same
// arguments. A name may carry arguments of its own ("BM_Read/bytes:100"
// beside "BM_Read/bytes:10"), which sets runs of different sizes side by side.
struct RatioPair {
  RatioPair(std::string ours, std::string baseline) { All().push_back({std::move(ours), std::move(baseline)}); }

  static std::vector<std::pair<std::string, std::string>>& All() {
    static std::vector<std::pair<std::string, std::string>> pairs;
    return pairs;
  }
};

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  using ConsoleReporter::ConsoleReporter;

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs)  // a run that failed has no time to compare; the table shows its error
      if (!run.error_occurred)
        runs_[run.benchmark_name()] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime(), run.report_label};
    ConsoleReporter::ReportRuns(runs);
  }

  // "ratio BM_Ours/10 (label) / BM_Baseline: real 1.20x, cpu 1.10x" for every
  // run of a registered pair whose baseline ran too.
  void PrintRatios() const {
    for (const auto& [ours, baseline] : RatioPair::All()) {
      for (const auto& [name, times] : runs_) {
        const std::optional<std::string> arguments = ArgumentsAfter(ours, name);
        if (!arguments) continue;
        const auto other = runs_.find(baseline + *arguments);
        if (other == runs_.end()) continue;
        const std::string label = times.label.empty() ? "" : " (" + times.label + ")";
        std::printf("ratio %s%s / %s: real %sx, cpu %sx\n", name.c_str(), label.c_str(), baseline.c_str(),
                    Format(times.real / other->second.real).c_str(), Format(times.cpu / other->second.cpu).c_str());
      }
    }
  }

 private:
  struct Times {
    double real, cpu;
    std::string label;
  };

  // Two decimals, or two significant digits for a ratio too small for them.
  static std::string Format(double ratio) {
    char text[32];
    std::snprintf(text, sizeof text, ratio < 0.1 ? "%.2g" : "%.2f", ratio);
    return text;
  }

  // What follows `prefix` in a run's name ("/10/real_time"), or nothing when
  // the run is not one of `prefix`'s.
  static std::optional<std::string> ArgumentsAfter(const std::string& prefix, const std::string& name) {
    if (name.compare(0, prefix.size(), prefix) != 0) return std::nullopt;
    if (name.size() > prefix.size() && name[prefix.size()] != '/') return std::nullopt;
    return name.substr(prefix.size());
  }

  std::map<std::string, Times> runs_;
};

// Runs the benchmarks the command line selects, then prints the ratios;
// in colour only on a terminal.
inline int RunBenchmarksWithRatios(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter(isatty(STDOUT_FILENO) ? RatioReporter::OO_ColorTabular : RatioReporter::OO_Tabular);
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
  return 0;
}
