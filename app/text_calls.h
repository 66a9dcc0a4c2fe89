// The core library's commands in the forms this program calls them: every
// declared argument passed, the program's fixed choices filled in, results
// owned by the caller.
#pragma once

#include <cstdint>

#include "app/runtime_calls.h"

namespace app {

int32_t TextLength(const char* text);
OwnedText LeftText(const char* text, int32_t n);
OwnedText RightText(const char* text, int32_t n);
// 1-based position of the first occurrence (case-sensitive, from position 1), or -1.
int32_t FindText(const char* text, const char* sought);
// 1-based position of the last occurrence lying wholly before position
// `start` (case-sensitive), or -1.
int32_t FindTextReverse(const char* text, const char* sought, int32_t start);
// Case-sensitive replacement from position 1: the first occurrence only, or every one.
OwnedText ReplaceFirst(const char* text, const char* sought, const char* replacement);
OwnedText ReplaceEvery(const char* text, const char* sought, const char* replacement);
// The array of parts between the separators; free it with FreeTextArray.
void* SplitText(const char* text, const char* separator);
void FreeTextArray(void* array);
OwnedText IntegerToText(int32_t n);
// A box with one OK button, the default caption, owned by the main window.
void ShowPrompt(const char* message);
// The text of item `index` of a combo box of the main window; empty outside the items.
OwnedText ComboItemText(uint32_t control_id, int32_t index);

}  // namespace app
