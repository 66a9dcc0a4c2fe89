// The main of the benchmarks that drive the workbench's own main window: the
// program started offscreen as it opens itself, the run with the ratio of
// each registered pair, then the program's exit step, so the windows go
// before the application object.
#include <QApplication>
#include <cstdlib>

#include "app/controller.h"
#include "app/program_header.h"
#include "bench/ratio_reporter.h"
#include "forms/registry/forms_host.h"
#include "runtime/lifecycle.h"
#include "runtime/window_host.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  forms::InstallWindowHost();
  rt::SetProgramHeader(&app::WorkbenchProgramHeader());
  app::StartUp();
  const int status = RunBenchmarksWithRatios(argc, argv);
  rt::EndOfProgram(status);
  return status;
}
