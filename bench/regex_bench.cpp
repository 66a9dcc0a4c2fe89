// SearchAll plus ResultMatchText over 10 MB of mixed GBK text, beside a plain
// Boost regex_search loop over the same bytes that copies each match into a
// std::string; the heap held per match; and how long a catastrophic pattern
// takes to be abandoned.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <stop_token>
#include <string>

#include "bench/ratio_reporter.h"
#include "platform/gbk.h"
#include "regex/pattern.h"
#include "regex/regex_library.h"
#include "regex/search_all.h"
#include "regex/search_result.h"
#include "regex/stop_checked_iterator.h"
#include "runtime/call.h"
#include "runtime/memory.h"
#include "runtime/notify.h"
#include "runtime/values.h"

// ---- Heap accounting: every malloc-family block, counted at its chunk size.
extern "C" {
void* __libc_malloc(size_t);
void* __libc_calloc(size_t, size_t);
void* __libc_realloc(void*, size_t);
void __libc_free(void*);
void* __libc_memalign(size_t, size_t);
}

namespace {

// Counting is switched on only around the heap measurement, so the timed
// benchmarks run on the plain allocator path.
bool g_counting = false;
int64_t g_heap_bytes = 0;
int64_t g_heap_peak = 0;

// A block's footprint: its usable size plus the 8-byte chunk header.
int64_t Footprint(void* p) { return g_counting && p ? int64_t(malloc_usable_size(p)) + 8 : 0; }
void Count(void* p) {
  g_heap_bytes += Footprint(p);
  if (g_heap_bytes > g_heap_peak) g_heap_peak = g_heap_bytes;
}
void Uncount(void* p) { g_heap_bytes -= Footprint(p); }

}  // namespace

extern "C" {
void* malloc(size_t n) {
  void* p = __libc_malloc(n);
  Count(p);
  return p;
}
void* calloc(size_t n, size_t size) {
  void* p = __libc_calloc(n, size);
  Count(p);
  return p;
}
void* realloc(void* old, size_t n) {
  Uncount(old);
  void* p = __libc_realloc(old, n);
  Count(p ? p : (n ? old : nullptr));
  return p;
}
void free(void* p) {
  Uncount(p);
  __libc_free(p);
}
void* memalign(size_t alignment, size_t n) {
  void* p = __libc_memalign(alignment, n);
  Count(p);
  return p;
}
void* aligned_alloc(size_t alignment, size_t n) { return memalign(alignment, n); }
int posix_memalign(void** out, size_t alignment, size_t n) {
  *out = memalign(alignment, n);
  return *out ? 0 : 12;  // ENOMEM
}
}

namespace {

using regex_service::Regex;

// ---- The text: 10 MB of lines mixing Chinese, ASCII words, numbers and addresses.
std::string MakeText() {
  const std::string chinese = platform::Utf16ToGbk(u"联系人：张三，地址：北京市海淀区中关村大街");
  std::string text;
  text.reserve(10 << 20);
  for (unsigned line = 0; text.size() < (10u << 20); ++line) {
    text += chinese;
    text += " user" + std::to_string(line % 997) + "@mail" + std::to_string(line % 13) + ".example.com ";
    text += "tel 1" + std::to_string(3800000000u + line * 7919u % 99999999u);
    text += " the quick brown fox jumps over a lazy dog\r\n";
  }
  text.resize(10u << 20);
  return text;
}

const std::string& Text() {
  static const std::string text = MakeText();
  return text;
}

struct NamedPattern {
  const char* name;
  const char* pattern;
};
const NamedPattern kPatterns[] = {
    {"literal", "example"},
    {"class", "[0-9]+"},
    {"email", "[\\w.+-]+@[\\w-]+\\.[\\w.]+"},
    {"many", "[a-z]"},  // every lower-case ASCII letter: over a million matches
};

rt::ResultRecord Call(regex_service::Command command, std::initializer_list<rt::ArgRecord> args) {
  return rt::CallCommand(RegexLibrary().commands[command], int32_t(args.size()), args.begin());
}

void RegisterLibrary() { RegexLibrary().notify(1, reinterpret_cast<intptr_t>(&rt::RuntimeNotify), 0); }

// A constructed, compiled Pattern in runtime memory. Every benchmark starts
// with one, so it also registers the library, which its commands need.
class Pattern {
 public:
  explicit Pattern(const char* text)
      : value_(static_cast<regex_service::PatternValue*>(rt::RuntimeAlloc(sizeof *value_))) {
    RegisterLibrary();
    std::memset(value_, 0, sizeof *value_);
    Call(regex_service::kPatternConstruct, {Ref()});
    Call(regex_service::kPatternCreate, {Ref(), rt::TextArg(text), rt::kOmitted});
  }
  ~Pattern() {
    Call(regex_service::kPatternDestruct, {Ref()});
    rt::RuntimeFree(value_);
  }
  rt::ArgRecord Ref() const { return rt::PointerArg(value_, rt::tag::kPattern); }
  const Regex& regex() const { return *value_->expression; }

