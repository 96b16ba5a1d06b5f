// A layout rectangle in twips as Qt's pixel rectangle. Toolkit sources only.
#pragma once

#include <QRect>

#include "toolkit/units.h"

namespace toolkit {

inline QRect ToPixels(TwipRect rect) {
  return QRect(TwipsToPixels(rect.left), TwipsToPixels(rect.top), TwipsToPixels(rect.width),
               TwipsToPixels(rect.height));
}

}  // namespace toolkit
