#include "toolkit/command_line_pick.h"

#include <QApplication>
#include <QDBusConnection>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <optional>

#include "toolkit/portal/portal_pick.h"
#include "toolkit/session.h"
#include "toolkit/wayland/wlr_picker.h"
#include "toolkit/x11/connection.h"

#ifdef KOLWE_HAS_XCB
#include "toolkit/x11/root_pick.h"
#endif

namespace toolkit {
namespace {

constexpr int kPicked = 0;
constexpr int kNoColour = 1;

// Ends the event loop with the colour printed, or with why there is none.
void Exit(std::optional<int32_t> color, const char* why_none) {
  if (color) {
    std::printf("%02X%02X%02X\n", *color & 255, (*color >> 8) & 255, (*color >> 16) & 255);
    std::fflush(stdout);
  } else {
    std::fprintf(stderr, "kolwe: %s\n", why_none);
  }
  QCoreApplication::exit(color ? kPicked : kNoColour);
}

}  // namespace

int RunCommandLinePick(int& argc, char** argv) {
  ChoosePlatform();
  // kolwe's own picker on the wlroots desktops speaks to the compositor itself: Qt only draws
  // its loupe, off the screen, and needs no display connection of its own.
  std::unique_ptr<wayland::WlrPicker> picker;
  if (WaylandSession() && (picker = wayland::WlrPicker::Connect())) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication application(argc, argv);
  if (picker) {
    picker->Start(wayland::WlrPicker::Keyboard::kTaken, [&picker](std::optional<int32_t> color) {
      Exit(color, picker->WhyNoColour().c_str());
    });
    const int status = QApplication::exec();
    picker.reset();  // its socket notifier goes before the application
    return status;
  }
  if (WaylandSession()) {
    PortalPick portal(QDBusConnection::sessionBus());
    portal.AskVersion();
    portal.Start(
        [&portal](std::optional<int32_t> color) { Exit(color, portal.WhyNoColour().c_str()); });
    return QApplication::exec();
  }
#ifdef KOLWE_HAS_XCB
  if (xcb_connection_t* connection = X11Connection()) {
    RootPick pick(connection, Exit);
    QTimer::singleShot(0, [&pick] { pick.Start(); });
    return QApplication::exec();
  }
#endif
  std::fprintf(stderr, "kolwe: --pick needs an X11 or a Wayland session\n");
  return kNoColour;
}

}  // namespace toolkit
