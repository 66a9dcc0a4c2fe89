#include "tests/test_support.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QString>
#include <cstdio>
#include <fstream>

#include "platform/gbk.h"

namespace testing_support {

std::string Gbk(std::string_view utf8) {
  return platform::QStringToGbk(QString::fromUtf8(utf8.data(), qsizetype(utf8.size())));
}

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

void LeaveAddressSpace(size_t headroom) {
  std::ifstream statm("/proc/self/statm");
  size_t pages = 0;
  statm >> pages;
  rlimit limit{};
  limit.rlim_cur = pages * size_t(sysconf(_SC_PAGESIZE)) + headroom;
  limit.rlim_max = RLIM_INFINITY;
  ASSERT_EQ(setrlimit(RLIMIT_AS, &limit), 0);
}

}  // namespace testing_support
