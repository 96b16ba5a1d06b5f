// Device-pixel access to the screen: the pointer position and one pixel's colour, through
// the X11 connection where there is one. Toolkit sources only.
#pragma once

#include <QPoint>
#include <cstdint>
#include <optional>

namespace toolkit {

// Pointer position in device pixels of the virtual desktop.
QPoint NativeCursorPos();

// The colour value (red + 256 x green + 65536 x blue) of the device pixel, or nothing where
// it cannot be read.
std::optional<int32_t> NativePixel(QPoint device_pixel);

// Device pixels to Qt's logical coordinates and back, through the screen that holds them.
QPointF DeviceToLogical(QPoint device_pixel);
QPoint LogicalToDevice(QPointF logical);

}  // namespace toolkit
