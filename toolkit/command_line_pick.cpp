#include "toolkit/command_line_pick.h"

#include <QAbstractEventDispatcher>
#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QDBusConnection>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "toolkit/loupe.h"
#include "toolkit/native_screen.h"
#include "toolkit/pick_keys.h"
#include "toolkit/portal_pick.h"
#include "toolkit/session.h"
#include "toolkit/wayland/wlr_picker.h"
#include "toolkit/x11/connection.h"

#ifdef KOLWE_HAS_XCB
#include "toolkit/x11/reply.h"
#endif

namespace toolkit {
namespace {

constexpr int kPicked = 0;
constexpr int kNoColour = 1;

// Ends the event loop with the colour printed, or with why there is none.
void Finish(std::optional<int32_t> color, const char* why_none) {
  if (color) {
    std::printf("%02X%02X%02X\n", *color & 255, (*color >> 8) & 255, (*color >> 16) & 255);
    std::fflush(stdout);
  } else {
    std::fprintf(stderr, "kolwe: %s\n", why_none);
  }
  QCoreApplication::exit(color ? kPicked : kNoColour);
}

#ifdef KOLWE_HAS_XCB
constexpr int kGrabWaitMs = 1000;  // another program may be letting go of its grab
constexpr int kGrabRetryMs = 50;
constexpr uint16_t kCrosshairGlyph = 34;  // in X11's cursor font

// The pick on X11: the root window's grab of the pointer and the keyboard, whose events reach
// no Qt window and are read here as they arrive.
class RootPick : public QAbstractNativeEventFilter {
 public:
  explicit RootPick(xcb_connection_t* connection)
      : connection_(connection),
        root_(xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root) {
    ReadKeyboardMapping();
    QAbstractEventDispatcher::instance()->installNativeEventFilter(this);
  }

  ~RootPick() override { Release(); }

  // Grabs both, trying again for a while if another program holds either.
  void Start() {
    waited_.start();
    TryGrab();
  }

  bool nativeEventFilter(const QByteArray&, void* message, qintptr*) override {
    const auto* event = static_cast<xcb_generic_event_t*>(message);
    switch (event->response_type & 0x7f) {
      case XCB_MOTION_NOTIFY:
        if (grabbed_) loupe_.Follow();
        return true;
      case XCB_BUTTON_PRESS: {
        const auto* press = reinterpret_cast<const xcb_button_press_event_t*>(event);
        if (grabbed_ && press->event == root_) PickAt(QPoint(press->root_x, press->root_y));
        return grabbed_;
      }
      case XCB_KEY_PRESS: {
        const auto* key = reinterpret_cast<const xcb_key_press_event_t*>(event);
        if (grabbed_ && key->event == root_) Key(KeySym(key->detail), key->state);
        return grabbed_;
      }
      default:
        return false;
    }
  }

 private:
  void TryGrab() {
    if (GrabPointer() && GrabKeyboard()) {
      grabbed_ = true;
      loupe_.Follow();
      return;
    }
    xcb_ungrab_pointer(connection_, XCB_CURRENT_TIME);
    xcb_flush(connection_);
    if (waited_.elapsed() >= kGrabWaitMs) {
      return Finish(std::nullopt,
                    "cannot grab the pointer and keyboard: another program holds them");
    }
    QTimer::singleShot(kGrabRetryMs, [this] { TryGrab(); });
  }

  bool GrabPointer() {
    const xcb_font_t font = xcb_generate_id(connection_);
    xcb_open_font(connection_, font, 6, "cursor");
    const xcb_cursor_t crosshair = xcb_generate_id(connection_);
    xcb_create_glyph_cursor(connection_, crosshair, font, font, kCrosshairGlyph,
                            kCrosshairGlyph + 1, 0, 0, 0, 0xffff, 0xffff, 0xffff);
    xcb_close_font(connection_, font);
    const uint16_t events =
        XCB_EVENT_MASK_BUTTON_PRESS | XCB_EVENT_MASK_BUTTON_RELEASE | XCB_EVENT_MASK_POINTER_MOTION;
    const auto reply = ReplyTo("GrabPointer", [&](xcb_generic_error_t** error) {
      return xcb_grab_pointer_reply(
          connection_,
          xcb_grab_pointer(connection_, 0, root_, events, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC,
                           XCB_NONE, crosshair, XCB_CURRENT_TIME),
          error);
    });
    xcb_free_cursor(connection_, crosshair);
    return reply && reply->status == XCB_GRAB_STATUS_SUCCESS;
  }

