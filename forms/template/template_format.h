// The byte format of the stored window templates: one reader and one writer
// over a single field layout.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "forms/template/template_model.h"

namespace forms {

// Decodes the whole template data; nullopt when the data ends early or holds
// an impossible length, count or offset: a window without units, a record
// outside its unit area or sharing bytes with another record. Never reads
// outside [data, data + size); bytes after the last window are ignored.
std::optional<std::vector<WindowTemplate>> ReadTemplates(const uint8_t* data, size_t size);

// Encodes windows into template data that ReadTemplates decodes back
// unchanged, given that every window has at least its own unit.
std::vector<uint8_t> WriteTemplates(const std::vector<WindowTemplate>& windows);

}  // namespace forms
