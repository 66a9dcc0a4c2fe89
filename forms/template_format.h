// The byte format of the stored window templates: one reader and one writer
// over a single field layout.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "forms/template_model.h"

namespace forms {

// Decodes the whole template data; nullopt when the data ends early or holds
// an impossible length or offset (never reads outside [data, data + size)).
std::optional<std::vector<WindowTemplate>> ReadTemplates(const uint8_t* data, size_t size);

// Encodes windows into template data that ReadTemplates decodes back unchanged.
std::vector<uint8_t> WriteTemplates(const std::vector<WindowTemplate>& windows);

}  // namespace forms
