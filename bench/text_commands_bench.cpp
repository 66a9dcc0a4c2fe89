// FindText, ReplaceSubtext and SplitText on 1 MB and 10 MB of mixed GBK text,
// each beside a plain std::string baseline doing the same job in the same run.
#include <benchmark/benchmark.h>

#include <string>
#include <string_view>
#include <vector>

#include "bench/mixed_text.h"
#include "bench/ratio_reporter.h"
#include "runtime/call.h"
#include "runtime/memory.h"
#include "runtime/text_commands.h"
#include "runtime/values.h"

namespace {

constexpr int64_t kMegabyte = 1 << 20;
const std::string kAbsent = "\xCA\xFD\xBE\xDD\xBF\xE2";  // "数据库": its first four bytes are common
const std::string kMarker = "#\xBB\xBB\xD0\xD0\xB7\xFB";
const std::string kLate = "needle-near-the-end";

const std::string& Text(int64_t bytes) {
  static std::string one = bench_support::MixedText(kMegabyte), ten = bench_support::MixedText(10 * kMegabyte);
  return bytes == kMegabyte ? one : ten;
}

const std::string& TextWithLateNeedle(int64_t bytes) {
  static std::string one, ten;
  std::string& text = bytes == kMegabyte ? one : ten;
  if (text.empty()) text = Text(bytes).substr(0, size_t(bytes) - 1000) + kLate + Text(bytes).substr(0, 1000);
  return text;
}

int32_t Find(const std::string& text, const std::string& sought) {
  const rt::ArgRecord args[] = {rt::TextArg(text.c_str()), rt::TextArg(sought.c_str()), rt::kOmitted, rt::kOmitted};
  return int32_t(rt::CallCommand(rt::FindText, 4, args).low());
}

void FindAbsent(benchmark::State& state) {
  const std::string& text = Text(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(Find(text, kAbsent));
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

void FindAbsentBaseline(benchmark::State& state) {
  const std::string_view text = Text(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(text.find(kAbsent));
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

void FindNearEnd(benchmark::State& state) {
  const std::string& text = TextWithLateNeedle(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(Find(text, kLate));
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

void FindNearEndBaseline(benchmark::State& state) {
  const std::string_view text = TextWithLateNeedle(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(text.find(kLate));
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

void ReplaceMarkers(benchmark::State& state) {
  const std::string& text = Text(state.range(0));
  const rt::ArgRecord args[] = {rt::TextArg(text.c_str()), rt::TextArg(kMarker.c_str()), rt::TextArg("\r\n"),
                                rt::kOmitted, rt::kOmitted, rt::BoolArg(true)};
  for (auto _ : state) rt::RuntimeFree(rt::CallCommand(rt::ReplaceSubtext, 6, args).pointer<void>());
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

void ReplaceMarkersBaseline(benchmark::State& state) {
  const std::string_view text = Text(state.range(0));
  for (auto _ : state) {
    std::string out;
    size_t from = 0;
    for (size_t hit; (hit = text.find(kMarker, from)) != std::string_view::npos; from = hit + kMarker.size())
      out.append(text, from, hit - from).append("\r\n");
    out.append(text, from);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

void SplitAtCommas(benchmark::State& state) {
  const std::string& text = Text(state.range(0));
  const rt::ArgRecord args[] = {rt::TextArg(text.c_str()), rt::TextArg(","), rt::kOmitted};
  for (auto _ : state)
    rt::FreeArray(rt::ArrayOf(rt::tag::kText), rt::CallCommand(rt::SplitText, 3, args).pointer<void>());
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

void SplitAtCommasBaseline(benchmark::State& state) {
  const std::string_view text = Text(state.range(0));
  for (auto _ : state) {
    std::vector<std::string> parts;
    size_t from = 0;
    for (size_t hit; (hit = text.find(',', from)) != std::string_view::npos; from = hit + 1)
      parts.emplace_back(text.substr(from, hit - from));
    if (from < text.size()) parts.emplace_back(text.substr(from));
    benchmark::DoNotOptimize(parts.data());
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

}  // namespace

#define TEXT_BENCH(name) BENCHMARK(name)->Arg(kMegabyte)->Arg(10 * kMegabyte)->Unit(benchmark::kMillisecond)
TEXT_BENCH(FindAbsent);
TEXT_BENCH(FindAbsentBaseline);
TEXT_BENCH(FindNearEnd);
TEXT_BENCH(FindNearEndBaseline);
TEXT_BENCH(ReplaceMarkers);
TEXT_BENCH(ReplaceMarkersBaseline);
TEXT_BENCH(SplitAtCommas);
TEXT_BENCH(SplitAtCommasBaseline);

namespace {
const RatioPair kFindAbsentRatio("FindAbsent", "FindAbsentBaseline");
const RatioPair kFindNearEndRatio("FindNearEnd", "FindNearEndBaseline");
const RatioPair kReplaceRatio("ReplaceMarkers", "ReplaceMarkersBaseline");
const RatioPair kSplitRatio("SplitAtCommas", "SplitAtCommasBaseline");
}  // namespace
