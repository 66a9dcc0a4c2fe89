// Edit boxes: the text property and its one change event, typing rules,
// CR LF line breaks of multi-line boxes, read-only copying and large texts.

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>

#include "forms/kinds/edit_box.h"
#include "platform/gbk.h"
#include "tests/forms/kind_harness.h"
#include "tests/test_support.h"

// Lets a failed allocation return null under AddressSanitizer, so that the
// out-of-memory path is what runs.
extern "C" const char* __asan_default_options() { return "allocator_may_return_null=1"; }

namespace kinds_testing {
namespace {

using testing_support::Gbk;
constexpr uint32_t kEditBoxCode = 0x00010005;
constexpr int32_t kText = forms::property_index::kEditBoxText;

forms::EditBoxSettings MultiLine() {
  forms::EditBoxSettings settings;
  settings.multi_line = 1;
  settings.scroll_bars = 2;
  return settings;
}
forms::EditBoxSettings WithInputMode(uint32_t input_mode, uint32_t multi_line = 0) {
  forms::EditBoxSettings settings;
  settings.input_mode = input_mode;
  settings.multi_line = multi_line;
  return settings;
}
forms::EditBoxSettings ReadOnlyMultiLine() {
  forms::EditBoxSettings settings = MultiLine();
  settings.input_mode = 1;
  return settings;
}
// "line 0" CR LF "line 1" ... "line <count - 1>": thousands of lines take
// the road that groups many lines per block.
std::string NumberedLines(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += (i ? "\r\n" : "") + ("line " + std::to_string(i));
  return text;
}

class EditBoxTest : public KindTest {
 protected:
  void OpenBox(const forms::EditBoxSettings& settings) {
    OpenWith(kEditBoxCode, forms::WriteSettings(settings), {10, 10, 150, 60});
  }
  QString ShownText() {
    if (auto* line = qobject_cast<QLineEdit*>(Widget())) return line->text();
    return static_cast<QPlainTextEdit*>(Widget())->toPlainText();
  }
  void Type(const QString& keys) {
    Widget()->setFocus();
    QTest::keyClicks(Widget(), keys);
  }
  static QPlainTextEdit* Box() { return static_cast<QPlainTextEdit*>(Widget()); }
  // What Ctrl+C puts into the clipboard, as UTF-8.
  static std::string CopiedByKeyboard() {
    QApplication::clipboard()->clear();
    QTest::keyClick(Widget(), Qt::Key_C, Qt::ControlModifier);
    return QApplication::clipboard()->text().toStdString();
  }
};

TEST_F(EditBoxTest, ProgramWriteRaisesExactlyOneEventAlsoWhenUnchanged) {
  for (uint32_t multi_line : {0u, 1u}) {
    SCOPED_TRACE(multi_line);
    forms::EditBoxSettings settings;
    settings.multi_line = multi_line;
    OpenBox(settings);
    EventCount() = 0;
    WriteText(kText, "1");
    EXPECT_EQ(EventCount(), 1);
    WriteText(kText, "1");
    EXPECT_EQ(EventCount(), 2);
    EXPECT_EQ(ReadText(kText), "1");
    Write(kText, 0);  // null is the empty text
    EXPECT_EQ(EventCount(), 3);
    EXPECT_EQ(Read(kText), 0u);
    TearDown();
    SetUp();
  }
}

TEST_F(EditBoxTest, WriteFromOwnChangeHandlerRunsItOnceMoreAndSettles) {
  OpenBox(forms::EditBoxSettings{});
  std::vector<std::string> seen;
  OnEvent() = [&] {
    seen.push_back(ReadText(kText));
    if (seen.back() != "1") WriteText(kText, "1");
  };
  WriteText(kText, "abc");
  EXPECT_EQ(seen, (std::vector<std::string>{"abc", "1"}));
  EXPECT_EQ(ReadText(kText), "1");
  EXPECT_EQ(ShownText(), "1");
}

TEST_F(EditBoxTest, ProgramWriteIsKeptWholeWhateverTheMaximumLength) {
  forms::EditBoxSettings settings;
  settings.max_length = 3;
  OpenBox(settings);
  const std::string long_text(40000, 'x');  // also past QLineEdit's default limit of 32767
  WriteText(kText, long_text);
  EXPECT_EQ(ReadText(kText), long_text);
  EXPECT_EQ(ShownText().size(), 40000);
  WriteText(kText, "12");
  Type("345");
  EXPECT_EQ(ReadText(kText), "123");  // typing stops at the limit
}

TEST_F(EditBoxTest, EachUserEditRaisesOneEvent) {
  for (uint32_t multi_line : {0u, 1u}) {
    SCOPED_TRACE(multi_line);
    forms::EditBoxSettings settings;
    settings.multi_line = multi_line;
    OpenBox(settings);
    Type("ab");
    EXPECT_EQ(EventCount(), 2);
    QTest::keyClick(Widget(), Qt::Key_Backspace);
    EXPECT_EQ(EventCount(), 3);
    EXPECT_EQ(ReadText(kText), "a");
    TearDown();
    SetUp();
  }
}

TEST_F(EditBoxTest, IntegerModesRefuseTypedCharactersOutsideDigitsAndMinus) {
  for (uint32_t mode : {3u, 6u, 7u, 8u}) {
    for (uint32_t multi_line : {0u, 1u}) {
      SCOPED_TRACE(testing::Message() << "mode " << mode << " multi-line " << multi_line);
      OpenBox(WithInputMode(mode, multi_line));
      Type("a7-x.9 ");
      EXPECT_EQ(ReadText(kText), "7-9");
      EXPECT_EQ(EventCount(), 3);
      QTest::keyClick(Widget(), Qt::Key_Backspace);  // control characters pass
      EXPECT_EQ(ReadText(kText), "7-");
      TearDown();
      SetUp();
    }
  }
}

TEST_F(EditBoxTest, PastedTextIsNotFiltered) {
  OpenBox(WithInputMode(3));
  QApplication::clipboard()->setText(QStringLiteral("ab1"));
  Widget()->setFocus();
  QTest::keyClick(Widget(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(ReadText(kText), "ab1");
}

TEST_F(EditBoxTest, InputMethodCommitsFollowTheTypingRules) {
  OpenBox(WithInputMode(3));
  Widget()->setFocus();
  QInputMethodEvent commit;
  commit.setCommitString(QStringLiteral("1a2"));
  QCoreApplication::sendEvent(Widget(), &commit);
  EXPECT_EQ(ReadText(kText), "12");
}

TEST_F(EditBoxTest, CaseConversionChangesTypedLettersOnly) {
  const struct { uint32_t conversion; const char* expected; } cases[] = {
      {0, "aB1"}, {1, "ab1"}, {2, "AB1"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.conversion);
    forms::EditBoxSettings settings;
    settings.case_conversion = c.conversion;
    OpenBox(settings);
    Type("aB1");
    EXPECT_EQ(ReadText(kText), c.expected);
    WriteText(kText, "xY");  // program writes are not converted
    EXPECT_EQ(ReadText(kText), "xY");
    TearDown();
    SetUp();
  }
}

TEST_F(EditBoxTest, MultiLineShowsCrLfAsLineBreakAndHandsItOutAsCrLf) {
  OpenBox(MultiLine());
  WriteText(kText, "one\r\ntwo");
  auto* box = static_cast<QPlainTextEdit*>(Widget());
  EXPECT_EQ(box->document()->blockCount(), 2);
  box->setFocus();
  box->moveCursor(QTextCursor::End);
  QTest::keyClick(box, Qt::Key_Return);
  QTest::keyClicks(box, "3");
  EXPECT_EQ(ReadText(kText), "one\r\ntwo\r\n3");
}

TEST_F(EditBoxTest, MultiLineReadKeepsCharactersPlainTextWouldChange) {
  OpenBox(MultiLine());
  const std::string no_break_space = platform::QStringToGbk(QString(QChar(0x00A0)));
  WriteText(kText, "a" + no_break_space + "b");
  Type("c");  // after a user edit the text is read from the document
  EXPECT_EQ(ReadText(kText), "ca" + no_break_space + "b");
}

TEST_F(EditBoxTest, BytesThatAreNotGbkSurviveWriteAndRead) {
  for (uint32_t multi_line : {0u, 1u}) {
    SCOPED_TRACE(multi_line);
    forms::EditBoxSettings settings;
    settings.multi_line = multi_line;
    OpenBox(settings);
    const std::string half_character = "ab\xB0";
    WriteText(kText, half_character);
    EXPECT_EQ(ReadText(kText), half_character);
    TearDown();
    SetUp();
  }
}

TEST_F(EditBoxTest, ReadOnlyMultiLineRefusesTypingButCopiesByKeyboard) {
  // A short text, and a long report whose copy holds one "\n" per line break.
  for (const std::string& text : {Gbk("匹配文本"), NumberedLines(10000)}) {
    OpenBox(WithInputMode(1, 1));
    WriteText(kText, text);
    Type("zz");
    EXPECT_EQ(ReadText(kText), text);
    EXPECT_TRUE(Box()->textInteractionFlags() & Qt::TextSelectableByMouse);
    QTest::keyClick(Box(), Qt::Key_A, Qt::ControlModifier);
    const QString one_break_per_line =
        platform::GbkToQString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    EXPECT_EQ(CopiedByKeyboard(), one_break_per_line.toStdString());
    TearDown();
    SetUp();
  }
}

TEST_F(EditBoxTest, LongReportScrollsToItsLastLineAlsoAfterAWidthChange) {
  OpenBox(ReadOnlyMultiLine());
  WriteText(kText, NumberedLines(10000));
  Write(2, 200);  // the width: Qt lays the document out anew
  EXPECT_GT(Box()->verticalScrollBar()->maximum(), 9900);  // the range counts lines, not blocks
  Box()->setFocus();
  QTest::keyClick(Box(), Qt::Key_End, Qt::ControlModifier);
  QTextCursor bottom = Box()->cursorForPosition(QPoint(2, Box()->viewport()->height() - 4));
  bottom.movePosition(QTextCursor::EndOfLine);
  EXPECT_TRUE(bottom.atEnd());
}

TEST_F(EditBoxTest, TripleClickInALongReportSelectsTheLineClicked) {
  OpenBox(ReadOnlyMultiLine());
  WriteText(kText, NumberedLines(10000));
  const QPoint on_line_2 = Box()->cursorRect(Box()->document()->find(QStringLiteral("line 2"))).center();
  QTest::mouseDClick(Box()->viewport(), Qt::LeftButton, {}, on_line_2);
  QTest::mouseClick(Box()->viewport(), Qt::LeftButton, {}, on_line_2);
  EXPECT_EQ(CopiedByKeyboard(), "line 2\n");
}

TEST_F(EditBoxTest, LongLinesWrapAtTheBoxWidth) {
  const std::string megabyte_line(1 << 20, 'x');
  const struct { std::string text; bool pasted; } cases[] = {
      {megabyte_line, false},
      {megabyte_line, true},
      {std::string(500, 'y') + "\r\n" + NumberedLines(10000), false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.text.size() << (c.pasted ? " pasted" : " written"));
    OpenBox(MultiLine());
    if (c.pasted) {
      QApplication::clipboard()->setText(QString::fromStdString(c.text));
      Widget()->setFocus();
      QTest::keyClick(Widget(), Qt::Key_V, Qt::ControlModifier);
    } else {
      WriteText(kText, c.text);
    }
    const QTextBlock first = Box()->document()->firstBlock();
    Box()->document()->documentLayout()->blockBoundingRect(first);  // lays the block out
    qreal widest = 0;
    for (int i = 0; i < first.layout()->lineCount(); ++i)
      widest = std::max(widest, first.layout()->lineAt(i).naturalTextWidth());
    EXPECT_GT(first.layout()->lineCount(), first.text().count(QChar::LineSeparator) + 2);
    EXPECT_LE(widest, Box()->viewport()->width());
    TearDown();
    SetUp();
  }
}

TEST_F(EditBoxTest, NulIsKeptOutOfPastedAndCommittedText) {
  const QString with_nul = QStringLiteral("a") + QChar(0) + QStringLiteral("b");
  for (uint32_t multi_line : {0u, 1u}) {
    SCOPED_TRACE(multi_line);
    OpenBox(WithInputMode(0, multi_line));
    QApplication::clipboard()->setText(with_nul);
    Widget()->setFocus();
    QTest::keyClick(Widget(), Qt::Key_V, Qt::ControlModifier);
    QInputMethodEvent commit;
    commit.setCommitString(with_nul);
    QCoreApplication::sendEvent(Widget(), &commit);
    EXPECT_EQ(ReadText(kText), "abab");
    EXPECT_EQ(ShownText().toStdString(), "abab");
    TearDown();
    SetUp();
  }
}

TEST_F(EditBoxTest, HideSelectionHidesTheHighlightOnceTheFocusLeaves) {
  for (uint32_t hide : {0u, 1u}) {
    SCOPED_TRACE(hide);
    forms::EditBoxSettings settings = MultiLine();
    settings.hide_selection = hide;
    settings.content = "selected text";
    OpenBox(settings);
    Box()->setFocus();
    Box()->selectAll();
    Box()->clearFocus();
    const QImage selected = Box()->grab().toImage();
    Box()->moveCursor(QTextCursor::End);
    EXPECT_EQ(Box()->grab().toImage() == selected, hide == 1);
    TearDown();
    SetUp();
  }
}

TEST_F(EditBoxTest, CreationAppliesWrappingAlignmentContentAndHeight) {
  forms::EditBoxSettings wrapped = MultiLine();
  wrapped.content = Gbk("源文本");
  OpenBox(wrapped);
  auto* box = static_cast<QPlainTextEdit*>(Widget());
  EXPECT_EQ(box->lineWrapMode(), QPlainTextEdit::WidgetWidth);
  EXPECT_EQ(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(ReadText(kText), Gbk("源文本"));
  TearDown();
  SetUp();

  forms::EditBoxSettings single;
  single.alignment = 1;
  OpenWith(kEditBoxCode, forms::WriteSettings(single), {10, 10, 33, 8});
  auto* line = static_cast<QLineEdit*>(Widget());
  EXPECT_TRUE(line->alignment() & Qt::AlignHCenter);
  EXPECT_GE(line->height(), line->fontMetrics().height() + 4);  // raised to hold its text
}

TEST_F(EditBoxTest, TenMegabyteTextReadsBackExactlyAfterAnEdit) {
  OpenBox(MultiLine());
  std::string text;
  while (text.size() < 10'000'000) text += Gbk("共找到 3 处匹配：abc\r\n");
  WriteText(kText, text);
  Type("x");  // forces the read through the document, not the kept bytes
  EXPECT_EQ(ReadText(kText), "x" + text);
}

using EditBoxDeathTest = EditBoxTest;

// Less room than the text itself: the property's copy of it runs out; three
// times the text (room for the copy, and for the trial that went before it,
// which AddressSanitizer holds back a while): the fill of the box does.
TEST_F(EditBoxDeathTest, WriteBeyondTheAddressSpaceEndsInTheOutOfMemoryError) {
  testing_support::PrintMessageBoxesToStderr();
  OpenBox(ReadOnlyMultiLine());
  std::string lines;
  while (lines.size() < 16'000'000) lines += "7\r\n";
  for (const size_t headroom : {lines.size() / 2, 3 * lines.size()}) {
    EXPECT_EXIT(
        {
          testing_support::LeaveAddressSpace(headroom);
          WriteText(kText, lines);
        },
        testing::ExitedWithCode(255), "错误信息：分配 [0-9]+ 字节内存失败!")
        << "headroom " << headroom;
  }
}

TEST_F(EditBoxDeathTest, ReadBeyondTheAddressSpaceEndsInTheOutOfMemoryError) {
  testing_support::PrintMessageBoxesToStderr();
  OpenBox(MultiLine());
  std::string lines;
  while (lines.size() < 16'000'000) lines += "7\r\n";
  WriteText(kText, lines);
  Type("x");  // the read goes through the document
  EXPECT_EXIT(
      {
        testing_support::LeaveAddressSpace(lines.size() / 4);
        ReadText(kText);
      },
      testing::ExitedWithCode(255), "错误信息：分配 [0-9]+ 字节内存失败!");
}

}  // namespace
}  // namespace kinds_testing
