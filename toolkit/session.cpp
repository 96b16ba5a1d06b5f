#include "toolkit/session.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QGuiApplication>
#include <cstdlib>
#include <cstring>
#include <string>

#ifdef KOLWE_HAS_XCB
#include <xcb/xcb.h>
#endif

namespace toolkit {
namespace {

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

}  // namespace

// A compositor answers on the Wayland display's socket.
bool WaylandDisplayUsable() {
  std::string path = Env("WAYLAND_DISPLAY");
  if (path.empty()) return false;
  if (path[0] != '/') path = Env("XDG_RUNTIME_DIR") + "/" + path;
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path.size() >= sizeof(address.sun_path)) return false;
  std::memcpy(address.sun_path, path.c_str(), path.size());
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  const bool reached =
      fd >= 0 && connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
  if (fd >= 0) close(fd);
  return reached;
}

bool XDisplayUsable() {
#ifdef KOLWE_HAS_XCB
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  const bool reached = !xcb_connection_has_error(connection);
  xcb_disconnect(connection);
  return reached;
#else
  return !Env("DISPLAY").empty();
#endif
}

void ChoosePlatform() {
  if (!Env("QT_QPA_PLATFORM").empty()) return;
  // Without a Wayland display named, the desktop is X11, though Qt would try Wayland first.
  if (Env("WAYLAND_DISPLAY").empty() || (WaylandDisplayUsable() && XDisplayUsable())) {
    setenv("QT_QPA_PLATFORM", "xcb", 1);
  }
}

bool WaylandSession() {
  return !Env("WAYLAND_DISPLAY").empty() ||
         QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

}  // namespace toolkit
