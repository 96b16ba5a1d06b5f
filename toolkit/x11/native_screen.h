// Device-pixel access to the screen: the pointer position and one pixel's colour, through
// the X11 connection where there is one. Toolkit sources only.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <cstdint>
#include <optional>

class QWidget;

namespace toolkit {

// Whether another program holds the pointer grabbed (on X11; elsewhere no program can).
bool PointerHeldElsewhere();

// Pointer position in device pixels of the virtual desktop.
QPoint NativeCursorPos();

// The colour value (red + 256 x green + 65536 x blue) of the device pixel, or nothing where
// it cannot be read.
std::optional<int32_t> NativePixel(QPoint device_pixel);

// The device pixels of the rectangle, row by row; a pixel that cannot be read is black.
QImage NativeArea(QRect device_rect);

// The monitor that holds the device pixel: its rectangle in device pixels, and its scale.
struct Monitor {
  QRect device_rect;
  double scale;
};
Monitor MonitorAt(QPoint device_pixel);

// Where a widget's top-left corner lies on the screen, in device pixels. On X11 the window's
// own place comes from the server: Qt's logical window position is rounded at scales other
// than 1.
QPoint NativeOrigin(const QWidget* widget);

// Device pixels to Qt's logical coordinates and back, through the screen that holds them.
QPointF DeviceToLogical(QPoint device_pixel);
QPoint LogicalToDevice(QPointF logical);

}  // namespace toolkit
