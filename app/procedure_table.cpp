// The handler order is fixed by the offsets stored in the window template.
#include "app/procedure_table.h"

#include <iterator>

#include "app/code_snippets.h"
#include "app/controller.h"
#include "app/match_tool.h"
#include "app/pattern_builder.h"
#include "app/preset_catalogue.h"

namespace app {
namespace {

// The window-created event does nothing but fill the preset list.
constexpr rt::Procedure kProcedures[] = {
    &FillPresetList, &IgnoreCaseToggled, &PresetRowFocused, &CountGuard,
    &MatchClicked,   &SnippetClicked,    &BuildClicked,
};

constexpr rt::ProcedureTable kTable{kProcedures, uint32_t(std::size(kProcedures))};

}  // namespace

const rt::ProcedureTable& WorkbenchProcedures() { return kTable; }

}  // namespace app
