// The stop check behind the engine's iterator.
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

}  // namespace regex_service
