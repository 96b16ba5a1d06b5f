// Which kind of desktop session the program runs in: X11, or Wayland, where no program may
// read the screen or grab the pointer. Toolkit sources only.
#pragma once

namespace toolkit {

// Before the application starts, where the user chose no platform: with no Wayland display
// named, run as an X client at once; where both an X display and a Wayland display can be
// reached, run as an X client too (under XWayland), so that the window manager honours the
// window's opening position and its always-on-top state.
void ChoosePlatform();

// Whether a display server answers: the X display of DISPLAY, the compositor of WAYLAND_DISPLAY.
bool XDisplayUsable();
bool WaylandDisplayUsable();

// True in a Wayland session, also for an X client under XWayland.
bool WaylandSession();

}  // namespace toolkit
