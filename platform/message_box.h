// Modal message boxes, with one seam through which tests answer them.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace platform {

// Windows-style button identifiers a box returns.
enum Button : int { kOk = 1, kCancel = 2, kAbort = 3, kRetry = 4, kIgnore = 5, kYes = 6, kNo = 7 };

struct MessageBoxRequest {
  std::string text;     // GBK
  std::string caption;  // GBK
  uint32_t style = 0;   // low nibble: buttons; 0x10 stop, 0x20 question, 0x30 warning, 0x40 information
  void* owner = nullptr;  // a QWidget*, or null
};

// Shows the box modally and returns the button pressed. With an answerer
// installed, the answerer is asked instead; without an application object the
// box is written to standard error and answered with OK.
int ShowMessageBox(const MessageBoxRequest& request);

using MessageBoxAnswerer = std::function<int(const MessageBoxRequest&)>;
// Installs the answerer (an empty function removes it).
void SetMessageBoxAnswerer(MessageBoxAnswerer answerer);

}  // namespace platform
