#include "toolkit/native_screen.h"

#include <QCursor>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <cmath>
#include <cstdlib>

#if __has_include(<xcb/xcb.h>) && defined(KOLWE_HAS_XCB)
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>
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
xcb_connection_t* X11Connection() {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  return x11 ? x11->connection() : nullptr;
}

xcb_screen_t* X11RootScreen(xcb_connection_t* connection) {
  return xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
}

std::optional<int32_t> X11Pixel(xcb_connection_t* connection, QPoint at) {
  xcb_screen_t* screen = X11RootScreen(connection);
  if (at.x() < 0 || at.y() < 0 || at.x() >= screen->width_in_pixels ||
      at.y() >= screen->height_in_pixels) {
    return std::nullopt;
  }
  xcb_get_image_reply_t* reply =
      xcb_get_image_reply(connection,
                          xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, screen->root,
                                        int16_t(at.x()), int16_t(at.y()), 1, 1, ~0u),
                          nullptr);
  if (!reply) return std::nullopt;
  std::optional<int32_t> color;
  const uint8_t* data = xcb_get_image_data(reply);
  const int length = xcb_get_image_data_length(reply);
  // Depth 24 and 32 servers store a pixel as blue, green, red bytes (least significant first).
  if ((reply->depth == 24 || reply->depth == 32) && length >= 3 &&
      xcb_get_setup(connection)->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST) {
    color = data[2] + 256 * data[1] + 65536 * data[0];
  }
  std::free(reply);
  return color;
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
    xcb_translate_coordinates_reply_t* reply = xcb_translate_coordinates_reply(
        connection,
        xcb_translate_coordinates(connection, xcb_window_t(window->winId()),
                                  X11RootScreen(connection)->root, 0, 0),
        nullptr);
    if (reply) {
      const QPoint at(reply->dst_x, reply->dst_y);
      std::free(reply);
      return at + inside;
    }
  }
#endif
  return LogicalToDevice(window->mapToGlobal(QPointF(0, 0))) + inside;
}

QPoint NativeCursorPos() {
#ifdef KOLWE_NATIVE_X11
  if (xcb_connection_t* connection = X11Connection()) {
    xcb_query_pointer_reply_t* reply = xcb_query_pointer_reply(
        connection, xcb_query_pointer(connection, X11RootScreen(connection)->root), nullptr);
    if (reply) {
      const QPoint at(reply->root_x, reply->root_y);
      std::free(reply);
      return at;
    }
  }
#endif
  return LogicalToDevice(QCursor::pos());
}

std::optional<int32_t> NativePixel(QPoint device_pixel) {
#ifdef KOLWE_NATIVE_X11
  if (xcb_connection_t* connection = X11Connection()) return X11Pixel(connection, device_pixel);
#endif
  QScreen* screen = ScreenAtDevicePixel(device_pixel);
  if (!screen || !DeviceGeometry(screen).contains(device_pixel)) return std::nullopt;
  const QPointF logical = DeviceToLogical(device_pixel) - QPointF(screen->geometry().topLeft());
  const QImage image =
      screen->grabWindow(0, int(std::floor(logical.x())), int(std::floor(logical.y())), 1, 1)
          .toImage();
  if (image.isNull()) return std::nullopt;
  const QRgb rgb = image.pixel(0, 0);
  return qRed(rgb) + 256 * qGreen(rgb) + 65536 * qBlue(rgb);
}

}  // namespace toolkit
