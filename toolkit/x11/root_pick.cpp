#include "toolkit/x11/root_pick.h"

#include <xcb/xcb.h>

#include <QAbstractEventDispatcher>
#include <QAbstractNativeEventFilter>
#include <QElapsedTimer>
#include <QTimer>
#include <string>
#include <vector>

#include "toolkit/pick_keys.h"
#include "toolkit/x11/loupe.h"
#include "toolkit/x11/native_screen.h"
#include "toolkit/x11/reply.h"

namespace toolkit {
namespace {

constexpr int kGrabWaitMs = 1000;  // another program may be letting go of its grab
constexpr int kGrabRetryMs = 50;
constexpr uint16_t kCrosshairGlyph = 34;  // in X11's cursor font

}  // namespace

// The root window's grab of the pointer and the keyboard, whose events reach no Qt window and
// are read here as they arrive.
class RootGrab : public QAbstractNativeEventFilter {
 public:
  RootGrab(xcb_connection_t* connection, RootPick::Done done)
      : done_(std::move(done)),
        connection_(connection),
        root_(xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root) {
    ReadKeyboardMapping();
    QAbstractEventDispatcher::instance()->installNativeEventFilter(this);
  }

  ~RootGrab() override { Release(); }

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
    if (!refusal_.empty()) return done_(std::nullopt, refusal_.c_str());  // no wait mends it
    if (waited_.elapsed() >= kGrabWaitMs) {
      return done_(std::nullopt,
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
    const auto reply = ReplyTo(
        "GrabPointer",
        [&](xcb_generic_error_t** error) {
          return xcb_grab_pointer_reply(
              connection_,
              xcb_grab_pointer(connection_, 0, root_, events, XCB_GRAB_MODE_ASYNC,
                               XCB_GRAB_MODE_ASYNC, XCB_NONE, crosshair, XCB_CURRENT_TIME),
              error);
        },
        &refusal_);
    xcb_free_cursor(connection_, crosshair);
    return reply && reply->status == XCB_GRAB_STATUS_SUCCESS;
  }

  bool GrabKeyboard() {
    const auto reply = ReplyTo(
        "GrabKeyboard",
        [&](xcb_generic_error_t** error) {
          return xcb_grab_keyboard_reply(
              connection_,
              xcb_grab_keyboard(connection_, 0, root_, XCB_CURRENT_TIME, XCB_GRAB_MODE_ASYNC,
                                XCB_GRAB_MODE_ASYNC),
              error);
        },
        &refusal_);
    return reply && reply->status == XCB_GRAB_STATUS_SUCCESS;
  }

  void ReadKeyboardMapping() {
    const xcb_setup_t* setup = xcb_get_setup(connection_);
    min_keycode_ = setup->min_keycode;
    std::string refusal = "no answer";
    const auto reply = ReplyTo(
        "GetKeyboardMapping",
        [&](xcb_generic_error_t** error) {
          return xcb_get_keyboard_mapping_reply(
              connection_,
              xcb_get_keyboard_mapping(connection_, setup->min_keycode,
                                       uint8_t(setup->max_keycode - setup->min_keycode + 1)),
              error);
        },
        &refusal);
    if (!reply) {
      std::fprintf(stderr, "kolwe: no keyboard map (%s): only a press picks\n", refusal.c_str());
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
    if (pressed.action == PickKey::kCancel) End(std::nullopt, "pick cancelled");
  }

  // Moves the pointer by device pixels; the motion this makes moves the loupe.
  void Nudge(int dx, int dy) {
    xcb_warp_pointer(connection_, XCB_NONE, XCB_NONE, 0, 0, 0, 0, int16_t(dx), int16_t(dy));
    xcb_flush(connection_);
  }

  void PickAt(QPoint device_pixel) {
    End(NativePixel(device_pixel), "the pixel under the pointer cannot be read");
  }

  void End(std::optional<int32_t> color, const char* why_none) {
    grabbed_ = false;
    loupe_.Hide();
    Release();
    done_(color, why_none);
  }

  void Release() {
    xcb_ungrab_pointer(connection_, XCB_CURRENT_TIME);
    xcb_ungrab_keyboard(connection_, XCB_CURRENT_TIME);
    xcb_flush(connection_);
  }

  RootPick::Done done_;
  xcb_connection_t* connection_;
  xcb_window_t root_;
  xcb_keycode_t min_keycode_ = 0;
  uint8_t per_keycode_ = 0;
  std::vector<xcb_keysym_t> keysyms_;
  QElapsedTimer waited_;
  std::string refusal_;  // an X error's words: the grab cannot be had
  bool grabbed_ = false;
  Loupe loupe_;
};

RootPick::RootPick(xcb_connection_t* connection, Done done)
    : grab_(std::make_unique<RootGrab>(connection, std::move(done))) {}

RootPick::~RootPick() = default;

void RootPick::Start() { grab_->Start(); }

}  // namespace toolkit
