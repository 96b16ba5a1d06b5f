#include "toolkit/x11/native_screen.h"

#include <QCursor>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "toolkit/qt_color.h"
#include "toolkit/x11/connection.h"

#if __has_include(<xcb/xcb.h>) && defined(KOLWE_HAS_XCB)
#include <xcb/xcb.h>

#include "toolkit/x11/reply.h"
#define KOLWE_NATIVE_X11 1
#endif

namespace toolkit {
namespace {

// A screen keeps its top-left corner in both coordinate systems; its size scales.
QRect DeviceGeometry(const QScreen* screen) {
  const QRect logical = screen->geometry();
  const qreal ratio = screen->devicePixelRatio();
  return QRect(logical.topLeft(), QSize(int(std::lround(logical.width() * ratio)),
                                        int(std::lround(logical.height() * ratio))));
}

QScreen* ScreenAtDevicePixel(QPoint device_pixel) {
  for (QScreen* screen : QGuiApplication::screens()) {
    if (DeviceGeometry(screen).contains(device_pixel)) return screen;
  }
  return QGuiApplication::primaryScreen();
}

QScreen* ScreenAtLogical(QPointF logical) {
  for (QScreen* screen : QGuiApplication::screens()) {
    if (QRectF(screen->geometry()).contains(logical)) return screen;
  }
  return QGuiApplication::primaryScreen();
}

#ifdef KOLWE_NATIVE_X11
xcb_screen_t* X11RootScreen(xcb_connection_t* connection) {
  return xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
}

// The area's pixels, black off the screen; nothing where the server gives none or stores them
// in a way not read here. Depth 24 and 32 servers that store a pixel in four bytes, least
// significant first, hold blue, green, red and a spare byte: a 32-bit QImage's layout here.
std::optional<QImage> X11Area(xcb_connection_t* connection, QRect wanted) {
  QImage image(wanted.size(), QImage::Format_RGB32);
  image.fill(Qt::black);
  xcb_screen_t* screen = X11RootScreen(connection);
  const QRect area = wanted & QRect(0, 0, screen->width_in_pixels, screen->height_in_pixels);
  if (area.isEmpty()) return image;
  const auto reply = ReplyTo("GetImage", [&](xcb_generic_error_t** error) {
    return xcb_get_image_reply(
        connection,
        xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, screen->root, int16_t(area.x()),
                      int16_t(area.y()), uint16_t(area.width()), uint16_t(area.height()), ~0u),
        error);
  });
  if (!reply) return std::nullopt;
  const uint8_t* data = xcb_get_image_data(reply.get());
  const int stride = xcb_get_image_data_length(reply.get()) / area.height();
  const bool readable = (reply->depth == 24 || reply->depth == 32) && stride >= 4 * area.width() &&
                        xcb_get_setup(connection)->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST;
  if (!readable) return std::nullopt;
  const QPoint offset = area.topLeft() - wanted.topLeft();
  for (int row = 0; row < area.height(); ++row) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(offset.y() + row)) + offset.x();
    std::memcpy(line, data + row * stride, 4 * size_t(area.width()));
    for (int column = 0; column < area.width(); ++column) line[column] |= 0xFF000000;
  }
  return image;
}
#endif

}  // namespace

QPointF DeviceToLogical(QPoint device_pixel) {
  const QScreen* screen = ScreenAtDevicePixel(device_pixel);
  if (!screen) return device_pixel;
  const QPointF origin = screen->geometry().topLeft();
  return (QPointF(device_pixel) - origin) / screen->devicePixelRatio() + origin;
}

QPoint LogicalToDevice(QPointF logical) {
  const QScreen* screen = ScreenAtLogical(logical);
  if (!screen) return logical.toPoint();
  const QPointF origin = screen->geometry().topLeft();
  const QPointF device = (logical - origin) * screen->devicePixelRatio() + origin;
  return QPoint(int(std::floor(device.x())), int(std::floor(device.y())));
}

