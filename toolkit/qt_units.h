// Layout rectangles between twips, Qt's logical pixels and the screen's device pixels.
// Toolkit sources only.
#pragma once

#include <QRect>
#include <QWidget>
#include <cmath>

#include "toolkit/units.h"

namespace toolkit {

inline QRect ToPixels(TwipRect rect) {
  return QRect(TwipsToPixels(rect.left), TwipsToPixels(rect.top), TwipsToPixels(rect.width),
               TwipsToPixels(rect.height));
}

// A control's place in its parent in device pixels of its window's screen: what Left, Top,
// Width and Height read, in the unit of the pointer's client coordinates.
inline QRect DeviceRect(const QWidget* widget) {
  const qreal ratio = widget->devicePixelRatioF();
  const auto device = [ratio](int logical) { return int(std::lround(logical * ratio)); };
  const QRect logical = widget->geometry();
  return QRect(device(logical.x()), device(logical.y()), device(logical.width()),
               device(logical.height()));
}

}  // namespace toolkit
