// The match test: 按钮_匹配 searches the source text with the pattern and
// writes a report of every match into 编辑框_匹配文本.
#pragma once

#include "app/runtime_calls.h"

namespace app {

// Event 0 of 按钮_匹配. An empty pattern box only shows "请输入正则表达式".
// When the engine gave the search up early, the report of what it found is
// followed by a message box saying so.
void MatchClicked();

// "共找到 " n " 处匹配：\r\n\r\n" and the match texts joined by the
// line-break marker, or "（没有匹配）". A pattern that does not compile
// matches nothing. Both arguments are borrowed; the caller owns the result.
OwnedText BuildMatchReport(const char* source, const char* pattern);

}  // namespace app
