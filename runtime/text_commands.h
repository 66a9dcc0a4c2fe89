// The core library's text commands: length, left and right parts, forward and
// backward search, replacement and splitting of GBK texts. Positions count
// bytes from 1; searches step over whole characters of one, two or four bytes.
#pragma once

#include "runtime/call.h"

namespace rt {

// (text) -> integer byte count.
void TextLength(ResultRecord* result, int32_t count, const ArgRecord* args);
// (text, n) -> new text of the first min(n, length) bytes; null when n <= 0.
void LeftText(ResultRecord* result, int32_t count, const ArgRecord* args);
// (text, n) -> new text of the last min(n, length) bytes; null when n <= 0.
void RightText(ResultRecord* result, int32_t count, const ArgRecord* args);
// (text, sought, [start = 1], [ignore case]) -> position of the first match
// from start, or -1. An empty sought text gives 1 when there is anything to scan.
void FindText(ResultRecord* result, int32_t count, const ArgRecord* args);
// (text, sought, [start = end], [ignore case]) -> position of the last match
// lying wholly within the first start - 1 bytes, or -1.
void FindTextReverse(ResultRecord* result, int32_t count, const ArgRecord* args);
// (text, sought, [replacement = ""], [start = 1], [count = all], [case-sensitive])
// -> new text with matches from start replaced; the caller owns it.
void ReplaceSubtext(ResultRecord* result, int32_t count, const ArgRecord* args);
// (text, [separator = ","], [maximum parts = unlimited]) -> new one-dimensional
// array of texts, owned by the caller with its elements.
void SplitText(ResultRecord* result, int32_t count, const ArgRecord* args);

}  // namespace rt
