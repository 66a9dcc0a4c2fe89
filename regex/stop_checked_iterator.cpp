// The stop check behind the engine's iterator, and the engine's skip loop.
#include "regex/stop_checked_iterator.h"

#include <utility>

namespace regex_service {

StopCheck::StopCheck(std::stop_token stop) : stop_(std::move(stop)), outer_(t_current) {
  t_current = this;
  t_countdown = kStepsPerCheck;
}

StopCheck::~StopCheck() { t_current = outer_; }

void StopCheck::Check() {
  t_countdown = kStepsPerCheck;
  if (t_current != nullptr && t_current->stop_.stop_requested()) throw SearchStopped{};
}

const char* SkipToStartByte(const char* from, const char* to, const unsigned char* map, unsigned char mask) {
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
