#include "toolkit/x11/connection.h"

#include <QGuiApplication>

#if __has_include(<xcb/xcb.h>) && defined(KOLWE_HAS_XCB)
#include <QtGui/qguiapplication_platform.h>
#define KOLWE_NATIVE_X11 1
#endif

namespace toolkit {

xcb_connection_t* X11Connection() {
#ifdef KOLWE_NATIVE_X11
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (x11) return x11->connection();
#endif
  return nullptr;
}

}  // namespace toolkit
