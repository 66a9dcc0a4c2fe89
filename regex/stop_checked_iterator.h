// The searched bytes as the engine walks them: a random-access iterator that
// checks the search's stop token when a jump crosses a block of the text, and
// with the engine's every few thousand backtracks; a requested stop throws
// SearchStopped through the engine's matcher. So a search the user cancels
// ends at once, also inside one engine call that would otherwise run on to
// the engine's work limit.
#pragma once

#include <boost/regex.hpp>
#include <boost/version.hpp>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <stop_token>

namespace regex_service {

// Thrown out of the engine when a stop was requested. The matcher unwinds
// its saved states on the way out, as it does for its own errors.
struct SearchStopped {};

// The stop token the engine checks on this thread, while the check exists.
// The count lives in the thread, not in the iterator: the engine copies and
// restores positions all the time, so a count of the iterator's own would
// start afresh on each backtrack; and the iterator stays one pointer, so the
// engine's saved states are no bigger than over plain pointers.
class StopCheck {
 public:
  explicit StopCheck(std::stop_token stop);
  ~StopCheck();
  StopCheck(const StopCheck&) = delete;
  StopCheck& operator=(const StopCheck&) = delete;

  // Counts steps of the engine; every kStepsPerCheck steps, checks.
  static void Count(std::ptrdiff_t steps) {
    t_countdown -= steps;
    if (t_countdown < 0) [[unlikely]] Check();
  }
  // Throws SearchStopped when a stop was requested of the check on this thread.
  [[gnu::cold, gnu::noinline]] static void Check();

  // A step is a few nanoseconds: a check every few microseconds.
  static constexpr std::ptrdiff_t kStepsPerCheck = 4096;

 private:
  static constinit inline thread_local std::ptrdiff_t t_countdown = kStepsPerCheck;
  static constinit inline thread_local const StopCheck* t_current = nullptr;

  std::stop_token stop_;
  const StopCheck* outer_;
};

class StopCheckedIterator {
 public:
  using iterator_category = std::random_access_iterator_tag;
  using value_type = char;
  using difference_type = std::ptrdiff_t;
  using pointer = const char*;
  using reference = const char&;

  StopCheckedIterator() = default;  // the engine's "no position yet"
  explicit StopCheckedIterator(const char* at) : at_(at) {}

  const char* get() const { return at_; }
  reference operator*() const { return *at_; }
  reference operator[](difference_type n) const { return at_[n]; }

  // A step across a block boundary checks: so a long run within one state
  // of the engine checks every block, without a count that every step updates.
  StopCheckedIterator& operator+=(difference_type n) {
    const uintptr_t from = reinterpret_cast<uintptr_t>(at_);
    at_ += n;
    if ((from ^ reinterpret_cast<uintptr_t>(at_)) >= kBlock) [[unlikely]] StopCheck::Check();
    return *this;
  }
  StopCheckedIterator& operator-=(difference_type n) { return *this += -n; }
  // Single steps are not checked: a check there costs a set repeat such as
  // [0-9]+ up to a tenth of its time. Every backtrack is counted in unwind()
  // below, so only one forward run of a repeat goes unchecked, and that run
  // ends at the end of the text (half a millisecond per megabyte of it).
  StopCheckedIterator& operator++() {
    ++at_;
    return *this;
  }
  StopCheckedIterator& operator--() {
    --at_;
    return *this;
  }
  StopCheckedIterator operator++(int) { return std::exchange(*this, *this + 1); }
  StopCheckedIterator operator--(int) { return std::exchange(*this, *this - 1); }
  friend StopCheckedIterator operator+(StopCheckedIterator i, difference_type n) { return i += n; }
  friend StopCheckedIterator operator+(difference_type n, StopCheckedIterator i) { return i += n; }
  friend StopCheckedIterator operator-(StopCheckedIterator i, difference_type n) { return i -= n; }
  friend difference_type operator-(StopCheckedIterator a, StopCheckedIterator b) { return a.at_ - b.at_; }
  friend auto operator<=>(StopCheckedIterator a, StopCheckedIterator b) = default;

