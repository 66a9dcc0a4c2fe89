// The sub-match records of one search as the searching thread appends them:
// chunks that never move once written, and a count of complete matches that
// is published after each append, so another thread may read the first
// published() matches while the search goes on.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>

#include "regex/search_result.h"
#include "regex/stop_checked_iterator.h"

namespace regex_service {

class MatchStore {
 public:
  // Every match holds records_per_match records: the whole match, then each group.
  explicit MatchStore(uint32_t records_per_match) : records_per_match_(records_per_match) {}
  MatchStore(const MatchStore&) = delete;
  MatchStore& operator=(const MatchStore&) = delete;
  ~MatchStore();

  // Appends the records of one match, offsets counted from text_begin. False
  // when no room is left; failed_request() then tells the bytes asked for.
  // Only one thread appends.
  bool Append(const boost::match_results<StopCheckedIterator>& match, const char* text_begin);
  size_t failed_request() const { return failed_request_; }

  // Complete matches so far; their records are readable from any thread.
  size_t published() const { return published_.load(std::memory_order_acquire); }
  // Where the last published match ends, in bytes from text_begin; for
  // showing progress (read apart from the count, so it may be a match ahead).
  size_t published_end() const { return published_end_.load(std::memory_order_relaxed); }
  uint32_t records_per_match() const { return records_per_match_; }

  // Calls visit(const SubMatchRecord* records) for each of the first n
  // matches in order; n must not exceed published().
  template <class Visit>
  void ForEach(size_t n, Visit visit) const;

 private:
  struct Chunk {
    Chunk* next = nullptr;  // written before any match in the next chunk is published
    size_t bytes = 0;       // of the whole chunk, this header included
    size_t capacity = 0;    // matches
    SubMatchRecord* records() { return reinterpret_cast<SubMatchRecord*>(this + 1); }
    const SubMatchRecord* records() const { return reinterpret_cast<const SubMatchRecord*>(this + 1); }
  };

  bool AddChunk();

  const uint32_t records_per_match_;
  Chunk* first_ = nullptr;
  Chunk* last_ = nullptr;   // the appending thread's own
  size_t used_in_last_ = 0;  // the appending thread's own
  size_t failed_request_ = 0;
  std::atomic<size_t> published_ = 0;
  std::atomic<size_t> published_end_ = 0;
};

template <class Visit>
void MatchStore::ForEach(size_t n, Visit visit) const {
  // Only links that published matches lie behind are read: the appending
  // thread may be writing the next one.
  if (n == 0) return;
  for (const Chunk* chunk = first_;; chunk = chunk->next) {
    const size_t here = n < chunk->capacity ? n : chunk->capacity;
    for (size_t i = 0; i < here; ++i) visit(chunk->records() + i * records_per_match_);
    n -= here;
    if (n == 0) return;
  }
}

}  // namespace regex_service
