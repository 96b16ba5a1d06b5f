#include "toolkit/x11/window_hints.h"

#include <QEvent>
#include <QWidget>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "toolkit/x11/connection.h"

#ifdef KOLWE_HAS_XCB
#include "toolkit/x11/reply.h"
#endif

namespace toolkit {
namespace {

constexpr Qt::WindowStates kEnlarged = Qt::WindowMaximized | Qt::WindowFullScreen;

class FixedSizeKeeper : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* window = static_cast<QWidget*>(watched);
    const bool enlarged =
        event->type() == QEvent::WindowStateChange && (window->windowState() & kEnlarged);
    const bool resized = event->type() == QEvent::Resize && window->isVisible() &&
                         window->size() != window->minimumSize();
    // Queued: the window manager's change must finish before it is undone.
    if (enlarged || resized) {
      QMetaObject::invokeMethod(
          window,
          [window] {
            window->setWindowState(window->windowState() & ~kEnlarged);
            window->resize(window->minimumSize());
          },
          Qt::QueuedConnection);
    }
    return false;
  }
};

}  // namespace

void KeepFixedSize(QWidget* window) {
  window->installEventFilter(new FixedSizeKeeper(window));
  ForbidResize(window);
}

#ifdef KOLWE_HAS_XCB
namespace {

// The Motif hints' layout and bits (Xm/MwmUtil.h).
enum : uint32_t { kHintFunctions = 1, kHintDecorations = 2 };
enum : uint32_t { kFunctionMove = 4, kFunctionMinimize = 8, kFunctionClose = 32 };
enum : uint32_t { kDecorBorder = 2, kDecorTitle = 8, kDecorMenu = 16, kDecorMinimize = 32 };
struct MotifHints {
  uint32_t flags, functions, decorations, input_mode, status;
};

}  // namespace

void ForbidResize(QWidget* window) {
  xcb_connection_t* connection = X11Connection();
  if (!connection) return;  // other platforms take the fixed size from the size hints alone
  static const char kName[] = "_MOTIF_WM_HINTS";
  const auto atom = ReplyTo("InternAtom", [&](xcb_generic_error_t** error) {
    return xcb_intern_atom_reply(connection,
                                 xcb_intern_atom(connection, 0, sizeof kName - 1, kName), error);
  });
  if (!atom) return;
  const MotifHints hints{kHintFunctions | kHintDecorations,
                         kFunctionMove | kFunctionMinimize | kFunctionClose,
                         kDecorBorder | kDecorTitle | kDecorMenu | kDecorMinimize, 0, 0};
  xcb_change_property(connection, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window->winId()),
                      atom->atom, atom->atom, 32, 5, &hints);
  xcb_flush(connection);
}

void SetWindowClass(QWidget* window, const char* instance, const char* window_class) {
  xcb_connection_t* connection = X11Connection();
  if (!connection) return;
  const std::string both = std::string(instance) + '\0' + window_class + '\0';
  xcb_change_property(connection, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window->winId()),
                      XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 8, uint32_t(both.size()), both.data());
  xcb_flush(connection);
}
#else
void ForbidResize(QWidget*) {}
void SetWindowClass(QWidget*, const char*, const char*) {}
#endif

}  // namespace toolkit
