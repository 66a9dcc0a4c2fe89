// Libraries in their fixed order: core (1), regex service (2), report list (3).
#include "app/program_header.h"

#include "app/core_library.h"
#include "app/procedure_table.h"
#include "forms/kinds/report_list_library.h"
#include "regex/regex_library.h"
#include "resources/constants.h"
#include "resources/program_data.h"

namespace app {
namespace {

rt::ProgramHeader MakeHeader() {
  static const rt::LibraryInfo* const kLibraries[] = {
      &CoreLibrary(), &::RegexLibrary(), &::ReportListLibrary()};
  rt::ProgramHeader header;
  header.word1 = 3;
  header.word2 = 0;
  header.word3 = 0x199A9;
  header.code_base = &WorkbenchProcedures();
  header.constants = constants::ConstantBlockStart();
  header.constants_size = constants::ConstantBlockSize();
  header.templates = resources::MainWindowTemplate().data();
  header.templates_size = uint32_t(resources::MainWindowTemplate().size());
  header.library_count = 3;
  header.libraries = kLibraries;
  return header;
}

}  // namespace

const rt::ProgramHeader& WorkbenchProgramHeader() {
  static const rt::ProgramHeader header = MakeHeader();
  return header;
}

}  // namespace app
