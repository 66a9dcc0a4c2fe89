// Reading and writing control properties by WindowId, ControlId and index:
// 0-7 are common to every kind and kept in the unit record, 8 and up go to
// the kind's property table. Missing windows are run-time errors.
#pragma once

#include <cstdint>

namespace forms {

// The common indices, and the kind entries the workbench addresses (index
// 8 + i is entry i of the kind's table). kWholeValue is the member argument
// of any property but a font member.
namespace property_index {
enum Common : int32_t { kLeft, kTop, kWidth, kHeight, kTag, kVisible, kDisabled, kMousePointer, kFirstKindIndex };
constexpr int32_t kEditBoxText = kFirstKindIndex + 0, kCheckBoxTicked = kFirstKindIndex + 10;  // ticked: 1 or 0
constexpr int32_t kComboBoxCurrentItem = kFirstKindIndex + 11, kReportListCurrentRow = kFirstKindIndex + 27;
constexpr int32_t kWholeValue = -1;
}  // namespace property_index

// The property as a 64-bit word (see property_values.h for its meaning by
// type code); the caller owns texts and byte-sets it returns.
uint64_t ReadProperty(uint32_t window_id, uint32_t control_id, int32_t index, int32_t member);
// Writes the property; the caller keeps what it passed. A kind property
// whose kind asks for it rebuilds the control with events suppressed.
void WriteProperty(uint32_t window_id, uint32_t control_id, int32_t index, int32_t member, uint64_t value);

// Limits of stored coordinates and sizes.
constexpr int32_t kCoordinateLimit = 32627;

}  // namespace forms
