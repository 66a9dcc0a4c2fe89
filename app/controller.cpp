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

// This program has no initialisation or exit work of its own; the routines
// exist so that start-up keeps its order of steps.
void FirstInitialisation() {}
void NothingToInitialise() {}
void SecondInitialisation() { NothingToInitialise(); }
void ExitRoutine() {}

bool HoldsIgnoreCase(const char* pattern) {
  return FindText(pattern, constants::kIgnoreCasePrefix) != -1;
}

}  // namespace

int Start() {
  StartUp();
  rt::Runtime().end_program();
  return 0;
}

void StartUp() {
  const rt::RuntimeEntryTable& runtime = rt::Runtime();
  runtime.service_call(rt::service::kInitialise, 0, 0);
  std::fesetenv(FE_DFL_ENV);
  FirstInitialisation();
  runtime.service_call(rt::service::kRegisterExitRoutine, reinterpret_cast<intptr_t>(&ExitRoutine), 0);
  SecondInitialisation();
  runtime.load_window(kMainWindow);
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
