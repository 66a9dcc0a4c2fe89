// Edit boxes: the text property and its one change event, typing rules,
// CR LF line breaks of multi-line boxes, read-only copying and large texts.
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "forms/edit_box.h"
#include "platform/gbk.h"
#include "tests/forms/kind_harness.h"
#include "tests/test_support.h"

namespace kinds_testing {
namespace {

using testing_support::Gbk;
constexpr uint32_t kEditBoxCode = 0x00010005;
constexpr int32_t kText = 8;

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
  OpenBox(WithInputMode(1, 1));
  WriteText(kText, Gbk("匹配文本"));
  Type("zz");
  EXPECT_EQ(ReadText(kText), Gbk("匹配文本"));
  auto* box = static_cast<QPlainTextEdit*>(Widget());
  EXPECT_TRUE(box->textInteractionFlags() & Qt::TextSelectableByMouse);
  QApplication::clipboard()->clear();
  QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), QString::fromUtf8("匹配文本"));
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

TEST_F(EditBoxTest, TenMegabyteWriteAndReadStayFast) {
  OpenBox(MultiLine());
  std::string text;
  while (text.size() < 10'000'000) text += Gbk("共找到 3 处匹配：abc\r\n");
  QElapsedTimer timer;
  timer.start();
  WriteText(kText, text);
  const qint64 write_ms = timer.restart();
  Type("x");  // forces the read through the document, not the kept bytes
  const qint64 edit_ms = timer.restart();
  const std::string read = ReadText(kText);
  const qint64 read_ms = timer.elapsed();
  EXPECT_EQ(read, "x" + text);
  EXPECT_LT(write_ms + edit_ms + read_ms, 10000);
  std::printf("10 MB: write %lld ms, edit %lld ms, read %lld ms\n", static_cast<long long>(write_ms),
              static_cast<long long>(edit_ms), static_cast<long long>(read_ms));
}

}  // namespace
}  // namespace kinds_testing
