// Conversions between the toolkit's text and Qt's, and Qt's mouse state in the toolkit's
// terms. Only toolkit sources include this.
#pragma once

#include <QString>
#include <Qt>

#include "toolkit/conversions.h"
#include "toolkit/events.h"

namespace toolkit {

inline QString ToQString(const Text& text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

inline Text FromQString(const QString& text) {
  return Text(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<size_t>(text.size()));
}

inline MouseButton ToMouseButton(Qt::MouseButton button) {
  switch (button) {
    case Qt::RightButton:
      return MouseButton::Right;
    case Qt::MiddleButton:
      return MouseButton::Middle;
    default:
      return MouseButton::Left;
  }
}

// 1 Shift, 2 Ctrl, 4 Alt.
inline int16_t ToShiftState(Qt::KeyboardModifiers modifiers) {
  int16_t state = 0;
  if (modifiers & Qt::ShiftModifier) state |= 1;
  if (modifiers & Qt::ControlModifier) state |= 2;
  if (modifiers & Qt::AltModifier) state |= 4;
  return state;
}

}  // namespace toolkit
