// Line breaks and the longest line of a text, in one pass.
#include "forms/multi_line/text_shape.h"

#include <algorithm>

namespace forms {
namespace {

template <class Char>
TextShape Measure(std::basic_string_view<Char> text) {
  TextShape shape;
  size_t line_start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != Char('\r') && text[i] != Char('\n')) continue;
    shape.longest_line = std::max(shape.longest_line, i - line_start);
    ++shape.line_breaks;
    if (text[i] == Char('\r') && i + 1 < text.size() && text[i + 1] == Char('\n')) ++i;
    line_start = i + 1;
  }
  shape.longest_line = std::max(shape.longest_line, text.size() - line_start);
  return shape;
}

}  // namespace

TextShape MeasureText(std::string_view gbk) { return Measure(gbk); }
TextShape MeasureText(std::u16string_view text) { return Measure(text); }

}  // namespace forms
