// The colour value red + 256 x green + 65536 x blue as a QColor, and a pixel's QRgb as a colour
// value. Toolkit sources only.
#pragma once

#include <QColor>
#include <cstdint>

#include "toolkit/conversions.h"

namespace toolkit {

inline QColor ToQColor(int32_t color) {
  return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

inline int32_t FromQRgb(QRgb rgb) { return Rgb(qRed(rgb), qGreen(rgb), qBlue(rgb)); }

}  // namespace toolkit
