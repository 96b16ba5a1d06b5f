// The program's command line and its display: --help and --version answer and end the
// program, anything else on the line is a usage error, and without a display to open the
// window on the program says so instead of letting the platform plugin abort.
#pragma once

#include <optional>

namespace toolkit {

// The exit status when the program must end before its window opens, else nothing.
std::optional<int> CheckCommandLine(int argc, char** argv, const char* version);

}  // namespace toolkit
