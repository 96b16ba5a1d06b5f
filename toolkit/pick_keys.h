// What a key does to a pick that has the keyboard (kolwe --pick, and the wlroots picker): the
// arrows move the pointer by one device pixel, ten with Shift; Return, keypad Enter or space
// picks; Escape cancels. Keys are X11 keysyms, which xkbcommon shares. Toolkit sources only.
#pragma once

#include <QPoint>
#include <cstdint>

namespace toolkit {

struct PickKey {
  enum Action { kNone, kNudge, kPick, kCancel } action = kNone;
  QPoint step;  // for kNudge, in device pixels
};

PickKey PickKeyFor(uint32_t keysym, bool shift);

}  // namespace toolkit
