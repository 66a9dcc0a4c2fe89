// Helpers shared by every test: GBK literals and message boxes answered
// without a person.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/message_box.h"

namespace testing_support {

// GBK bytes of a UTF-8 literal: Gbk("共找到 ").
std::string Gbk(std::string_view utf8);

// Answers every message box with `answer` and records each request while alive.
class MessageBoxRecorder {
 public:
  explicit MessageBoxRecorder(int answer = platform::kOk);
  ~MessageBoxRecorder();
  const std::vector<platform::MessageBoxRequest>& boxes() const { return boxes_; }
  void Clear() { boxes_.clear(); }

 private:
  std::vector<platform::MessageBoxRequest> boxes_;
};

// For death tests: answers every box by writing its caption and text (as
// UTF-8) to standard error, so EXPECT_EXIT can match the report.
void PrintMessageBoxesToStderr();

// For death tests: caps the address space `headroom` bytes above what the
// process holds now, so that a bigger request finds no room.
void LeaveAddressSpace(size_t headroom);

}  // namespace testing_support
