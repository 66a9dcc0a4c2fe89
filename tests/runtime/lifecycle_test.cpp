// The program's life through RunProgram: initialisation by service 6, exit
// routines registered once and run once, libraries told of start and end,
// the program's directory as current directory, and exit from another thread.
#include "runtime/lifecycle.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <thread>

#include "platform/application.h"
#include "runtime/entry_table.h"
#include "tests/runtime/command_call.h"

namespace {

using runtime_test::EndsWith;
using runtime_test::Exactly;

void ExitRoutine() { std::fputs("exit routine\n", stderr); }

intptr_t LibraryNotify(int32_t code, intptr_t, intptr_t) {
  std::fprintf(stderr, "library %d\n", code);
  return 0;
}

int StartRoutine() {
  const rt::RuntimeEntryTable& runtime = rt::Runtime();
  runtime.service_call(rt::service::kInitialise, 0, 0);
  char directory[4096];
  std::fprintf(stderr, "cwd %s/\n", getcwd(directory, sizeof directory));
  runtime.service_call(rt::service::kRegisterExitRoutine, intptr_t(&ExitRoutine), 0);
  runtime.service_call(rt::service::kRegisterExitRoutine, intptr_t(&ExitRoutine), 0);
  runtime.end_program();  // no window is alive: returns at once
  std::fputs("start routine returns\n", stderr);
  return 0;
}

TEST(ProgramLifeDeathTest, EndsNormallyWithExitRoutinesRunOnce) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static rt::LibraryInfo library;
  library.notify = &LibraryNotify;
  static const rt::LibraryInfo* const kLibraries[] = {&library};
  static rt::ProgramHeader header;
  header.library_count = 1;
  header.libraries = kLibraries;
  static char program_name[] = "workbench";
  static char* argv[] = {program_name, nullptr};
  // Qt may note its own set-up first; everything from the first library call on is ours.
  const std::string expected = "library 1\ncwd " + platform::ExecutableDirectory() +
                               "\nstart routine returns\nexit routine\nlibrary 6\n";
  EXPECT_EXIT(std::exit(rt::RunProgram(1, argv, header, &StartRoutine)), testing::ExitedWithCode(0),
              EndsWith(expected));
}

// As in the running program: an application object, the runtime initialised,
// and a main thread that is busy (here: waiting for the worker) when the
// worker asks to exit.
void ExitFromWorkerThread(int32_t code) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  int argc = 1;
  static char program_name[] = "workbench";
  static char* argv[] = {program_name, nullptr};
  platform::CreateApplication(argc, argv);
  rt::Runtime().service_call(rt::service::kInitialise, 0, 0);
  std::thread worker([code] { rt::RuntimeExit(code); });
  worker.join();
}

TEST(ProgramLifeDeathTest, ExitFromAnotherThreadEndsTheProcessWithItsCode) {
  EXPECT_EXIT(ExitFromWorkerThread(7), testing::ExitedWithCode(7), "");
}

TEST(ProgramLifeDeathTest, RuntimeNotifyExitRunsTheExitRoutines) {
  EXPECT_EXIT(
      {
        rt::RegisterExitRoutine(&ExitRoutine);
        rt::Runtime().exit(3);
      },
      testing::ExitedWithCode(3), Exactly("exit routine\n"));
}

}  // namespace
