// A horizontal scroll bar over QScrollBar, behaving as a Windows bar: a tab stop, Right and
// End go up, a held track click stops when the thumb reaches the pointer, and Change comes
// after an arrow, a track click or a keyboard step, and once at the end of a thumb drag.
#pragma once

#include <cstdint>

#include "toolkit/events.h"
#include "toolkit/units.h"

class QScrollBar;
class QWidget;

namespace toolkit {

class Form;
class ChannelScrollBar;

class ScrollBar {
 public:
  struct Range {
    int16_t min;
    int16_t max;
    int16_t small_change;
    int16_t large_change;
  };

  // The design-time value is loaded without raising Change.
  ScrollBar(Form& form, TwipRect rect, Range range, int16_t value);
  ~ScrollBar();
  ScrollBar(const ScrollBar&) = delete;
  ScrollBar& operator=(const ScrollBar&) = delete;

  int16_t Value() const;
  // A value outside Min..Max is an invalid property value.
  void SetValue(int16_t value);
  // Whether the change being raised came from the mouse on this bar (a click, a held press
  // or the end of a drag), not from a key or from code.
  bool MouseCaused() const;
  // Left edge in device pixels of the window's screen.
  int32_t Left() const;

  Event<> Change;

  QWidget* Widget() const;

 private:
  ChannelScrollBar* bar_;
};

}  // namespace toolkit
