// The workbench's process entry: plug the forms layer into the runtime and
// hand the program header and start routine to the program's life.
#include "app/controller.h"
#include "app/program_header.h"
#include "forms/registry/forms_host.h"
#include "runtime/lifecycle.h"

int main(int argc, char** argv) {
  forms::InstallWindowHost();
  return rt::RunProgram(argc, argv, app::WorkbenchProgramHeader(), &app::Start);
}
