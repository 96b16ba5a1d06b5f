// kolwe's own pick on the wlroots desktops, whose compositors let a client put surfaces above
// everything (zwlr_layer_shell_v1) and copy an output's pixels (zwlr_screencopy_manager_v1).
// A transparent overlay on every output takes the pointer with a cross-hair and the loupe
// follows it; a press takes the device pixel under the pointer, as the screen shows it then.
// It keeps a Wayland connection of its own, read from Qt's event loop, so it serves a window
// on Wayland and under XWayland alike. Toolkit sources only.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace toolkit::wayland {

class PickSession;

class WlrPicker {
 public:
  enum class Keyboard {
    kStaysWithWindow,  // only a press picks
    kTaken,  // the arrows move the pointer, Return, keypad Enter or space picks, Escape cancels
  };
  using Done = std::function<void(std::optional<int32_t> color)>;

  // The picker, where the Wayland display's compositor offers both; nothing elsewhere.
  static std::unique_ptr<WlrPicker> Connect();
  ~WlrPicker();

  // Arms a pick; done runs once, from the event loop, with the colour value (red + 256 x green
  // + 65536 x blue) or nothing. A new Start ends the pick before it with nothing.
  void Start(Keyboard keyboard, Done done);
  // Why the last pick gave no colour, in a few words.
  const std::string& WhyNoColour() const;
  // The compositor went away: a new connection is needed for the next pick.
  bool Lost() const;

 private:
  explicit WlrPicker(std::unique_ptr<PickSession> session);

  std::unique_ptr<PickSession> session_;
};

}  // namespace toolkit::wayland
