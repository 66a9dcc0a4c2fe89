// The live block groups, by first address. Runtime memory belongs to the main
// thread, so the registry needs no lock.
#include "runtime/block_group.h"

#include <cstdlib>
#include <iterator>
#include <map>
#include <new>

#include "runtime/memory.h"

namespace rt {
namespace {

std::map<const char*, size_t>& Groups() {
  static std::map<const char*, size_t> groups;  // first address -> byte size
  return groups;
}

}  // namespace

void* RuntimeAllocGroup(int64_t n) {
  void* group = RuntimeAlloc(n);
  try {
    Groups().emplace(static_cast<const char*>(group), size_t(n > 0 ? n : 1));
  } catch (const std::bad_alloc&) {
    std::free(group);
    RaiseOutOfMemory(n);
  }
  return group;
}

GroupRange GroupContaining(const void* p) {
  const auto& groups = Groups();
  if (groups.empty()) return {};
  const char* address = static_cast<const char*>(p);
  auto after = groups.upper_bound(address);
  if (after == groups.begin()) return {};
  const auto& [begin, size] = *std::prev(after);
  if (address >= begin + size) return {};
  char* start = const_cast<char*>(begin);
  return {start, start + size};
}

void ForgetGroup(const void* begin) { Groups().erase(static_cast<const char*>(begin)); }

}  // namespace rt
