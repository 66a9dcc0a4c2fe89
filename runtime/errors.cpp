// The run-time error routine: compose the report, show it, end the program.
#include "runtime/errors.h"

#include <cstdio>

#include "platform/message_box.h"
#include "runtime/event_suppression.h"
#include "runtime/lifecycle.h"
#include "runtime/runtime_texts.h"
#include "runtime/window_host.h"

namespace rt {
namespace {

constexpr uint32_t kErrorBoxStyle = 0x10;  // stop icon, one OK button

std::string Quoted(const std::string& tag) { return "\r\n\"" + tag + "\""; }

// True when bits 24-27 of the number hold 2: it names a window.
bool NamesWindow(int32_t location) { return location != 0 && ((uint32_t(location) >> 24) & 0xF) == 2; }

std::string LocationText(int32_t location1, int32_t location2) {
  char numbers[48];
  std::snprintf(numbers, sizeof numbers, "\r\n%d, %d", location1, location2);
  std::string text = numbers;
  if (NamesWindow(location1)) {
    WindowHost* host = GetWindowHost();
    const auto window_tag = host ? host->WindowTag(uint32_t(location1)) : std::nullopt;
    if (!window_tag) {
      text += texts::kReportWindowMissing;
    } else {
      text += Quoted(*window_tag);
      const auto unit_tag = host->UnitTag(uint32_t(location1), uint32_t(location2));
      text += unit_tag ? Quoted(*unit_tag) : std::string(texts::kReportControlMissing);
    }
  }
  return text + "\r\n";
}

}  // namespace

std::string ComposeErrorReport(const char* message, int32_t code, int32_t location1,
                               int32_t location2) {
  std::string report = texts::kReportHead;
  if (code != 0) report += texts::kReportCodeLine + std::to_string(code) + "\r\n";
  if (message != nullptr && *message != '\0')
    report += texts::kReportMessageLine + std::string(message) + "\r\n";
  return report + LocationText(location1, location2);
}

void RaiseError(const char* message, int32_t code, int32_t location1, int32_t location2) {
  SuppressEvents();  // for good: no handler runs while the box is open or after
  platform::MessageBoxRequest box;
  box.text = ComposeErrorReport(message, code, location1, location2);
  box.caption = texts::kErrorCaption;
  box.style = kErrorBoxStyle;
  platform::ShowMessageBox(box);
  DropExitRoutines();
  RuntimeExit(-1);
}

void RaiseErrorCode(int32_t code, int32_t location1, int32_t location2) {
  const char* message = code >= 1 && code <= 11 ? texts::kNumberedErrors[code - 1] : nullptr;
  RaiseError(message, code, location1, location2);
}

}  // namespace rt
