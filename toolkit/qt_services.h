// The real message box, clipboard and end command over Qt.
#pragma once

#include "toolkit/services.h"

namespace toolkit {

class QtMessageBox : public MessageBoxService {
 public:
  int16_t MsgBox(const Text& prompt, const Text& title) override;
};

class QtClipboard : public ClipboardService {
 public:
  void SetText(const Text& text) override;
};

class QtEnd : public EndService {
 public:
  void End() override;
};

}  // namespace toolkit
