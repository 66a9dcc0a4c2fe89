#include "tests/test_support.h"

#include <cstdio>

#include "platform/gbk.h"

namespace testing_support {

std::string Gbk(std::string_view utf8) { return platform::Utf8ToGbk(utf8); }

MessageBoxRecorder::MessageBoxRecorder(int answer) {
  platform::SetMessageBoxAnswerer([this, answer](const platform::MessageBoxRequest& r) {
    boxes_.push_back(r);
    return answer;
  });
}

MessageBoxRecorder::~MessageBoxRecorder() { platform::SetMessageBoxAnswerer({}); }

void PrintMessageBoxesToStderr() {
  platform::SetMessageBoxAnswerer([](const platform::MessageBoxRequest& r) {
    std::fprintf(stderr, "[%s]\n%s\n", platform::GbkToUtf8(r.caption).c_str(),
                 platform::GbkToUtf8(r.text).c_str());
    std::fflush(stderr);
    return int(platform::kOk);
  });
}

}  // namespace testing_support
