// The multi-line box's view on its own: separators that are the text's own,
// the scroll range after every kind of relayout, long lines held in pieces
// that keys, mouse, undo and copy treat as one line, and the mapping between
// byte offsets of its text and document positions.
#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

#include "forms/multi_line/multi_line_view.h"
#include "forms/multi_line/text_positions.h"
#include "forms/multi_line/text_reader.h"
#include "platform/gbk.h"
#include "tests/test_support.h"

namespace {

using testing_support::Gbk;

std::string NumberedLines(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += (i ? "\r\n" : "") + ("line " + std::to_string(i));
  return text;
}

// The UTF-8 of a GBK text with "\n" for every CR LF, as a copy gives it.
std::string OneBreakPerLine(const std::string& gbk) {
  return platform::GbkToQString(gbk).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).toStdString();
}

// A line of `length` characters, each telling its place: "0123456789" over and over.
std::string CountingLine(size_t length) {
  std::string line(length, '0');
  for (size_t i = 0; i < length; ++i) line[i] = char('0' + i % 10);
  return line;
}

class MultiLineViewTest : public testing::Test {
 protected:
  void SetUp() override {
    window_.resize(320, 120);
    view_ = new forms::MultiLineView(&window_);
    view_->setGeometry(7, 27, 296, 80);
    window_.show();
    view_->setFocus();
  }
  QTextDocument& Document() { return *view_->document(); }
  void Paste(const QString& text) {
    QApplication::clipboard()->setText(text);
    QTest::keyClick(view_, Qt::Key_V, Qt::ControlModifier);
  }
  std::string Copied() {
    QApplication::clipboard()->clear();
    QTest::keyClick(view_, Qt::Key_C, Qt::ControlModifier);
    return QApplication::clipboard()->text().toStdString();
  }
  // How many characters of the text lie before the caret, as the program reads it.
  qsizetype CaretOffset() { return forms::ReadRange(Document(), 0, view_->textCursor().position()).size(); }
  void PutCaretAtOffset(size_t offset) {
    const std::string text = view_->Text();
    forms::TextPositions positions(text, Document());
    QTextCursor cursor(&Document());
    cursor.setPosition(forms::TextPositions::Walk(positions).PositionBefore(offset));
    view_->setTextCursor(cursor);
  }
  int ScrollRange() { return view_->verticalScrollBar()->maximum(); }

  QWidget window_;
  forms::MultiLineView* view_ = nullptr;
};

TEST_F(MultiLineViewTest, TheTextsOwnSeparatorsReadBackAsThemselves) {
  const QString own = QStringLiteral("a") + QChar(QChar::LineSeparator) + QStringLiteral("b") +
                      QChar(QChar::ParagraphSeparator) + QStringLiteral("c") + QChar(0xFDD0) + QStringLiteral("d");
  const std::string own_gbk = platform::QStringToGbk(own);
  view_->ShowText(own_gbk + "\r\n" + NumberedLines(5000));  // grouped: U+2028 is also the box's line break
  view_->moveCursor(QTextCursor::End);
  Paste(QStringLiteral("\r\n") + own);
  QInputMethodEvent commit;
  commit.setCommitString(QString(QChar(QChar::LineSeparator)));
  QCoreApplication::sendEvent(view_, &commit);
  QTest::keyClick(view_, Qt::Key_Return, Qt::ShiftModifier);  // a line break, as Enter
  QTest::keyClick(view_, Qt::Key_Return);
  const std::string line_separator = platform::QStringToGbk(QString(QChar(QChar::LineSeparator)));
  EXPECT_EQ(view_->Text(), own_gbk + "\r\n" + NumberedLines(5000) + "\r\n" + own_gbk + line_separator + "\r\n\r\n");
  view_->selectAll();
  EXPECT_EQ(Copied(), (own + u'\n').toStdString() + OneBreakPerLine(NumberedLines(5000)) + "\n" +
                          (own + QChar(QChar::LineSeparator) + u'\n' + u'\n').toStdString());
  for (int i = 0; i < 3; ++i) view_->undo();  // the two breaks, the commit: the paste is left
  view_->undo();
  view_->redo();  // the paste again, its separators still the text's own
  EXPECT_EQ(view_->Text(), own_gbk + "\r\n" + NumberedLines(5000) + "\r\n" + own_gbk);
}

