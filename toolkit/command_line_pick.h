// kolwe --pick: one pick with no window, for a desktop shortcut. The colour goes to standard
// output as RRGGBB and a newline, with exit status 0; a cancelled pick, or one with no colour to
// be had, writes one line to standard error and ends with status 1. On X11 the pointer and the
// keyboard are grabbed, with the cross-hair and the loupe: any button picks, the arrow keys move
// the pointer by one device pixel (ten with Shift), Return or space picks and Escape cancels. On
// the wlroots desktops kolwe's own picker does the same; in other Wayland sessions the desktop
// portal's picker answers. Toolkit sources only.
#pragma once

namespace toolkit {

// Runs the pick to its end; returns the exit status.
int RunCommandLinePick(int& argc, char** argv);

}  // namespace toolkit
