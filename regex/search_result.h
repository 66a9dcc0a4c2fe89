// The SearchResult: a runtime block holding one pointer to a result object
// with the sub-match records of one match, and the commands that read and
// destruct it.
#pragma once

#include <cstddef>
#include <cstdint>

#include "runtime/call.h"

namespace regex_service {

// One sub-match, in bytes from the first byte of the searched text. A group
// that took no part has matched 0 and length 0.
struct SubMatchRecord {
  int32_t start;
  int32_t length;
  int32_t matched;
};

// The text a search ran over, as its results remember it: the caller's text
// (compared, never read, unless it is handed back) and how many bytes were searched.
struct SearchedText {
  const char* address;
  size_t length;
};

// Result object layout, inside the block group of its search:
//   SearchedText* searched          shared by every result of the search
//   uint32 count
//   SubMatchRecord records[count]   record 0 the whole match, then each capture group
struct ResultObject {
  const SearchedText* searched;
  uint32_t count;

  SubMatchRecord* records() { return reinterpret_cast<SubMatchRecord*>(&count + 1); }
  const SubMatchRecord* records() const { return reinterpret_cast<const SubMatchRecord*>(&count + 1); }
};

// Bytes of a result object with count records.
constexpr size_t ResultObjectSize(uint32_t count) {
  return offsetof(ResultObject, count) + sizeof(uint32_t) + count * sizeof(SubMatchRecord);
}

// The pointer word of a SearchResult block (may be unaligned, so memcpy).
ResultObject* ResultObjectIn(const void* block);
void SetResultObjectIn(void* block, ResultObject* object);

// Commands. Argument 1 of each is the SearchResult by reference (the address of its block).
// SearchResultDestruct: clears the word; the object's storage goes with the
// search's results when the caller frees the array, and the block stays with
// the caller, who frees it with RuntimeFree.
void SearchResultDestruct(rt::ResultRecord* result, int32_t count, const rt::ArgRecord* args);
// ResultMatchText(result, searched text, optional integer variable by reference):
// a new text (caller owns) with the whole match's bytes, null when empty. The
// variable receives the 0-based start. The searched text is read at the
// match's offsets; any other text only up to its own end: a match reaching
// past it yields the part inside, or null.
void ResultMatchText(rt::ResultRecord* result, int32_t count, const rt::ArgRecord* args);

}  // namespace regex_service
