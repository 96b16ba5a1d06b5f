// The runtime's services the form calls: the modal message box, the clipboard and the end
// command. The form receives them as interfaces, so a test can answer for them.
#pragma once

#include <cstdint>

#include "toolkit/conversions.h"

namespace toolkit {

enum MsgBoxResult : int16_t { kMsgBoxYes = 6, kMsgBoxNo = 7 };

class MessageBoxService {
 public:
  virtual ~MessageBoxService() = default;
  // Asks the question modally to the application, with the buttons Yes and No, no icon and
  // Yes the default, and returns the button code.
  virtual int16_t MsgBox(const Text& prompt, const Text& title) = 0;
};

class ClipboardService {
 public:
  virtual ~ClipboardService() = default;
  // Puts the text on the clipboard in the plain-text format.
  virtual void SetText(const Text& text) = 0;
};

class EndService {
 public:
  virtual ~EndService() = default;
  // Closes every window at once, raising no further event, and ends the process.
  virtual void End() = 0;
};

}  // namespace toolkit
