#include "toolkit/qt_mlmouse.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMainWindow>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>

#include "toolkit/form.h"
#include "toolkit/portal/portal_pick.h"
#include "toolkit/session.h"
#include "toolkit/wayland/wlr_picker.h"
#include "toolkit/x11/connection.h"
#include "toolkit/x11/loupe.h"
#include "toolkit/x11/native_screen.h"
#include "toolkit/x11/window_hints.h"

namespace toolkit {
namespace {

constexpr int32_t kScreenDC = 1;  // the one device context handed out: the whole screen

// Grabs the mouse for a widget, at once or as soon as its window is exposed: a grab made
// earlier fails silently on X11. refused runs where another program holds the pointer.
class GrabWhenExposed : public QObject {
 public:
  GrabWhenExposed(QWidget* widget, std::function<void()> refused)
      : widget_(widget), refused_(std::move(refused)) {
    QWindow* window = widget->window()->windowHandle();
    if (window->isExposed()) {
      Grab();
      return;
    }
    window->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
      watched->removeEventFilter(this);
      Grab();
    }
    return false;
  }

 private:
  void Grab() {
    if (PointerHeldElsewhere()) {
      refused_();
    } else {
      widget_->grabMouse();
    }
    deleteLater();
  }

  QWidget* widget_;
  std::function<void()> refused_;
};

// Calls back on each pointer motion the window receives; while the window holds the capture,
// that is every motion anywhere on the screen.
class OnMotion : public QObject {
 public:
  OnMotion(QWindow* window, std::function<void()> moved) : moved_(std::move(moved)) {
    window->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::MouseMove) moved_();
    return false;
  }

 private:
  std::function<void()> moved_;
};

}  // namespace

QtMlmouse::QtMlmouse() : wayland_(WaylandSession()) {
  if (!wayland_) return;
  // Connecting to the compositor or the session bus takes a while: from the event loop, while
  // the window manager maps the window, and not before the window's first paint.
  deferred_ = std::make_unique<QObject>();
  QTimer::singleShot(0, deferred_.get(), [this] { ChoosePicker(); });
}

QtMlmouse::~QtMlmouse() = default;

// kolwe's own picker where the compositor allows it, else the portal's. A compositor that
// went away is asked again.
void QtMlmouse::ChoosePicker() {
  if (chosen_ && !(wlr_ && wlr_->Lost())) return;
  chosen_ = true;
  wlr_ = wayland::WlrPicker::Connect();
  if (!wlr_) Portal();
}

// Asks the portal's version at once, so that a pick need not wait for it.
PortalPick& QtMlmouse::Portal() {
  if (!portal_) {
    portal_ = std::make_unique<PortalPick>(QDBusConnection::sessionBus());
    portal_->AskVersion();
  }
  return *portal_;
}

int32_t QtMlmouse::GetCursorPos(PointApi& point) {
  const QPoint at = NativeCursorPos();
  point.x = at.x();
  point.y = at.y();
  return 1;
}

int32_t QtMlmouse::ScreenToClient(int32_t hwnd, PointApi& point) {
  const Form* form = Form::FromHandle(hwnd);
  if (!form) return 0;
  const QPoint origin = NativeOrigin(form->Client());
  point.x -= origin.x();
  point.y -= origin.y();
  return 1;
}

int32_t QtMlmouse::GetDC(int32_t hwnd) { return hwnd == 0 ? kScreenDC : 0; }

int32_t QtMlmouse::ReleaseDC(int32_t hwnd, int32_t hdc) { return hwnd == 0 && hdc == kScreenDC; }

int32_t QtMlmouse::SetCapture(int32_t hwnd) {
  const Form* form = Form::FromHandle(hwnd);
  if (!form) return 0;
  QWidget* client = form->Client();
  if (wayland_) {
    // The picker's answer completes the pick as a press would, and GetPixel then gives it.
    picked_.reset();
    ChoosePicker();
    if (wlr_) {
      wlr_->Start(
          wayland::WlrPicker::Keyboard::kStaysWithWindow,
          [this, form](std::optional<int32_t> color) { Picked(color, wlr_->WhyNoColour(), form); });
    } else {
      Portal().Start([this, form](std::optional<int32_t> color) {
        Picked(color, portal_->WhyNoColour(), form);
      });
    }
    return hwnd;
  }
  // While a pick is armed the pointer is a cross-hair, over every window.
  if (!cursor_overridden_) QGuiApplication::setOverrideCursor(Qt::CrossCursor);
  cursor_overridden_ = true;
  QWindow* window = client->window()->windowHandle();
  grab_refused_ = false;
  if (window) {
    // With the pointer held elsewhere no press would come: the pick ends with no colour.
    new GrabWhenExposed(client, [this, form] {
      grab_refused_ = true;
      Picked(std::nullopt, "cannot grab the pointer: another program holds it", form);
    });
  }
  if (window && X11Connection()) {
    if (!loupe_) loupe_ = std::make_unique<Loupe>();
    loupe_->Follow();
    loupe_mover_ = std::make_unique<OnMotion>(window, [this] { loupe_->Follow(); });
  }
  return hwnd;
}

// Raised from the event loop: an answer known at once must not overtake the arming.
void QtMlmouse::Picked(std::optional<int32_t> color, const std::string& why_none,
                       const Form* form) {
  picked_ = color;
  if (!color) std::fprintf(stderr, "kolwe: %s\n", why_none.c_str());
  QTimer::singleShot(0, form->Client(),
                     [form] { form->MouseDown.Raise(MouseButton::Left, 0, 0, 0); });
}

int32_t QtMlmouse::ReleaseCapture() {
  if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
  loupe_mover_.reset();
  if (loupe_) loupe_->Hide();
  if (cursor_overridden_) QGuiApplication::restoreOverrideCursor();
  cursor_overridden_ = false;
  return 1;
}

int32_t QtMlmouse::GetPixel(int32_t hdc, int32_t x, int32_t y) {
  if (hdc != kScreenDC) return kClrInvalid;
  if (wayland_) return picked_.value_or(kClrInvalid);
  if (grab_refused_) return kClrInvalid;
  return NativePixel(QPoint(x, y)).value_or(kClrInvalid);
}

int32_t QtMlmouse::SetWindowPos(int32_t hwnd, int32_t insert_after, int32_t, int32_t, int32_t,
                                int32_t, int32_t flags) {
  const Form* form = Form::FromHandle(hwnd);
  if (!form || (insert_after != kHwndTopmost && insert_after != kHwndNoTopmost)) return 0;
  QMainWindow* top = form->Window();
  QWindow* window = top->windowHandle();
  if (!window) return 0;
  // The flag on the existing native window: QWidget::setWindowFlag would recreate it.
  window->setFlag(Qt::WindowStaysOnTopHint, insert_after == kHwndTopmost);
  ForbidResize(top);  // setting a flag rewrote the window-manager hints
  if ((flags & kSwpShowWindow) && !top->isVisible()) top->show();
  return 1;
}

}  // namespace toolkit