 private:
  regex_service::PatternValue* value_;
};

void* SearchAll(const Pattern& pattern, const std::string& text) {
  return Call(regex_service::kSearchAll, {pattern.Ref(), rt::TextArg(text.c_str())}).pointer<void>();
}

// Reads every match's text, then frees everything in the ownership order.
size_t ReadAndFree(void* array, const std::string& text) {
  size_t bytes = 0;
  const int64_t n = rt::ArrayCount(array);
  for (int64_t i = 0; i < n; ++i) {
    const rt::ArgRecord element = rt::PointerArg(rt::ArrayPointerAt(array, i), rt::tag::kSearchResult);
    char* match = Call(regex_service::kResultMatchText, {element, rt::TextArg(text.c_str()), rt::kOmitted})
                      .pointer<char>();
    bytes += rt::TextView(match).size();
    rt::RuntimeFree(match);
    Call(regex_service::kSearchResultDestruct, {element});
    rt::RuntimeFree(rt::ArrayPointerAt(array, i));
  }
  rt::RuntimeFree(array);
  return bytes;
}

// The same matches with a bare regex_search loop that copies each match into
// a std::string, as any reader of the matches must: start after each match,
// one byte further after an empty one, stop at an empty match at offset 0.
// Over plain pointers, or over the stop-checked iterator the search runs on.
template <class Iterator>
size_t PlainLoop(const Regex& regex, Iterator begin, Iterator end, size_t* count) {
  boost::match_results<Iterator> match;
  size_t bytes = 0;
  *count = 0;
  for (Iterator from = begin; from <= end;) {
    if (!boost::regex_search(from, end, match, regex, boost::regex_constants::match_default)) break;
    ++*count;
    const std::string copy(&*match[0].first, size_t(match[0].second - match[0].first));
    benchmark::DoNotOptimize(copy.data());
    bytes += copy.size();
    if (match[0].second == begin) break;
    from = match[0].length() == 0 ? match[0].second + 1 : match[0].second;
  }
  return bytes;
}

size_t PlainLoop(const Regex& regex, const std::string& text, size_t* count) {
  return PlainLoop(regex, text.data(), text.data() + text.size(), count);
}

void BM_SearchAll(benchmark::State& state) {
  const NamedPattern& named = kPatterns[state.range(0)];
  const std::string& text = Text();
  Pattern pattern(named.pattern);
  int64_t matches = 0;
  for (auto _ : state) {
    void* array = SearchAll(pattern, text);
    matches = rt::ArrayCount(array);
    benchmark::DoNotOptimize(ReadAndFree(array, text));
  }
  state.counters["matches"] = double(matches);
  state.SetLabel(named.name);
}

void BM_PlainLoop(benchmark::State& state) {
  const NamedPattern& named = kPatterns[state.range(0)];
  const std::string& text = Text();
  Pattern pattern(named.pattern);
  size_t count = 0;
  for (auto _ : state) benchmark::DoNotOptimize(PlainLoop(pattern.regex(), text, &count));
  state.counters["matches"] = double(count);
  state.SetLabel(named.name);
}

// The plain loop over the iterator that checks for a stop request; the
// baseline is BM_PlainLoop over pointers.
void BM_StopCheckedLoop(benchmark::State& state) {
  const NamedPattern& named = kPatterns[state.range(0)];
  const std::string& text = Text();
  Pattern pattern(named.pattern);
  std::stop_source never;
  const regex_service::StopCheck check(never.get_token());
  const regex_service::StopCheckedIterator begin(text.data()), end(text.data() + text.size());
  size_t count = 0;
  for (auto _ : state) benchmark::DoNotOptimize(PlainLoop(pattern.regex(), begin, end, &count));
  state.counters["matches"] = double(count);
  state.SetLabel(named.name);
}

// Peak heap during SearchAll above the level before it, and the heap the
// results still hold after it, both per match. The private copy of the text
// is part of the peak; "peak_less_copy" shows the peak without it.
void BM_HeapPerMatch(benchmark::State& state) {
  const NamedPattern& named = kPatterns[state.range(0)];
  const std::string& text = Text();
  Pattern pattern(named.pattern);
  double peak = 0, held = 0, copy = double(text.size() + 1 + 8), matches = 0;
  for (auto _ : state) {
    g_counting = true;
    const int64_t before = g_heap_bytes;
    g_heap_peak = before;
    void* array = SearchAll(pattern, text);
    peak = double(g_heap_peak - before);
    held = double(g_heap_bytes - before);
    g_counting = false;
    matches = double(rt::ArrayCount(array));
    ReadAndFree(array, text);
  }
  state.counters["matches"] = matches;
  state.counters["peak_B_per_match"] = matches ? peak / matches : 0;
  state.counters["peak_less_copy_B_per_match"] = matches ? (peak - copy) / matches : 0;
  state.counters["held_B_per_match"] = matches ? held / matches : 0;
  state.SetLabel(named.name);
}

// (x+x+)+y over 10 MB of x's: the engine must give up and SearchAll return.
void BM_Catastrophic(benchmark::State& state) {
  const std::string text(10u << 20, 'x');
  Pattern pattern("(x+x+)+y");
  int64_t matches = -1;
  for (auto _ : state) {
    void* array = SearchAll(pattern, text);
    matches = rt::ArrayCount(array);
    ReadAndFree(array, text);
  }
  state.counters["matches"] = double(matches);
}

constexpr int kPatternCount = int(std::size(kPatterns));
BENCHMARK(BM_PlainLoop)->DenseRange(0, kPatternCount - 1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StopCheckedLoop)->DenseRange(0, kPatternCount - 1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchAll)->DenseRange(0, kPatternCount - 1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HeapPerMatch)->DenseRange(0, kPatternCount - 1)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Catastrophic)->Iterations(1)->Unit(benchmark::kMillisecond);

const RatioPair kSearchAllRatio("BM_SearchAll", "BM_PlainLoop");
const RatioPair kStopCheckRatio("BM_StopCheckedLoop", "BM_PlainLoop");

}  // namespace
