// Multi-line edit boxes on big texts, in the real main window and through
// the property layer as the program uses them, each beside a plain baseline
// in the same run: writing N lines (plain QPlainTextEdit::setPlainText),
// reading the text back (a plain copy of its bytes), select-all + copy (the
// clipboard taking the same text directly, and Qt's own copy), one 1 MB line
// without breaks (Qt's own box on a 1 MB line of short words, which it wraps
// in linear time), a keystroke and a 10 MB paste (plain Qt), mapping a
// million match offsets to document positions (decoding the text once), and
// a press of 匹配 that reports a million lines of Chinese text
// (BuildMatchReport alone). Writes and pastes include painting
// the box, so the text is visible.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QTest>
#include <cstring>
#include <functional>
#include <map>
#include <string>

#include "app/control_ids.h"
#include "app/match_tool.h"
#include "forms/multi_line/text_positions.h"
#include "bench/ratio_reporter.h"
#include "platform/gbk.h"
#include "runtime/entry_table.h"
#include "runtime/memory.h"
#include "runtime/window_host.h"

namespace {

namespace control = app::control;

QWidget* Widget(uint32_t id) {
  return static_cast<QWidget*>(rt::GetWindowHost()->PlatformWindow(app::kMainWindow, id));
}
QPlainTextEdit* Box(uint32_t id) { return static_cast<QPlainTextEdit*>(Widget(id)); }
void WriteBox(uint32_t id, const std::string& text) {
  rt::Runtime().write_property(app::kMainWindow, id, app::property::kEditBoxText, app::property::kWholeValue,
                               uint64_t(uintptr_t(text.c_str())));
}
size_t ReadBoxSize(uint32_t id) {
  auto* text = reinterpret_cast<char*>(uintptr_t(
      rt::Runtime().read_property(app::kMainWindow, id, app::property::kEditBoxText, app::property::kWholeValue)));
  const size_t size = text ? std::strlen(text) : 0;
  rt::RuntimeFree(text);
  return size;
}

// `count` lines joined by CR LF: the digit of a `[0-9]+` report, or a line of
// nine Chinese characters (argument 1).
const std::string& Lines(int64_t count, int64_t chinese) {
  static std::map<std::pair<int64_t, int64_t>, std::string> cache;
  std::string& text = cache[{count, chinese}];
  if (!text.empty()) return text;
  const std::string line = chinese ? platform::Utf16ToGbk(u"共找到匹配文本中文") : "7";
  for (int64_t i = 0; i < count; ++i) text += (i ? "\r\n" : "") + line;
  return text;
}

// About `bytes` bytes of 98-byte lines, as a big log pasted as source.
const std::string& Log(int64_t bytes) {
  static std::map<int64_t, std::string> cache;
  std::string& text = cache[bytes];
  if (!text.empty()) return text;
  const std::string line = std::string(90, 'x') + " 12345\r\n";
  text.reserve(size_t(bytes));
  while (int64_t(text.size()) < bytes) text += line;
  return text;
}

// A plain QPlainTextEdit set up as the report box is: the baselines' box.
struct PlainBox {
  QWidget window;
  QPlainTextEdit* box = new QPlainTextEdit(&window);
  PlainBox() {
    box->setGeometry(Box(control::kMatchReport)->geometry());
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setReadOnly(true);
    window.show();
  }
};

void Paint(QPlainTextEdit* box) { box->viewport()->repaint(); }

// Writing N lines.

void BM_WriteLines(benchmark::State& state) {
  const std::string& text = Lines(state.range(0), state.range(1));
  for (auto _ : state) {
    WriteBox(control::kMatchReport, text);
    Paint(Box(control::kMatchReport));
  }
}

void BM_PlainQtSetPlainText(benchmark::State& state) {
  const std::string& text = Lines(state.range(0), state.range(1));
  PlainBox plain;
  for (auto _ : state) {
    plain.box->setPlainText(platform::GbkToQString(text));
    Paint(plain.box);
  }
}

// Reading the text back after a person's edit, so the document is read.

void BM_ReadBack(benchmark::State& state) {
  const std::string& text = Log(state.range(0));
  WriteBox(control::kSource, text);
  Box(control::kSource)->textCursor().insertText(QStringLiteral("x"));
  for (auto _ : state) benchmark::DoNotOptimize(ReadBoxSize(control::kSource));
}

void BM_PlainCopyOfTheBytes(benchmark::State& state) {
  const std::string& text = Log(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(std::string(text).size());
}

// Select all, copy, and take the text from the clipboard as a paste would.

size_t SelectAllAndCopy(QPlainTextEdit* box) {
  box->selectAll();
  box->copy();
  return size_t(QApplication::clipboard()->text().size());
}

void BM_SelectAllCopy(benchmark::State& state) {
  WriteBox(control::kMatchReport, Lines(state.range(0), state.range(1)));
  for (auto _ : state) benchmark::DoNotOptimize(SelectAllAndCopy(Box(control::kMatchReport)));
}

// The floor of any copy: the program's bytes converted and handed over.
void BM_ClipboardTakesTheText(benchmark::State& state) {
  const std::string& text = Lines(state.range(0), state.range(1));
  for (auto _ : state) {
    QApplication::clipboard()->setText(platform::GbkToQString(text));
    benchmark::DoNotOptimize(QApplication::clipboard()->text().size());
  }
}

void BM_PlainQtSelectAllCopy(benchmark::State& state) {
  PlainBox plain;
  plain.box->setPlainText(platform::GbkToQString(Lines(state.range(0), state.range(1))));
  for (auto _ : state) benchmark::DoNotOptimize(SelectAllAndCopy(plain.box));
}

// One 1 MB line without breaks, written by the program or pasted by a person.

const std::string kMegabyteLine(1 << 20, 'x');

void BM_WriteMegabyteLine(benchmark::State& state) {
  for (auto _ : state) {
    WriteBox(control::kMatchReport, kMegabyteLine);
    Paint(Box(control::kMatchReport));
  }
}

void BM_PasteMegabyteLine(benchmark::State& state) {
  QApplication::clipboard()->setText(QString::fromStdString(kMegabyteLine));
  for (auto _ : state) {
    state.PauseTiming();
    WriteBox(control::kSource, "");
    state.ResumeTiming();
    Box(control::kSource)->paste();
    Paint(Box(control::kSource));
  }
}

void BM_PlainQtMegabyteOfWords(benchmark::State& state) {
  std::string words;
  while (words.size() < kMegabyteLine.size()) words += "abcdefg ";
  const QString text = QString::fromStdString(words);
  PlainBox plain;
  for (auto _ : state) {
    plain.box->setPlainText(text);
    Paint(plain.box);
  }
}

// Typing one character into the source box, painted, as a person types:
// in the middle of a 1 MB line (argument 0) or of 10 MB of 98-byte lines
// (argument 1), beside the same key in a plain box holding one short line.

const std::string& TypingText(int64_t lines) { return lines ? Log(10'000'000) : kMegabyteLine; }

void TypeOneKey(QPlainTextEdit* box) {
  QTest::keyClick(box, Qt::Key_A);
  Paint(box);
}

void BM_Keystroke(benchmark::State& state) {
  WriteBox(control::kSource, TypingText(state.range(0)));
  QPlainTextEdit* box = Box(control::kSource);
  box->setFocus();
  QTextCursor middle(box->document());
  middle.setPosition(box->document()->characterCount() / 2);
  box->setTextCursor(middle);
  Paint(box);
  for (auto _ : state) TypeOneKey(box);
}

void BM_PlainQtKeystrokeInAShortLine(benchmark::State& state) {
  PlainBox plain;
  plain.box->setReadOnly(false);
  plain.box->setPlainText(QStringLiteral("a short line"));
  plain.box->setFocus();
  for (auto _ : state) TypeOneKey(plain.box);
}

// Pasting 10 MB into the empty source box, painted: 98-byte lines
// (argument 0) or one line (1), beside Qt's own paste of the same text into
// a plain box (wrapping at any character for the one line, as Qt's wrapping
// between words costs the square of the word's length).

const std::string& TenMegabytesToPaste(int64_t one_line) {
  static const std::string line(10'000'000, 'x');
  return one_line ? line : Log(10'000'000);
}

void PasteInto(benchmark::State& state, QPlainTextEdit* box, const std::function<void()>& empty) {
  QApplication::clipboard()->setText(platform::GbkToQString(TenMegabytesToPaste(state.range(0))));
  for (auto _ : state) {
    state.PauseTiming();
    empty();
    state.ResumeTiming();
    box->paste();
    Paint(box);
  }
}

void BM_PasteTenMegabytes(benchmark::State& state) {
  PasteInto(state, Box(control::kSource), [] { WriteBox(control::kSource, ""); });
}

void BM_PlainQtPasteTenMegabytes(benchmark::State& state) {
  PlainBox plain;
  plain.box->setReadOnly(false);
  if (state.range(0)) plain.box->setWordWrapMode(QTextOption::WrapAnywhere);
  PasteInto(state, plain.box, [&] { plain.box->clear(); });
}

// Mapping a million sorted matches (start and end offsets) over 10 MB of the
// source box's text to document positions, as marks of matches need, beside
// decoding the same text once: a log (argument 0) or Chinese lines (1).

const std::string& TenMegabytes(int64_t chinese) {
  static std::string text;
  if (!chinese) return Log(10'000'000);
  if (text.empty())
    while (text.size() < 10'000'000) text += platform::Utf16ToGbk(u"共找到匹配文本中文\r\n");
  return text;
}

void BM_MapMillionMatches(benchmark::State& state) {
  const std::string& text = TenMegabytes(state.range(0));
  WriteBox(control::kSource, text);
  const forms::TextPositions positions(text, *Box(control::kSource)->document());
  for (auto _ : state) {
    forms::TextPositions::Walk walk(positions);
    int64_t sum = 0;
    for (size_t offset = 0; offset + 4 < text.size(); offset += text.size() / 1'000'000)
      sum += walk.PositionBefore(offset) + walk.PositionAfter(offset + 3);
    benchmark::DoNotOptimize(sum);
  }
}

void BM_DecodeTenMegabytes(benchmark::State& state) {
  const std::string& text = TenMegabytes(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(platform::GbkToQString(text).size());
}

// A press of 匹配 whose report is a million lines of Chinese text.

const char kLinePattern[] = "[^\r\n]+";

void BM_ChineseReportPress(benchmark::State& state) {
  WriteBox(control::kSource, Lines(state.range(0), 1));
  WriteBox(control::kPattern, kLinePattern);
  QWidget* button = Widget(control::kMatchButton);
  for (auto _ : state) {
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
    Paint(Box(control::kMatchReport));
  }
}

void BM_ChineseBuildMatchReport(benchmark::State& state) {
  const std::string& source = Lines(state.range(0), 1);
  for (auto _ : state) benchmark::DoNotOptimize(app::BuildMatchReport(source.c_str(), kLinePattern).get());
}

void LineCounts(benchmark::internal::Benchmark* b) {
  b->ArgNames({"lines", "chinese"})->Unit(benchmark::kMillisecond)->UseRealTime();
  for (int64_t lines : {10'000, 100'000, 1'000'000}) b->Args({lines, 0});
  b->Args({1'000'000, 1});
}

void SmallLineCounts(benchmark::internal::Benchmark* b) {
  b->ArgNames({"lines", "chinese"})->Unit(benchmark::kMillisecond)->UseRealTime();
  for (int64_t lines : {10'000, 100'000}) b->Args({lines, 0});
}

void Sizes(benchmark::internal::Benchmark* b) {
  b->ArgName("bytes")->Arg(10'000'000)->Arg(100'000'000)->Unit(benchmark::kMillisecond)->UseRealTime();
}

BENCHMARK(BM_WriteLines)->Apply(LineCounts);
BENCHMARK(BM_PlainQtSetPlainText)->Apply(LineCounts);
BENCHMARK(BM_ReadBack)->Apply(Sizes);
BENCHMARK(BM_PlainCopyOfTheBytes)->Apply(Sizes);
BENCHMARK(BM_SelectAllCopy)->Apply(LineCounts);
BENCHMARK(BM_ClipboardTakesTheText)->Apply(LineCounts);
BENCHMARK(BM_PlainQtSelectAllCopy)->Apply(SmallLineCounts);  // 12 s and more at 1M lines
BENCHMARK(BM_WriteMegabyteLine)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PasteMegabyteLine)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PlainQtMegabyteOfWords)->Unit(benchmark::kMillisecond)->UseRealTime();
// Several presses each: the first press of a run pays for memory the process touches for the first time.
void MillionLines(benchmark::internal::Benchmark* b) {
  b->ArgName("lines")->Arg(1'000'000)->MinTime(4)->Unit(benchmark::kMillisecond)->UseRealTime();
}
void Typing(benchmark::internal::Benchmark* b) {
  b->ArgName("lines")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
}
BENCHMARK(BM_Keystroke)->Apply(Typing);
BENCHMARK(BM_PlainQtKeystrokeInAShortLine)->Unit(benchmark::kMillisecond)->UseRealTime();
void PasteShapes(benchmark::internal::Benchmark* b) {
  b->ArgName("one_line")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
}
BENCHMARK(BM_PasteTenMegabytes)->Apply(PasteShapes);
BENCHMARK(BM_PlainQtPasteTenMegabytes)->Apply(PasteShapes);
BENCHMARK(BM_MapMillionMatches)->ArgName("chinese")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DecodeTenMegabytes)->ArgName("chinese")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ChineseReportPress)->Apply(MillionLines);
BENCHMARK(BM_ChineseBuildMatchReport)->Apply(MillionLines);

