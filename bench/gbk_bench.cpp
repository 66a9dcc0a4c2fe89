// GBK <-> Unicode conversion at the Qt boundary on 1 MB and 10 MB of mixed text.
#include <benchmark/benchmark.h>

#include <QString>

#include "bench/mixed_text.h"
#include "platform/gbk.h"

namespace {

constexpr int64_t kMegabyte = 1 << 20;

const std::string& Text(int64_t bytes) {
  static std::string one = bench_support::MixedText(kMegabyte), ten = bench_support::MixedText(10 * kMegabyte);
  return bytes == kMegabyte ? one : ten;
}

void GbkToQString(benchmark::State& state) {
  const std::string& text = Text(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(platform::GbkToQString(text).size());
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

void QStringToGbk(benchmark::State& state) {
  const QString text = platform::GbkToQString(Text(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(platform::QStringToGbk(text).size());
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

}  // namespace

BENCHMARK(GbkToQString)->Arg(kMegabyte)->Arg(10 * kMegabyte)->Unit(benchmark::kMillisecond);
BENCHMARK(QStringToGbk)->Arg(kMegabyte)->Arg(10 * kMegabyte)->Unit(benchmark::kMillisecond);
