// Big blocks in transparent huge pages: the system's memory for the runtime's
// big result groups and the regex service's big match chunks.
#pragma once

#include <cstddef>

namespace platform {

// Big blocks that are written at once (the results of big searches) are
// aligned to and advised as transparent huge pages, so they fault in 2 MB at
// a time instead of 4 KB, which makes their first touch several times
// cheaper. Null when there is no room; freed with std::free. Any thread.
constexpr size_t kHugePageBytes = size_t(2) << 20;
void* AllocateInHugePages(size_t n);

}  // namespace platform