QPoint NativeOrigin(const QWidget* widget) {
  const QWidget* window = widget->window();
  const QPoint inside = widget->mapTo(window, QPoint(0, 0)) * widget->devicePixelRatioF();
#ifdef KOLWE_NATIVE_X11
  if (xcb_connection_t* connection = X11Connection()) {
    const auto reply = ReplyTo("TranslateCoordinates", [&](xcb_generic_error_t** error) {
      return xcb_translate_coordinates_reply(
          connection,
          xcb_translate_coordinates(connection, xcb_window_t(window->winId()),
                                    X11RootScreen(connection)->root, 0, 0),
          error);
    });
    if (reply) return QPoint(reply->dst_x, reply->dst_y) + inside;
  }
#endif
  return LogicalToDevice(window->mapToGlobal(QPointF(0, 0))) + inside;
}

// A grab of our own, let go at once, tells: Qt's own grab reports no refusal.
bool PointerHeldElsewhere() {
#ifdef KOLWE_NATIVE_X11
  if (xcb_connection_t* connection = X11Connection()) {
    const auto reply = ReplyTo("GrabPointer", [&](xcb_generic_error_t** error) {
      return xcb_grab_pointer_reply(
          connection,
          xcb_grab_pointer(connection, 0, X11RootScreen(connection)->root, 0, XCB_GRAB_MODE_ASYNC,
                           XCB_GRAB_MODE_ASYNC, XCB_NONE, XCB_NONE, XCB_CURRENT_TIME),
          error);
    });
    if (reply && reply->status == XCB_GRAB_STATUS_SUCCESS) {
      xcb_ungrab_pointer(connection, XCB_CURRENT_TIME);
      xcb_flush(connection);
    }
    return reply && reply->status == XCB_GRAB_STATUS_ALREADY_GRABBED;
  }
#endif
  return false;
}

QPoint NativeCursorPos() {
#ifdef KOLWE_NATIVE_X11
  if (xcb_connection_t* connection = X11Connection()) {
    const auto reply = ReplyTo("QueryPointer", [&](xcb_generic_error_t** error) {
      return xcb_query_pointer_reply(
          connection, xcb_query_pointer(connection, X11RootScreen(connection)->root), error);
    });
    if (reply) return QPoint(reply->root_x, reply->root_y);
  }
#endif
  return LogicalToDevice(QCursor::pos());
}

QImage NativeArea(QRect device_rect) {
#ifdef KOLWE_NATIVE_X11
  if (xcb_connection_t* connection = X11Connection()) {
    if (auto image = X11Area(connection, device_rect)) return *image;
  }
#endif
  QImage image(device_rect.size(), QImage::Format_RGB32);
  image.fill(Qt::black);
  return image;
}

Monitor MonitorAt(QPoint device_pixel) {
  const QScreen* screen = ScreenAtDevicePixel(device_pixel);
  if (!screen) return {QRect(device_pixel, QSize(1, 1)), 1};
  return {DeviceGeometry(screen), screen->devicePixelRatio()};
}

std::optional<int32_t> NativePixel(QPoint device_pixel) {
#ifdef KOLWE_NATIVE_X11
  if (xcb_connection_t* connection = X11Connection()) {
    xcb_screen_t* screen = X11RootScreen(connection);
    if (!QRect(0, 0, screen->width_in_pixels, screen->height_in_pixels).contains(device_pixel)) {
      return std::nullopt;
    }
    const auto image = X11Area(connection, QRect(device_pixel, QSize(1, 1)));
    if (!image) return std::nullopt;
    return FromQRgb(image->pixel(0, 0));
  }
#endif
  QScreen* screen = ScreenAtDevicePixel(device_pixel);
  if (!screen || !DeviceGeometry(screen).contains(device_pixel)) return std::nullopt;
  const QPointF logical = DeviceToLogical(device_pixel) - QPointF(screen->geometry().topLeft());
  const QImage image =
      screen->grabWindow(0, int(std::floor(logical.x())), int(std::floor(logical.y())), 1, 1)
          .toImage();
  if (image.isNull()) return std::nullopt;
  return FromQRgb(image.pixel(0, 0));
}

}  // namespace toolkit