TEST_F(MultiLineViewTest, ScrollRangeCountsLinesAfterEveryRelayout) {
  const std::pair<const char*, std::function<void(forms::MultiLineView&)>> relayouts[] = {
      {"width", [](auto& view) { view.resize(200, view.height()); }},
      {"wrap mode", [](auto& view) {
         view.setLineWrapMode(QPlainTextEdit::NoWrap);
         view.setLineWrapMode(QPlainTextEdit::WidgetWidth);
       }},
      {"word wrap", [](auto& view) { view.setWordWrapMode(QTextOption::WrapAnywhere); }},
      {"zoom", [](auto& view) { view.zoomIn(3); }},
      {"font", [](auto& view) { view.setFont(QFont(view.font().family(), 15)); }},
  };
  for (const auto& [name, relayout] : relayouts) {
    SCOPED_TRACE(name);
    view_->ShowText(NumberedLines(10000));
    relayout(*view_);
    QApplication::processEvents();
    EXPECT_GT(ScrollRange(), 9900);
    view_->moveCursor(QTextCursor::End);
    const QTextBlock bottom = view_->cursorForPosition(QPoint(2, view_->viewport()->height() - 4)).block();
    EXPECT_EQ(bottom.blockNumber(), Document().blockCount() - 1);
  }
}

// Before Qt lays the pieces of a long line out, the range counts the lines
// they will fill, not one line a piece, for Latin and for wider CJK text.
TEST_F(MultiLineViewTest, ScrollRangeOfALongLineCountsTheLinesItWrapsTo) {
  std::string chinese;
  while (chinese.size() < (1 << 20)) chinese += Gbk("中文");
  for (const std::string& line : {CountingLine(1 << 20), chinese}) {
    view_->ShowText(line);
    QApplication::processEvents();
    const int estimated = ScrollRange();
    for (QTextBlock block = Document().begin(); block.isValid(); block = block.next())
      Document().documentLayout()->blockBoundingRect(block);  // lays every piece out
    QApplication::processEvents();
    EXPECT_GT(estimated, ScrollRange() * 3 / 4);
    EXPECT_LT(estimated, ScrollRange() * 4 / 3);
  }
}

