// Mouse pointers from a unit's stored pointer data: 4 bytes hold a standard
// pointer number, longer data is a pointer file.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

class QCursor;

namespace forms {

// The pointer the data describes; null for empty data, number 0 (the
// default pointer), an unknown number or a file Qt cannot read.
std::unique_ptr<QCursor> MakeMousePointer(const std::vector<uint8_t>& data);

}  // namespace forms
