// Start-up through the runtime entry table, and the ignore-case and count
// handlers.
#include "app/controller.h"

#include <cfenv>

#include "app/control_ids.h"
#include "app/runtime_calls.h"
#include "app/text_builder.h"
#include "app/text_calls.h"
#include "resources/constants.h"
#include "runtime/entry_table.h"

namespace app {
namespace {

bool HoldsIgnoreCase(const char* pattern) {
  return FindText(pattern, constants::kIgnoreCasePrefix) != -1;
}

}  // namespace

int Start() {
  StartUp();
  rt::Runtime().end_program();
  return 0;
}

// The program has no initialisation or exit work of its own: the runtime is
// made ready, then the main window is loaded, which fills the preset list
// before the window is first shown.
void StartUp() {
  rt::Runtime().service_call(rt::service::kInitialise, 0, 0);
  std::fesetenv(FE_DFL_ENV);
  rt::Runtime().load_window(kMainWindow);
}

void IgnoreCaseToggled() {
  const bool ticked = IsTicked(control::kIgnoreCase);
  OwnedText pattern = ReadText(control::kPattern);
  if (ticked) {
    if (!HoldsIgnoreCase(pattern.get()))
      WriteText(control::kPattern, Join({constants::kIgnoreCasePrefix, pattern.view()}).get());
  } else if (HoldsIgnoreCase(pattern.get())) {
    WriteText(control::kPattern,
              ReplaceFirst(pattern.get(), constants::kIgnoreCasePrefix, constants::kEmpty).get());
  }
}

void CountGuard() {
  if (ReadText(control::kContainedCount).empty()) WriteText(control::kContainedCount, constants::kOne);
}

}  // namespace app
