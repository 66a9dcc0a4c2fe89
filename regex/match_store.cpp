// Chunks grow geometrically up to a fixed size, so a search with few matches
// holds little and one with millions appends without copying.
#include "regex/match_store.h"

#include <algorithm>
#include <cstdlib>
#include <new>

#include "platform/huge_pages.h"

namespace regex_service {
namespace {

using platform::kHugePageBytes;

constexpr size_t kFirstChunkBytes = size_t(1) << 12;

// The largest chunks are one transparent huge page each.
void* AllocateChunk(size_t bytes) {
  if (bytes < kHugePageBytes) return ::operator new(bytes, std::nothrow);
  return platform::AllocateInHugePages(bytes);
}

void FreeChunk(void* memory, size_t bytes) {
  if (bytes < kHugePageBytes) ::operator delete(memory);
  else std::free(memory);
}

SubMatchRecord RecordOf(const boost::sub_match<StopCheckedIterator>& sub, const char* text_begin) {
  if (!sub.matched) return {0, 0, 0};
  return {int32_t(sub.first.get() - text_begin), int32_t(sub.second - sub.first), 1};
}

}  // namespace

MatchStore::~MatchStore() {
  for (Chunk* chunk = first_; chunk != nullptr;) {
    Chunk* next = chunk->next;
    FreeChunk(chunk, chunk->bytes);
    chunk = next;
  }
}

bool MatchStore::AddChunk() {
  const size_t match_bytes = records_per_match_ * sizeof(SubMatchRecord);
  const size_t doubled = last_ == nullptr ? kFirstChunkBytes : std::min(2 * last_->bytes, kHugePageBytes);
  const size_t bytes = std::max(doubled, sizeof(Chunk) + match_bytes);
  void* memory = AllocateChunk(bytes);
  if (memory == nullptr) {
    failed_request_ = bytes;
    return false;
  }
  Chunk* chunk = new (memory) Chunk;
  chunk->bytes = bytes;
  chunk->capacity = (bytes - sizeof(Chunk)) / match_bytes;
  (last_ == nullptr ? first_ : last_->next) = chunk;
  last_ = chunk;
  used_in_last_ = 0;
  return true;
}

bool MatchStore::Append(const boost::match_results<StopCheckedIterator>& match, const char* text_begin) {
  if (last_ == nullptr || used_in_last_ == last_->capacity) {
    if (!AddChunk()) return false;
  }
  SubMatchRecord* records = last_->records() + used_in_last_ * records_per_match_;
  for (uint32_t i = 0; i < records_per_match_; ++i) records[i] = RecordOf(match[int(i)], text_begin);
  ++used_in_last_;
  published_end_.store(size_t(match[0].second.get() - text_begin), std::memory_order_relaxed);
  published_.store(published_.load(std::memory_order_relaxed) + 1, std::memory_order_release);
  return true;
}

}  // namespace regex_service
