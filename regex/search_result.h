// The SearchResult: a runtime block holding one pointer to a result object
// with the sub-match records of one match, and the commands that read and
// destruct it.
#pragma once

#include <cstdint>

#include <boost/regex.hpp>

#include "runtime/call.h"

namespace regex_service {

// One sub-match, in bytes from the first byte of the searched text. A group
// that took no part has matched 0 and length 0.
struct SubMatchRecord {
  int32_t start;
  int32_t length;
  int32_t matched;
};

// Result object layout, one block of the service's own heap:
//   uint32 count
//   SubMatchRecord records[count]   record 0 the whole match, then each capture group
struct ResultObject {
  uint32_t count;

  SubMatchRecord* records() { return reinterpret_cast<SubMatchRecord*>(this + 1); }
  const SubMatchRecord* records() const { return reinterpret_cast<const SubMatchRecord*>(this + 1); }
};

// New result object for a match, offsets counted from text_begin; null when
// the heap is exhausted. Free it with DeleteResultObject.
ResultObject* NewResultObject(const boost::cmatch& match, const char* text_begin);
void DeleteResultObject(ResultObject* object);

// The pointer word of a SearchResult block (may be unaligned, so memcpy).
ResultObject* ResultObjectIn(const void* block);
void SetResultObjectIn(void* block, ResultObject* object);

// Commands. Argument 1 of each is the SearchResult by reference (the address of its block).
// SearchResultDestruct: frees the result object and clears the word; the block
// stays with the caller, who frees it with RuntimeFree.
void SearchResultDestruct(rt::ResultRecord* result, int32_t count, const rt::ArgRecord* args);
// ResultMatchText(result, searched text, optional integer variable by reference):
// a new text (caller owns) with the whole match's bytes, null when empty. The
// variable receives the 0-based start. Only bytes inside the given text are
// read: a match reaching past it yields the part inside, or null.
void ResultMatchText(rt::ResultRecord* result, int32_t count, const rt::ArgRecord* args);
// Forgets what ResultMatchText knows about the text it read last; every new
// search starts afresh, so a text freed and replaced between two searches
// is measured again.
void ForgetCheckedText();

}  // namespace regex_service
