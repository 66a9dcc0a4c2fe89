// The shape of a text as a multi-line box lays it out: how many line breaks
// it holds and how long its longest line is, measured before the text is
// handed to Qt so the box can choose how to show it.
#pragma once

#include <cstddef>
#include <string_view>

namespace forms {

struct TextShape {
  size_t line_breaks = 0;   // CR LF, a lone CR and a lone LF count once each
  size_t longest_line = 0;  // in code units (GBK bytes or UTF-16 units), break excluded
};

TextShape MeasureText(std::string_view gbk);
TextShape MeasureText(std::u16string_view text);

}  // namespace forms
