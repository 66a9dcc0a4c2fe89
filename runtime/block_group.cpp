// The live block groups, by first address. Runtime memory belongs to the main
// thread, so the registry needs no lock.
#include "runtime/block_group.h"

#include <cstdlib>
#include <iterator>
#include <map>
#include <new>

#include "platform/huge_pages.h"
#include "runtime/memory.h"

namespace rt {
namespace {

// Groups this big hold the results of big searches, written at once.
constexpr int64_t kHugeGroupBytes = 2 * int64_t(platform::kHugePageBytes);

void* AllocateGroupBlock(int64_t n) {
  if (n < kHugeGroupBytes) return RuntimeAlloc(n);
  void* block = platform::AllocateInHugePages(size_t(n));
  if (block == nullptr) RaiseOutOfMemory(n);
  return block;
}

std::map<const char*, size_t>& Groups() {
  static std::map<const char*, size_t> groups;  // first address -> byte size
  return groups;
}

// Plain blocks that own a group since the group's first address was resized.
std::map<const void*, const char*>& Owners() {
  static std::map<const void*, const char*> owners;  // owner -> group's first address
  return owners;
}

}  // namespace

void* RuntimeAllocGroup(int64_t n) {
  void* group = AllocateGroupBlock(n);
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

void PassGroupTo(const void* begin, const void* owner) {
  try {
    Owners().emplace(owner, static_cast<const char*>(begin));
  } catch (const std::bad_alloc&) {
    RaiseOutOfMemory(sizeof(std::pair<const void*, const char*>));
  }
}

const void* TakeGroupOwnedBy(const void* block) {
  auto& owners = Owners();
  if (owners.empty()) return nullptr;
  const auto owned = owners.find(block);
  if (owned == owners.end()) return nullptr;
  const char* group = owned->second;
  owners.erase(owned);
  return group;
}

void FreeGroupOwnedBy(const void* block) {
  const void* group = TakeGroupOwnedBy(block);
  if (group == nullptr) return;
  ForgetGroup(group);
  std::free(const_cast<void*>(group));
}

}  // namespace rt
