// The progress box's texts, kept for the main thread that draws the box.
#include "regex/progress_box.h"

#include <new>

#include "regex/runtime_link.h"

namespace regex_service {
namespace {

struct ProgressTexts {
  std::string waiting, found_prefix, found_suffix, cancel;
};

ProgressTexts& Texts() {
  static ProgressTexts texts;
  return texts;
}

}  // namespace

void SetProgressTexts(rt::ResultRecord*, int32_t count, const rt::ArgRecord* args) {
  const rt::Args in(count, args);
  try {
    Texts() = {in.text(0), in.text(1), in.text(2), in.text(3)};
  } catch (const std::bad_alloc&) {
    ReportOutOfMemory(FailedRequestOnThisThread());
  }
}

const std::string& WaitingLine() { return Texts().waiting; }
const std::string& CancelCaption() { return Texts().cancel; }

std::string FoundLine(size_t found) { return Texts().found_prefix + std::to_string(found) + Texts().found_suffix; }

}  // namespace regex_service