 private:
  static constexpr uintptr_t kBlock = StopCheck::kStepsPerCheck;
  const char* at_ = nullptr;
};

// The first byte in [from, to) whose map entry has a bit of mask, or to; a
// stop is checked after every block of bytes passed over. Inline: it runs
// once for every match, and a search may find millions.
inline const char* SkipToStartByte(const char* from, const char* to, const unsigned char* map, unsigned char mask) {
  while (to - from > StopCheck::kStepsPerCheck) {
    const char* block_end = from + StopCheck::kStepsPerCheck;
    while (from != block_end && (map[static_cast<unsigned char>(*from)] & mask) == 0) ++from;
    if (from != block_end) return from;
    StopCheck::Check();
  }
  while (from != to && (map[static_cast<unsigned char>(*from)] & mask) == 0) ++from;
  return from;
}

}  // namespace regex_service

namespace boost::BOOST_REGEX_DETAIL_NS {

static_assert(BOOST_VERSION / 100 == 1074,
              "find_restart_any below follows Boost 1.74's; compare it with this Boost's before building");

// The engine's skip over bytes no match can start with is its one loop that
// runs per byte without doing work of a state. Stepping the iterator there
// would make a literal search a third slower, so this skip runs over plain
// pointers. Otherwise it is Boost's own find_restart_any.
template <>
inline bool perl_matcher<regex_service::StopCheckedIterator,
                         std::allocator<sub_match<regex_service::StopCheckedIterator>>,
                         cpp_regex_traits<char>>::find_restart_any() {
  const unsigned char* map = re.get_map();
  while (true) {
    position = regex_service::StopCheckedIterator(
        regex_service::SkipToStartByte(position.get(), last.get(), map, mask_any));
    if (position == last) return re.can_be_null() && match_prefix();
    if (match_prefix()) return true;
    if (position == last) return false;
    ++position;
  }
}

// Every backtracking step of the engine passes here: it is counted, so a
// search that backtracks over a few bytes, never crossing a block of the
// text, checks too. Otherwise it is Boost's own unwind.
template <>
inline bool perl_matcher<regex_service::StopCheckedIterator,
                         std::allocator<sub_match<regex_service::StopCheckedIterator>>,
                         cpp_regex_traits<char>>::unwind(bool have_match) {
  using Matcher = perl_matcher;
  static constexpr unwind_proc_type kUnwinders[] = {
      &Matcher::unwind_end,           &Matcher::unwind_paren,          &Matcher::unwind_recursion_stopper,
      &Matcher::unwind_assertion,     &Matcher::unwind_alt,            &Matcher::unwind_repeater_counter,
      &Matcher::unwind_extra_block,   &Matcher::unwind_greedy_single_repeat,
      &Matcher::unwind_slow_dot_repeat, &Matcher::unwind_fast_dot_repeat, &Matcher::unwind_char_repeat,
      &Matcher::unwind_short_set_repeat, &Matcher::unwind_long_set_repeat, &Matcher::unwind_non_greedy_repeat,
      &Matcher::unwind_recursion,     &Matcher::unwind_recursion_pop,  &Matcher::unwind_commit,
      &Matcher::unwind_then,          &Matcher::unwind_case,
  };
  regex_service::StopCheck::Count(1);
  m_recursive_result = have_match;
  m_unwound_lookahead = false;
  m_unwound_alt = false;
  // The unwinder is read into a variable first, as in Boost's own: with the
  // table indexed inside the call, GCC's bounds check reads a wrong index.
  for (;;) {
    const unwind_proc_type unwinder = kUnwinders[m_backup_state->state_id];
    if (!(this->*unwinder)(m_recursive_result)) break;
  }
  return pstate != nullptr;
}

}  // namespace boost::BOOST_REGEX_DETAIL_NS
