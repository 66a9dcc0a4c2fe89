// Lays the results of one search out in a single block group.
#include "regex/result_set.h"

#include <cstdint>
#include <cstring>
#include <new>

#include "regex/runtime_link.h"
#include "runtime/values.h"

namespace regex_service {
namespace {

constexpr size_t AlignedToPointer(size_t n) { return (n + sizeof(void*) - 1) & ~(sizeof(void*) - 1); }

}  // namespace

void* MakeResultSet(const MatchStore* matches, size_t n, const SearchedText& searched) {
  if (matches == nullptr) n = 0;
  const uint32_t records = matches ? matches->records_per_match() : 0;
  const size_t array_bytes = rt::ArrayHeaderSize(1) + n * sizeof(void*);
  // One slot per match: the SearchResult block's pointer word, then its object.
  const size_t slot_bytes = AlignedToPointer(sizeof(void*) + ResultObjectSize(records));
  auto* group = static_cast<char*>(AllocateRuntimeGroup(array_bytes + sizeof(SearchedText) + n * slot_bytes));
  if (group == nullptr) return nullptr;

  const uint32_t header[2] = {1, uint32_t(n)};
  std::memcpy(group, header, sizeof header);
  auto* bounds = new (group + array_bytes) SearchedText(searched);
  if (n == 0) return group;
  char* slot = group + array_bytes + sizeof(SearchedText);
  size_t index = 0;
  matches->ForEach(n, [&](const SubMatchRecord* match) {
    auto* object = new (slot + sizeof(void*)) ResultObject{bounds, records};
    std::memcpy(object->records(), match, records * sizeof(SubMatchRecord));
    SetResultObjectIn(slot, object);
    rt::SetArrayPointerAt(group, int64_t(index++), slot);
    slot += slot_bytes;
  });
  return group;
}

}  // namespace regex_service
