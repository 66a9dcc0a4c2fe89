// What the progress box of a long compile or search says: the texts the
// program gives the service (command SetProgressTexts), and the count line
// made from a search's published count.
#pragma once

#include <cstddef>
#include <string>

#include "runtime/call.h"

namespace regex_service {

// SetProgressTexts(waiting line, found prefix, found suffix, cancel caption):
// the box of every later compile and search shows the waiting line until a
// search has counted, then found prefix + the count + found suffix, and a
// cancel button with the caption. The texts are copied. Until it is called,
// every text is empty.
void SetProgressTexts(rt::ResultRecord* result, int32_t count, const rt::ArgRecord* args);

// The box's line before a search counts, and its cancel button's caption.
const std::string& WaitingLine();
const std::string& CancelCaption();
// The box's line once a search has found `found` matches.
std::string FoundLine(size_t found);

}  // namespace regex_service
