// Drives the real main window in-process the way a person does: keys and
// clicks through Qt Test, and reads control properties back as GBK bytes
// through the runtime entry table.
#pragma once

#include <QAbstractItemView>
#include <QApplication>
#include <QInputMethodEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "app/control_ids.h"
#include "app/controller.h"
#include "app/program_header.h"
#include "forms/multi_line/mark_layer.h"
#include "forms/multi_line/multi_line_view.h"
#include "forms/registry/forms_host.h"
#include "platform/application.h"
#include "runtime/entry_table.h"
#include "runtime/lifecycle.h"
#include "runtime/responsive_work.h"
#include "runtime/window_host.h"
#include "tests/test_support.h"

namespace app_test {

using testing_support::Gbk;
namespace control = app::control;

inline QWidget* Widget(uint32_t control_id) {
  return static_cast<QWidget*>(rt::GetWindowHost()->PlatformWindow(app::kMainWindow, control_id));
}
inline QWidget* MainWindow() { return Widget(app::kMainWindowUnit); }

// Runs the program's exit step once the tests are done, so the windows go
// before the application object does. Like the program, it ends the process
// at once while a cancelled search is still inside the engine, so that static
// destructors never run under it; the status is then the tests' own.
class WorkbenchEnvironment : public testing::Environment {
 public:
  void TearDown() override {
    rt::EndOfProgram(0);
    if (!rt::CancelledWorkRunning()) return;
    std::fputs("a cancelled search still runs: the process ends here, before its static destructors\n", stderr);
    platform::ExitProcess(testing::UnitTest::GetInstance()->Passed() ? 0 : 1);
  }
};

// Starts the program once per process; afterwards every call closes the main
// window and opens it again, so each test begins from the window's stored state.
inline void OpenFreshWorkbench() {
  static bool started = false;
  if (!started) {
    started = true;
    testing::AddGlobalTestEnvironment(new WorkbenchEnvironment);
    forms::InstallWindowHost();
    rt::SetProgramHeader(&app::WorkbenchProgramHeader());
    app::StartUp();
    return;
  }
  if (QWidget* window = MainWindow()) {
    window->close();
    QApplication::processEvents();
  }
  rt::Runtime().load_window(app::kMainWindow);
}

// The whole program, from start-up to its end, as main runs it; returns the
// exit status. For death tests: the test's own application object stays.
inline int RunWholeWorkbench() {
  forms::InstallWindowHost();
  char name[] = "regex-workbench";
  char* argv[] = {name, nullptr};
  return rt::RunProgram(1, argv, app::WorkbenchProgramHeader(), &app::Start);
}

// The text property of an edit box, as GBK bytes.
inline std::string BoxText(uint32_t control_id) {
  const uint64_t value = rt::Runtime().read_property(app::kMainWindow, control_id, app::property::kEditBoxText,
                                                     app::property::kWholeValue);
  char* text = reinterpret_cast<char*>(uintptr_t(value));
  std::string bytes = text ? text : "";
  rt::Runtime().free(text);
  return bytes;
}

// Types a line: ASCII characters as key presses, other characters as the
// input method's commits, as a person typing Chinese produces them.
inline void TypeLine(QWidget* box, const QString& line) {
  for (QChar c : line) {
    if (c.unicode() < 0x80) {
      QTest::keyClicks(box, QString(c));
      continue;
    }
    QInputMethodEvent commit;
    commit.setCommitString(QString(c));
    QApplication::sendEvent(box, &commit);
  }
}

// Replaces the content of a box by typing: select all, then each line typed
// and Return between lines.
inline void TypeInto(uint32_t control_id, std::string_view utf8) {
  QWidget* box = Widget(control_id);
  box->setFocus();
  QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
  if (utf8.empty()) {
    QTest::keyClick(box, Qt::Key_Delete);
    return;
  }
  size_t begin = 0;
  for (size_t end; (end = utf8.find('\n', begin)) != std::string_view::npos; begin = end + 1) {
    TypeLine(box, QString::fromUtf8(utf8.data() + begin, qsizetype(end - begin)));
    QTest::keyClick(box, Qt::Key_Return);
  }
  TypeLine(box, QString::fromUtf8(utf8.data() + begin, qsizetype(utf8.size() - begin)));
}

// A program write of an edit box's text, GBK bytes as they are.
inline void WriteBox(uint32_t control_id, const std::string& gbk) {
  rt::Runtime().write_property(app::kMainWindow, control_id, app::property::kEditBoxText, app::property::kWholeValue,
                               uint64_t(uintptr_t(gbk.c_str())));
}

inline forms::MultiLineView* View(uint32_t control_id) {
  return static_cast<forms::MultiLineView*>(Widget(control_id));
}

// The marks over the source box, or null when none show.
inline forms::MarkLayer* SourceMarks() { return forms::MarkLayer::Of(*View(control::kSource)); }

// The current match of the source box's marks (-1 for none) as the caret
// goes down the report box a line at a time, the arrow key as a person uses it.
inline std::vector<int> CurrentMatchPerReportLine() {
  QPlainTextEdit* report = View(control::kMatchReport);
  report->setFocus();
  QTest::keyClick(report, Qt::Key_Home, Qt::ControlModifier);
  // A line is told by its block and its line in the block's layout.
  auto line = [report] {
    const QTextCursor caret = report->textCursor();
    return std::pair(caret.blockNumber(), caret.block().layout()->lineForTextPosition(caret.positionInBlock()).lineNumber());
  };
  std::vector<int> per_line;
  for (std::pair<int, int> last{-1, -1}; line() != last; QTest::keyClick(report, Qt::Key_Down)) {
    last = line();
    const forms::MarkLayer* marks = SourceMarks();
    per_line.push_back(marks == nullptr || marks->current() == forms::MatchMarks::kNone ? -1
                                                                                         : int(marks->current()));
  }
  return per_line;
}

inline void Click(uint32_t control_id) {
  QWidget* widget = Widget(control_id);
  QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

inline bool Ticked(uint32_t control_id) {
  return rt::Runtime().read_property(app::kMainWindow, control_id, app::property::kCheckBoxTicked,
                                     app::property::kWholeValue) == 1;
}

inline void SetTicked(uint32_t control_id, bool ticked) {
  if (Ticked(control_id) != ticked) Click(control_id);
}

inline QAbstractItemView* PresetList() { return qobject_cast<QAbstractItemView*>(Widget(control::kPresetList)); }

inline void ClickPresetRow(int row) {
  QAbstractItemView* list = PresetList();
  const QRect cell = list->visualRect(list->model()->index(row, 0));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
}

// The report for matches m1..mn exactly as the result box shows it.
inline std::string ExpectedReport(const std::vector<std::string_view>& matches_utf8) {
  if (matches_utf8.size() == 0) return Gbk("（没有匹配）");
  std::string report = Gbk("共找到 ") + std::to_string(matches_utf8.size()) + Gbk(" 处匹配：\r\n\r\n");
  bool first = true;
  for (std::string_view match : matches_utf8) {
    if (!first) report += "\r\n";
    report += Gbk(match);
    first = false;
  }
  return report;
}

}  // namespace app_test
