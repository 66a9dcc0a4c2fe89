// Property indices as programs pass them: 0-7 are common to every kind, and
// index 8 + i is entry i of the kind's own table. Named here are the common
// ones and the kind entries the workbench addresses.
#pragma once

#include <cstdint>

namespace forms::property_index {

enum Common : int32_t { kLeft, kTop, kWidth, kHeight, kTag, kVisible, kDisabled, kMousePointer, kFirstKindIndex };

constexpr int32_t kEditBoxText = kFirstKindIndex + 0;
constexpr int32_t kCheckBoxTicked = kFirstKindIndex + 10;       // reads exactly 1 or 0
constexpr int32_t kComboBoxCurrentItem = kFirstKindIndex + 11;  // -1 when none
constexpr int32_t kReportListCurrentRow = kFirstKindIndex + 27; // -1 when none

// The member argument that reads or writes a property whole (not a font member).
constexpr int32_t kWholeValue = -1;

}  // namespace forms::property_index
