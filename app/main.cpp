// kolwe: start the runtime, create the one window and run until it ends.
#include "app/frmkolwe.h"
#include "toolkit/command_line.h"
#include "toolkit/runtime.h"

int main(int argc, char** argv) {
  if (const auto status = toolkit::CheckCommandLine(argc, argv, KOLWE_VERSION)) return *status;
  toolkit::Runtime runtime(argc, argv);
  Frmkolwe form({runtime.Mouse(), runtime.MessageBox(), runtime.Clipboard(), runtime.End()});
  form.Start();
  return runtime.Run();
}