  bool GrabKeyboard() {
    const auto reply = ReplyTo("GrabKeyboard", [&](xcb_generic_error_t** error) {
      return xcb_grab_keyboard_reply(connection_,
                                     xcb_grab_keyboard(connection_, 0, root_, XCB_CURRENT_TIME,
                                                       XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC),
                                     error);
    });
    return reply && reply->status == XCB_GRAB_STATUS_SUCCESS;
  }

  void ReadKeyboardMapping() {
    const xcb_setup_t* setup = xcb_get_setup(connection_);
    min_keycode_ = setup->min_keycode;
    const auto reply = ReplyTo("GetKeyboardMapping", [&](xcb_generic_error_t** error) {
      return xcb_get_keyboard_mapping_reply(
          connection_,
          xcb_get_keyboard_mapping(connection_, setup->min_keycode,
                                   uint8_t(setup->max_keycode - setup->min_keycode + 1)),
          error);
    });
    if (!reply) {
      std::fprintf(stderr, "kolwe: no keyboard map from the X server: only a press picks\n");
      return;
    }
    const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(reply.get());
    per_keycode_ = reply->keysyms_per_keycode;
    keysyms_.assign(keysyms, keysyms + xcb_get_keyboard_mapping_keysyms_length(reply.get()));
  }

  // The key's own symbol, without Shift.
  xcb_keysym_t KeySym(xcb_keycode_t keycode) const {
    const size_t at = size_t(keycode - min_keycode_) * per_keycode_;
    return at < keysyms_.size() ? keysyms_[at] : 0;
  }

  void Key(xcb_keysym_t key, uint16_t state) {
    const PickKey pressed = PickKeyFor(key, state & XCB_MOD_MASK_SHIFT);
    if (pressed.action == PickKey::kNudge) Nudge(pressed.step.x(), pressed.step.y());
    if (pressed.action == PickKey::kPick) PickAt(NativeCursorPos());
    if (pressed.action == PickKey::kCancel) Done(std::nullopt, "pick cancelled");
  }

  // Moves the pointer by device pixels; the motion this makes moves the loupe.
  void Nudge(int dx, int dy) {
    xcb_warp_pointer(connection_, XCB_NONE, XCB_NONE, 0, 0, 0, 0, int16_t(dx), int16_t(dy));
    xcb_flush(connection_);
  }

  void PickAt(QPoint device_pixel) {
    Done(NativePixel(device_pixel), "the pixel under the pointer cannot be read");
  }

  void Done(std::optional<int32_t> color, const char* why_none) {
    grabbed_ = false;
    loupe_.Hide();
    Release();
    Finish(color, why_none);
  }

  void Release() {
    xcb_ungrab_pointer(connection_, XCB_CURRENT_TIME);
    xcb_ungrab_keyboard(connection_, XCB_CURRENT_TIME);
    xcb_flush(connection_);
  }

  xcb_connection_t* connection_;
  xcb_window_t root_;
  xcb_keycode_t min_keycode_ = 0;
  uint8_t per_keycode_ = 0;
  std::vector<xcb_keysym_t> keysyms_;
  QElapsedTimer waited_;
  bool grabbed_ = false;
  Loupe loupe_;
};
#endif

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
      Finish(color, picker->WhyNoColour().c_str());
    });
    const int status = QApplication::exec();
    picker.reset();  // its socket notifier goes before the application
    return status;
  }
  if (WaylandSession()) {
    PortalPick portal(QDBusConnection::sessionBus());
    portal.AskVersion();
    portal.Start(
        [&portal](std::optional<int32_t> color) { Finish(color, portal.WhyNoColour().c_str()); });
    return QApplication::exec();
  }
#ifdef KOLWE_HAS_XCB
  if (xcb_connection_t* connection = X11Connection()) {
    RootPick pick(connection);
    QTimer::singleShot(0, [&pick] { pick.Start(); });
    return QApplication::exec();
  }
#endif
  std::fprintf(stderr, "kolwe: --pick needs an X11 or a Wayland session\n");
  return kNoColour;
}

}  // namespace toolkit
