// The forms layer as the runtime sees it: the WindowHost the program installs
// before it runs.
#pragma once

namespace forms {

// Plugs the forms layer into the runtime (rt::SetWindowHost); call before rt::RunProgram.
void InstallWindowHost();

}  // namespace forms
