// One pick on X11 with no window of kolwe's: the root window's grab of the pointer and the
// keyboard, with the cross-hair and the loupe. Any button picks; the arrow keys move the pointer
// by one device pixel (ten with Shift), Return, keypad Enter or space picks, and Escape cancels.
// A grab another program holds is waited out for a second. Toolkit sources only.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

struct xcb_connection_t;

namespace toolkit {

class RootGrab;

class RootPick {
 public:
  // Runs once, from the event loop: with the colour value, or with nothing and why.
  using Done = std::function<void(std::optional<int32_t> color, const char* why_none)>;

  RootPick(xcb_connection_t* connection, Done done);
  ~RootPick();
  RootPick(const RootPick&) = delete;
  RootPick& operator=(const RootPick&) = delete;

  // Grabs both, trying again for a while if another program holds either.
  void Start();

 private:
  std::unique_ptr<RootGrab> grab_;
};

}  // namespace toolkit
