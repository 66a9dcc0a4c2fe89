// Each benchmark beside its baseline: a benchmark file names its pairs once
// (a RatioPair at namespace scope), and the main's console reporter prints,
// after the run, each run of the first as a multiple of the baseline's run
// with the same arguments.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

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
    for (const Run& run : runs) times_[run.benchmark_name()] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
    ConsoleReporter::ReportRuns(runs);
  }

  // "BM_Ours/lines:10 / BM_Baseline: real 1.20x, cpu 1.10x" for every run of
  // a registered pair whose baseline ran with the same arguments.
  void PrintRatios() const {
    for (const auto& [ours, baseline] : RatioPair::All()) {
      for (const auto& [name, time] : times_) {
        if (name.compare(0, ours.size(), ours) != 0) continue;
        const auto other = times_.find(baseline + name.substr(ours.size()));
        if (other == times_.end()) continue;
        std::printf("ratio %s / %s: real %.2fx, cpu %.2fx\n", name.c_str(), baseline.c_str(),
                    time.first / other->second.first, time.second / other->second.second);
      }
    }
  }

 private:
  std::map<std::string, std::pair<double, double>> times_;  // real, cpu
};
