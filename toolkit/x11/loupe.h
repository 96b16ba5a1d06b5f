// The loupe beside the cross-hair while a pick is armed on X11, as a window of its own (see
// loupe_view.h for what it shows). It shows each part of the screen as it was when the pointer
// first came near it during the pick, and takes no focus and no input. Its X11 window's class
// is "kolwe-loupe". Toolkit sources only.
#pragma once

#include <memory>

namespace toolkit {

class LoupeWindow;

class Loupe {
 public:
  Loupe();
  ~Loupe();
  Loupe(const Loupe&) = delete;
  Loupe& operator=(const Loupe&) = delete;

  // Shows the loupe at the pointer, or moves it there with the pixels around it now.
  void Follow();
  void Hide();

 private:
  std::unique_ptr<LoupeWindow> window_;
};

}  // namespace toolkit
