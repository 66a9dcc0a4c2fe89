// The marks of a press over the source box, at a million matches in 10 MB:
// the press beside the same press without marks, a page of the marked box
// scrolled and painted beside the unmarked box, the caret moved a line down
// the million-line report beside a report that leads nowhere, and the heap
// the marks hold per match.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

#include "app/control_ids.h"
#include "app/match_tool.h"
#include "app/text_calls.h"
#include "bench/digit_source.h"
#include "bench/ratio_reporter.h"
#include "resources/constants.h"
#include "runtime/entry_table.h"
#include "runtime/window_host.h"

namespace {

namespace control = app::control;
const char kPattern[] = "[0-9]+";

QPlainTextEdit* Box(uint32_t control_id) {
  return static_cast<QPlainTextEdit*>(rt::GetWindowHost()->PlatformWindow(app::kMainWindow, control_id));
}

void WriteBox(uint32_t control_id, const std::string& text) {
  rt::Runtime().write_property(app::kMainWindow, control_id, app::property::kEditBoxText, app::property::kWholeValue,
                               uint64_t(uintptr_t(text.c_str())));
}

void PaintBoxes() {
  Box(control::kSource)->viewport()->repaint();
  Box(control::kMatchReport)->viewport()->repaint();
}

void PressWithMarks() {
  auto* button = static_cast<QWidget*>(rt::GetWindowHost()->PlatformWindow(app::kMainWindow, control::kMatchButton));
  QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
  PaintBoxes();
}

// The handler's own work with the marks left out: what a press was before them.
void PressWithoutMarks() {
  app::OwnedText source = app::ReadText(control::kSource);
  app::OwnedText pattern = app::ReadText(control::kPattern);
  app::OwnedText report = app::BuildMatchReport(source.get(), pattern.get());
  app::OwnedText display = app::ReplaceEvery(report.get(), constants::kLineBreakMarker, constants::kCrLf);
  app::WriteText(control::kMatchReport, display.get());
  PaintBoxes();
}

// A press, then the marks ended (by writing the pattern anew) or kept.
void PressedBoxes(int64_t matches, bool marked) {
  WriteBox(control::kSource, DigitSource(matches));
  WriteBox(control::kPattern, kPattern);
  PressWithMarks();
  if (!marked) WriteBox(control::kPattern, kPattern);
}

void BM_PressWithMarks(benchmark::State& state) {
  PressedBoxes(state.range(0), true);
  for (auto _ : state) PressWithMarks();
}

void BM_PressWithoutMarks(benchmark::State& state) {
  PressedBoxes(state.range(0), false);
  for (auto _ : state) PressWithoutMarks();
}

// A page down the source box and its paint, from the top again at the end.
void PageDown(benchmark::State& state, bool marked) {
  PressedBoxes(state.range(0), marked);
  QScrollBar* bar = Box(control::kSource)->verticalScrollBar();
  bar->setValue(0);
  for (auto _ : state) {
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    Box(control::kSource)->viewport()->repaint();
    if (bar->value() == bar->maximum()) bar->setValue(0);
  }
}
void BM_PageDownMarked(benchmark::State& state) { PageDown(state, true); }
void BM_PageDownUnmarked(benchmark::State& state) { PageDown(state, false); }

// The caret a line down the report, and both boxes painted; the marked source
// box scrolls to each match in turn.
void CaretDown(benchmark::State& state, bool linked) {
  PressedBoxes(state.range(0), linked);
  QPlainTextEdit* report = Box(control::kMatchReport);
  report->setFocus();
  QTest::keyClick(report, Qt::Key_Home, Qt::ControlModifier);
  for (auto _ : state) {
    QTest::keyClick(report, Qt::Key_Down);
    PaintBoxes();
  }
}
void BM_CaretDownLinked(benchmark::State& state) { CaretDown(state, true); }
void BM_CaretDownUnlinked(benchmark::State& state) { CaretDown(state, false); }

// The heap a press holds with its marks, beyond the same press without them,
// once the marked box has been scrolled through to its end.
void BM_MarksHeap(benchmark::State& state) {
  WriteBox(control::kSource, DigitSource(state.range(0)));
  WriteBox(control::kPattern, kPattern);
  int64_t held = 0;
  for (auto _ : state) {
    WriteBox(control::kPattern, kPattern);
    PressWithoutMarks();
    const int64_t without = int64_t(mallinfo2().uordblks);
    PressWithMarks();
    QScrollBar* bar = Box(control::kSource)->verticalScrollBar();
    bar->setValue(bar->maximum());
    Box(control::kSource)->viewport()->repaint();
    held = int64_t(mallinfo2().uordblks) - without;
  }
  state.counters["B_per_match"] = double(held) / double(state.range(0));
}

void Million(benchmark::internal::Benchmark* b) {
  b->ArgName("matches")->Arg(1'000'000)->Unit(benchmark::kMillisecond)->UseRealTime();
}

BENCHMARK(BM_PressWithMarks)->Apply(Million)->MinTime(3);
BENCHMARK(BM_PressWithoutMarks)->Apply(Million)->MinTime(3);
BENCHMARK(BM_PageDownMarked)->Apply(Million);
BENCHMARK(BM_PageDownUnmarked)->Apply(Million);
BENCHMARK(BM_CaretDownLinked)->Apply(Million);
BENCHMARK(BM_CaretDownUnlinked)->Apply(Million);
BENCHMARK(BM_MarksHeap)->Apply(Million)->Iterations(1);

const RatioPair kPress("BM_PressWithMarks", "BM_PressWithoutMarks");
const RatioPair kPage("BM_PageDownMarked", "BM_PageDownUnmarked");
const RatioPair kCaret("BM_CaretDownLinked", "BM_CaretDownUnlinked");

}  // namespace