const RatioPair kWriteRatio("BM_WriteLines", "BM_PlainQtSetPlainText");
const RatioPair kReadBackRatio("BM_ReadBack", "BM_PlainCopyOfTheBytes");
const RatioPair kCopyRatio("BM_SelectAllCopy", "BM_ClipboardTakesTheText");
const RatioPair kCopyToQtRatio("BM_SelectAllCopy", "BM_PlainQtSelectAllCopy");
const RatioPair kWriteLongLineRatio("BM_WriteMegabyteLine", "BM_PlainQtMegabyteOfWords");
const RatioPair kPasteLongLineRatio("BM_PasteMegabyteLine", "BM_PlainQtMegabyteOfWords");
const RatioPair kKeystrokeRatio("BM_Keystroke/lines:0", "BM_PlainQtKeystrokeInAShortLine");
const RatioPair kKeystrokeInLinesRatio("BM_Keystroke/lines:1", "BM_PlainQtKeystrokeInAShortLine");
const RatioPair kPasteRatio("BM_PasteTenMegabytes", "BM_PlainQtPasteTenMegabytes");
const RatioPair kMapRatio("BM_MapMillionMatches", "BM_DecodeTenMegabytes");
const RatioPair kChinesePressRatio("BM_ChineseReportPress", "BM_ChineseBuildMatchReport");
// Reading back grows linearly when 100 MB takes about ten times the time of 10 MB.
const RatioPair kReadBackGrowth("BM_ReadBack/bytes:100000000", "BM_ReadBack/bytes:10000000");
const RatioPair kPlainCopyGrowth("BM_PlainCopyOfTheBytes/bytes:100000000", "BM_PlainCopyOfTheBytes/bytes:10000000");

}  // namespace
