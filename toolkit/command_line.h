// The program's command line and its display: --help and --version answer and end the
// program, --pick asks for a pick without the window, anything else on the line is a usage
// error, and without a display the program says so instead of letting the platform plugin abort.
#pragma once

#include <optional>

namespace toolkit {

struct CommandLine {
  std::optional<int> exit_status;  // where the program must end before anything opens
  bool pick = false;               // one pick, printed, and no window
};

CommandLine ReadCommandLine(int argc, char** argv, const char* version);

}  // namespace toolkit
