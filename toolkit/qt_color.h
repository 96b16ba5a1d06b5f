// The colour value red + 256 x green + 65536 x blue as a QColor. Toolkit sources only.
#pragma once

#include <QColor>
#include <cstdint>

namespace toolkit {

inline QColor ToQColor(int32_t color) {
  return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

}  // namespace toolkit
