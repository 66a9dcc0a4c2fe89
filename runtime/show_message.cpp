// ShowMessage on the platform message box.
#include "runtime/show_message.h"

#include "platform/message_box.h"
#include "runtime/runtime_texts.h"
#include "runtime/to_text.h"
#include "runtime/window_host.h"

namespace rt {
namespace {

constexpr uint32_t kSystemModal = 0x1000;
constexpr uint32_t kTaskModal = 0x2000;
constexpr int kOwnerArgument = 3;

// The owner is a loaded window's platform window. An integer cannot name a
// window on this platform (there are no global window handles), so it gives
// no owner, like any other kind of argument.
void* OwnerWindow(const Args& a) {
  if (a.count() <= kOwnerArgument || a[kOwnerArgument].tag != tag::kWindow) return nullptr;
  WindowHost* host = GetWindowHost();
  return host ? host->PlatformWindow(a[kOwnerArgument].low(), 0) : nullptr;
}

int32_t ButtonCode(int button) { return button >= 1 && button <= 7 ? button - 1 : 0; }

}  // namespace

void ShowMessage(ResultRecord* result, int32_t count, const ArgRecord* args) {
  const Args a(count, args);
  platform::MessageBoxRequest box;
  box.text = ScalarToText(a[0]);
  box.caption = a.present(2) ? ScalarToText(a[2]) : texts::kDefaultMessageCaption;
  box.style = a.low(1);
  if ((box.style & kSystemModal) == 0) box.style |= kTaskModal;
  box.owner = OwnerWindow(a);
  SetInt(result, ButtonCode(platform::ShowMessageBox(box)));
}

}  // namespace rt
