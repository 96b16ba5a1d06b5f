// kolwe: start the runtime, create the one window and run until it ends; or, with --pick, one
// pick without the window.
#include "app/frmkolwe.h"
#include "toolkit/command_line.h"
#include "toolkit/command_line_pick.h"
#include "toolkit/runtime.h"

int main(int argc, char** argv) {
  const toolkit::CommandLine command_line = toolkit::ReadCommandLine(argc, argv, KOLWE_VERSION);
  if (command_line.exit_status) return *command_line.exit_status;
  if (command_line.pick) return toolkit::RunCommandLinePick(argc, argv);
  toolkit::Runtime runtime(argc, argv);
  Frmkolwe form({runtime.Mouse(), runtime.MessageBox(), runtime.Clipboard(), runtime.End()});
  form.Start();
  return runtime.Run();
}
