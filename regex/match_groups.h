// MatchGroups: one match found again, with what each capture group caught,
// so a match can be described long after its search without keeping the
// records of every match.
#pragma once

#include <cstdint>

#include "runtime/call.h"

namespace regex_service {

// MatchGroups(pattern by reference, text, integer start, integer length): the
// match that SearchAll lists after the match of `length` bytes at byte offset
// `start` (start -1: the first match of the text). A new integer array
// {1, 2 + 2k, start, length, then start and length of each of the k capture
// groups}, offsets from the first byte of the text; a group that took no part
// has start -1 and length 0. The empty array {1, 0} when there is no such
// match, the pattern has no expression or the engine gives up. The caller
// owns the array; running out of memory raises the runtime's error.
void MatchGroups(rt::ResultRecord* result, int32_t count, const rt::ArgRecord* args);

}  // namespace regex_service
