// The workbench started offscreen for a benchmark: the application object,
// the main window as the program opens it, and the program's exit step when
// the benchmark is done, so the windows go before the application object.
#pragma once

#include <QApplication>
#include <cstdlib>

#include "app/controller.h"
#include "app/program_header.h"
#include "forms/forms_host.h"
#include "runtime/lifecycle.h"
#include "runtime/window_host.h"

class OffscreenWorkbench {
 public:
  OffscreenWorkbench(int& argc, char** argv)
      : application_(WithOffscreenPlatform(argc), argv) {
    forms::InstallWindowHost();
    rt::SetProgramHeader(&app::WorkbenchProgramHeader());
    app::StartUp();
  }
  ~OffscreenWorkbench() { rt::EndOfProgram(0); }
  OffscreenWorkbench(const OffscreenWorkbench&) = delete;
  OffscreenWorkbench& operator=(const OffscreenWorkbench&) = delete;

 private:
  // Qt picks its platform when the application object is made.
  static int& WithOffscreenPlatform(int& argc) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    return argc;
  }

  QApplication application_;
};