TEST_F(MultiLineViewTest, ALongLineInPiecesIsOneLineToKeysMouseUndoAndCopy) {
  const std::string line = CountingLine(40'000);
  view_->ShowText(line + "\r\nnext");
  ASSERT_GE(Document().blockCount(), 4);  // the pieces of the line, and the next line
  for (QTextBlock block = Document().begin(); block.isValid(); block = block.next())
    EXPECT_LE(block.length(), 16 * 1024 + 1);
  const size_t meeting = 16 * 1024;  // where the first piece ends
  PutCaretAtOffset(meeting - 1);
  QTest::keyClick(view_, Qt::Key_Right);
  QTest::keyClick(view_, Qt::Key_Right);
  EXPECT_EQ(CaretOffset(), meeting + 1);
  QTest::keyClick(view_, Qt::Key_Left);
  QTest::keyClick(view_, Qt::Key_Left, Qt::ShiftModifier);
  EXPECT_EQ(Copied(), line.substr(meeting - 1, 1));
  PutCaretAtOffset(meeting);
  QTest::keyClick(view_, Qt::Key_Backspace);
  QTest::keyClick(view_, Qt::Key_Delete);
  EXPECT_EQ(view_->Text(), line.substr(0, meeting - 1) + line.substr(meeting + 1) + "\r\nnext");
  view_->undo();
  view_->undo();
  EXPECT_EQ(view_->Text(), line + "\r\nnext");
  PutCaretAtOffset(meeting);  // an input method sees the line and replaces the character before the caret
  EXPECT_EQ(view_->inputMethodQuery(Qt::ImTextBeforeCursor).toString().right(3).toStdString(),
            line.substr(meeting - 3, 3));
  QInputMethodEvent replace;
  replace.setCommitString(QStringLiteral("#"), -1, 1);
  QCoreApplication::sendEvent(view_, &replace);
  EXPECT_EQ(view_->Text(), line.substr(0, meeting - 1) + "#" + line.substr(meeting) + "\r\nnext");
  view_->undo();
  PutCaretAtOffset(10);
  QTest::keyClick(view_, Qt::Key_Right, Qt::ControlModifier);  // the line is one word
  EXPECT_EQ(CaretOffset(), qsizetype(line.size()));
  PutCaretAtOffset(meeting + 100);
  const QPoint on_line = view_->cursorRect().center();
  QTest::mouseDClick(view_->viewport(), Qt::LeftButton, {}, on_line);
  EXPECT_TRUE(Copied() == line);
  QTest::mouseClick(view_->viewport(), Qt::LeftButton, {}, on_line);  // the third click
  EXPECT_TRUE(Copied() == line + "\n");
}

// Pieces of a line that is not wrapped would show as lines of their own.
TEST_F(MultiLineViewTest, ABoxThatDoesNotWrapHoldsALongLineInOneBlock) {
  view_->setLineWrapMode(QPlainTextEdit::NoWrap);
  view_->ShowText(CountingLine(40'000));
  Paste(QString::fromStdString(CountingLine(40'000)));
  EXPECT_EQ(Document().blockCount(), 1);
}

TEST_F(MultiLineViewTest, APasteOfManyLinesIsGroupedAndOneUndoStep) {
  view_->ShowText("x");
  view_->moveCursor(QTextCursor::End);
  Paste(QString::fromStdString(NumberedLines(10000)));
  EXPECT_LT(Document().blockCount(), 1000);
  EXPECT_EQ(view_->Text(), "x" + NumberedLines(10000));
  EXPECT_GT(ScrollRange(), 9900);
  view_->undo();
  EXPECT_EQ(view_->Text(), "x");
}

// Qt gives typed text the character format beside it, which may be a
// separator's mark: a line break typed after such text is a line break still.
TEST_F(MultiLineViewTest, ALineBreakTypedAfterTextThatTookAMarkBreaksTheLine) {
  const std::string line = CountingLine(40'000);
  view_->ShowText(line);
  const QTextBlock second_piece = Document().firstBlock().next();
  QTextCursor cursor(&Document());
  cursor.setPosition(second_piece.position());
  cursor.setPosition(second_piece.position() + second_piece.length() - 1, QTextCursor::KeepAnchor);
  view_->setTextCursor(cursor);
  QTest::keyClick(view_, Qt::Key_Delete);  // an empty piece takes the mark of the separator before it
  QTest::keyClicks(view_, "ab");
  QTest::keyClick(view_, Qt::Key_Return);
  QTest::keyClicks(view_, "cd");
  EXPECT_TRUE(view_->Text() == line.substr(0, 16 * 1024) + "ab\r\ncd" + line.substr(32 * 1024));
  const std::string line_separator = platform::QStringToGbk(QString(QChar(QChar::LineSeparator)));
  view_->ShowText("x" + line_separator);  // text typed after the text's own U+2028 takes its mark
  view_->moveCursor(QTextCursor::End);
  QTest::keyClicks(view_, "y");
  QTest::keyClick(view_, Qt::Key_Return);
  EXPECT_EQ(view_->Text(), "x" + line_separator + "y\r\n");
}

// Every character of the text, as the test lays it out, is found at the
// positions the walk gives for its bytes, and its bytes at the positions.
void ExpectPositionsFollowTheCharacters(const std::vector<std::string>& characters, forms::MultiLineView& view) {
  std::string text;
  for (const std::string& c : characters) text += c;
  view.ShowText(text);
  forms::TextPositions positions(text, *view.document());
  forms::TextPositions::Walk walk(positions), backwards(positions);
  size_t offset = 0;
  for (const std::string& c : characters) {
    SCOPED_TRACE(testing::Message() << "offset " << offset);
    const int before = walk.PositionBefore(offset);
    EXPECT_EQ(walk.PositionBefore(offset + c.size() / 2), before);  // a byte inside the character
    const int after = walk.PositionAfter(offset + c.size());
    const QString shown = c == "\r\n" || c == "\r" || c == "\n" ? QString(QChar(QChar::ParagraphSeparator))
                                                                  : platform::GbkToQString(c);
    EXPECT_EQ(after - before, shown.size());
    EXPECT_EQ(view.document()->characterAt(before), shown[0]);
    EXPECT_EQ(backwards.OffsetAt(before), offset);
    offset += c.size();
  }
}

TEST_F(MultiLineViewTest, ByteOffsetsMapToTheirCharactersAndBack) {
  const std::string supplementary = "\x95\x32\x82\x36";  // U+20000, two UTF-16 units
  const std::string line_separator = platform::QStringToGbk(QString(QChar(QChar::LineSeparator)));
  ExpectPositionsFollowTheCharacters({"a", Gbk("中"), "\r\n", "b", "\r", "c", "\n", supplementary, line_separator,
                                      "\xFF", "\x80", Gbk("文"), "\r\n", "d"},
                                     *view_);
  std::vector<std::string> long_line(40'000, "x");
  long_line[16 * 1024 - 1] = Gbk("中");  // a double-byte character at the end of the first piece
  long_line.push_back("\r\n");
  long_line.push_back("e");
  ExpectPositionsFollowTheCharacters(long_line, *view_);
}

}  // namespace
