// Run-time errors: one report box, then the process ends with status 255.
#pragma once

#include <cstdint>
#include <string>

namespace rt {

// Shows the report for a numbered error (1..11) and ends the program.
[[noreturn]] void RaiseErrorCode(int32_t code, int32_t location1, int32_t location2);
// Shows the report for message (may be null) and code (0 = message only) and
// ends the program; its exit routines do not run.
[[noreturn]] void RaiseError(const char* message, int32_t code, int32_t location1,
                             int32_t location2);

// The report text, CR LF separated, exactly as the box shows it.
// Exposed for the box and for tests.
std::string ComposeErrorReport(const char* message, int32_t code, int32_t location1,
                               int32_t location2);

}  // namespace rt
