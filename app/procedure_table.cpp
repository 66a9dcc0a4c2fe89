// Each handler stands at the offset the window's bindings store for it.
#include "app/procedure_table.h"

#include <array>

#include "app/code_snippets.h"
#include "app/controller.h"
#include "app/match_tool.h"
#include "app/pattern_builder.h"
#include "app/preset_catalogue.h"
#include "resources/main_window_ids.h"

namespace app {
namespace {

constexpr auto kProcedures = [] {
  using enum resources::MainWindowHandler;
  std::array<rt::Procedure, size_t(kCount)> at{};
  at[size_t(kWindowCreated)] = &FillPresetList;  // the window-created event only fills the list
  at[size_t(kIgnoreCaseToggle)] = &IgnoreCaseToggled;
  at[size_t(kPresetRow)] = &PresetRowFocused;
  at[size_t(kCountGuard)] = &CountGuard;
  at[size_t(kMatch)] = &MatchClicked;
  at[size_t(kCodeSnippet)] = &SnippetClicked;
  at[size_t(kPatternBuilder)] = &BuildClicked;
  return at;
}();

constexpr rt::ProcedureTable kTable{kProcedures.data(), uint32_t(kProcedures.size())};

}  // namespace

const rt::ProcedureTable& WorkbenchProcedures() { return kTable; }

}  // namespace app
