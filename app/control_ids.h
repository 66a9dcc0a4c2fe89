// The main window's identifiers and the property indices the workbench's
// procedures read and write, under the names the procedures use; each is
// defined once, by the window description and by the forms layer.
#pragma once

#include "forms/registry/property_index.h"
#include "resources/main_window_ids.h"

namespace app {

constexpr uint32_t kMainWindow = resources::kMainWindowId;
constexpr uint32_t kMainWindowUnit = resources::kMainWindowUnitId;
namespace control = resources::control;

namespace property {
constexpr int32_t kText = forms::property_index::kEditBoxText;
constexpr int32_t kTicked = forms::property_index::kCheckBoxTicked;
constexpr int32_t kCurrentItem = forms::property_index::kComboBoxCurrentItem;
constexpr int32_t kCurrentRow = forms::property_index::kReportListCurrentRow;
constexpr int32_t kWholeValue = forms::property_index::kWholeValue;
}  // namespace property

}  // namespace app
