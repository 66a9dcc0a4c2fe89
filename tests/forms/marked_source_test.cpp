// A press's marks over a multi-line box: byte offsets mapped through anchors
// laid only as far as asked, to the same places one walk over the whole text
// gives, whether the bytes are the program's write or the document read back,
// over grouped lines, long lines in pieces and characters of every size.
#include <gtest/gtest.h>

#include <QTextDocument>
#include <QWidget>

#include "forms/multi_line/marked_source.h"
#include "forms/multi_line/mark_view.h"
#include "forms/multi_line/multi_line_view.h"
#include "forms/multi_line/text_positions.h"
#include "tests/test_support.h"

namespace {

using testing_support::Gbk;

// Thousands of lines (so the view groups them), one long line in pieces,
// lone CR and LF, an invalid byte, the euro byte and a four-byte character.
std::string MixedText() {
  std::string text;
  for (int i = 0; i < 5000; ++i) text += "line " + std::to_string(i) + Gbk(" 中文") + "\r\n";
  text += std::string(40'000, 'x') + "\r" + "\x81 \x80" + "\x95\x32\x82\x36" + "\n" + Gbk("尾");
  return text;
}

// Matches of 0 to 4 bytes every few bytes, many starting or ending inside a character.
forms::MarkedMatches MatchesIn(const std::string& text) {
  forms::MarkedMatches marks;
  for (size_t at = 0, k = 0; at < text.size(); ++k) {
    const int32_t length = int32_t(std::min<size_t>(k % 5, text.size() - at));
    marks.matches.push_back({int32_t(at), length});
    at += size_t(length) + 1 + k % 7 * 3;
  }
  return marks;
}

// One walk over the whole text: the place of every match.
std::vector<forms::MarkSpan> WalkedSpans(const std::string& text, const forms::MarkedMatches& marks,
                                         const QTextDocument& document) {
  const forms::TextPositions positions(text, document);
  forms::TextPositions::Walk walk(positions);
  std::vector<forms::MarkSpan> spans;
  for (size_t i = 0; i < marks.matches.size(); ++i) {
    const forms::MarkedMatch m = marks.matches[i];
    const int start = walk.PositionBefore(size_t(m.start));
    spans.push_back({start, m.length == 0 ? start : walk.PositionAfter(size_t(m.start + m.length)), i});
  }
  return spans;
}

TEST(MarkedSourceTest, MatchesStandWhereOneWalkOverTheWholeTextPutsThem) {
  QWidget window;
  auto* view = new forms::MultiLineView(&window);
  view->resize(296, 80);
  view->ShowText(MixedText());
  const std::string written = MixedText(), read_back = view->Text();
  for (const std::string* bytes : {&written, &read_back}) {
    const forms::MarkedMatches marks = MatchesIn(*bytes);
    const std::vector<forms::MarkSpan> expected = WalkedSpans(*bytes, marks, *view->document());
    forms::MarkedSource source(forms::MatchMarks(marks), *view->document(), bytes == &written ? bytes : nullptr);
    // Near the end first, so anchors are laid from far back; then the start.
    const forms::MarkSpan& late = expected[expected.size() - 40];
    EXPECT_EQ(source.PositionOf(late.match), late.start);
    EXPECT_EQ(source.SpansIn(0, view->document()->characterCount()), expected);
    for (size_t i = 1; i < expected.size(); i += 97) {
      EXPECT_EQ(source.PositionOf(i), expected[i].start) << i;
      const bool alone = expected[i].start != expected[i].end && expected[i - 1].end <= expected[i].start;
      if (alone) {
        EXPECT_EQ(source.MatchAt(expected[i].start), i) << i;
      }
    }
  }
}

// Text shown as text: markup in a match's description stays as it stands.
TEST(MarkViewTest, ToolTipShowsMarkupAsText) {
  QTextDocument shown;
  shown.setHtml(forms::PlainToolTip("a<b>&amp;\r\n  c"));
  EXPECT_EQ(shown.toPlainText(), QStringLiteral("a<b>&amp;\n  c"));
}

}  // namespace
