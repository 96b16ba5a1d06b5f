// The runtime the program starts in: the Qt application with Japanese system texts and the
// toolkit's default font, its event loop, and the real services and platform calls.
#pragma once

#include <memory>

#include "toolkit/mlmouse.h"
#include "toolkit/services.h"

namespace toolkit {

// The runtime's own texts (message box buttons, context menus) are Japanese whatever the
// system's language; the default font is a Japanese Gothic at 9 points, or smaller where
// its digits would not fit the decimal fields.
void InstallRuntimeLook();

class Runtime {
 public:
  Runtime(int& argc, char** argv);
  ~Runtime();
  Runtime(const Runtime&) = delete;
  Runtime& operator=(const Runtime&) = delete;

  // Runs the event loop until the program ends; returns the exit status.
  int Run();

  MessageBoxService& MessageBox();
  ClipboardService& Clipboard();
  EndService& End();
  Mlmouse& Mouse();

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;
};

}  // namespace toolkit
