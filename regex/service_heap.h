// Blocks of the service's own heap: the private text copies and the match
// chunks of searches. Blocks of 2 MB or more are aligned to and advised as
// transparent huge pages, so they fault in 2 MB at a time instead of 4 KB,
// which makes their first touch several times cheaper.
#pragma once

#include <cstddef>

namespace regex_service {

// A block of n bytes (not zeroed), or null when there is no room.
void* AllocateServiceBlock(size_t n);
// Frees a block from AllocateServiceBlock of the same n bytes; null does nothing.
void FreeServiceBlock(void* block, size_t n);

}  // namespace regex_service
