#include "toolkit/wayland/wlr_picker.h"

#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>
#include <wayland-cursor.h>
#include <xkbcommon/xkbcommon.h>

#include <QAbstractEventDispatcher>
#include <QElapsedTimer>
#include <QImage>
#include <QSocketNotifier>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <list>
#include <map>

#include "toolkit/loupe_view.h"
#include "toolkit/pick_keys.h"
#include "toolkit/qt_color.h"
#include "toolkit/wayland/globals.h"
#include "toolkit/wayland/layer_surfaces.h"
#include "toolkit/wayland/output_pixels.h"
#include "toolkit/wayland/screen_copy.h"

namespace toolkit::wayland {
namespace {

template <typename T>
T* Bind(wl_registry* registry, uint32_t name, const wl_interface* interface, uint32_t offered,
        uint32_t wanted) {
  return static_cast<T*>(wl_registry_bind(registry, name, interface, std::min(offered, wanted)));
}

uint32_t NowMs() {
  static QElapsedTimer clock;
  if (!clock.isValid()) clock.start();
  return uint32_t(clock.elapsed());
}

}  // namespace

// An output as the compositor describes it, and what a pick keeps of it.
struct Output {
  uint32_t global = 0;
  wl_output* output = nullptr;
  zxdg_output_v1* xdg = nullptr;
  OutputShape shape;
  QPoint position;  // of its top-left corner in the layout, in logical pixels
  int scale = 1;
  std::unique_ptr<Overlay> overlay;
  std::unique_ptr<CopiedOutput> seen;  // as the pointer found it, for the loupe
  std::unique_ptr<ScreenCopy> seeing;

  ~Output() {
    overlay.reset();
    seeing.reset();
    if (xdg) zxdg_output_v1_destroy(xdg);
    wl_output_destroy(output);
  }
  // Its logical size from the overlay where the compositor gives no other.
  OutputShape Shape() const {
    OutputShape known = shape;
    if (known.logical.isEmpty() && overlay) known.logical = overlay->Size();
    return known;
  }
};

// The connection, the outputs and seat, and the pick while one is armed.
class PickSession {
 public:
  ~PickSession();
  bool Connect();
  void Start(WlrPicker::Keyboard keyboard, WlrPicker::Done done);
  const std::string& WhyNoColour() const { return why_none_; }
  bool Lost() const { return lost_; }

 private:
  void Global(uint32_t name, const char* interface, uint32_t version);
  void GlobalGone(uint32_t name);
  void AddOutput(uint32_t name, uint32_t version);
  void SetUp(Output& output);
  void SeatCapabilities(uint32_t capabilities);

  void PointerEnter(uint32_t serial, wl_surface* surface, wl_fixed_t x, wl_fixed_t y);
  void PointerMotion(wl_fixed_t x, wl_fixed_t y);
  void Pressed();
  void Keymap(uint32_t format, int fd, uint32_t size);
  void Key(uint32_t key);

  void SetCrosshair(uint32_t serial, int scale);
  void See(Output& output);
  void FollowWithLoupe();
  void PickAt(Output& output, QPoint device_pixel);
  void Nudge(int dx, int dy);
  void End(std::optional<int32_t> color, std::string why_none);
  void Listen();
  void Read();
  void Flush();
  void Complain(const char* what);

  Globals g_;
  std::list<Output> outputs_;
  wl_pointer* pointer_ = nullptr;
  wl_keyboard* keyboard_ = nullptr;
  std::unique_ptr<QSocketNotifier> notifier_;
  QMetaObject::Connection before_block_;
  bool lost_ = false;

  // Keys, through the keymap the compositor gives.
  xkb_context* xkb_ = nullptr;
  xkb_keymap* keymap_ = nullptr;
  xkb_state* key_state_ = nullptr;

  // The cross-hair, from the cursor theme at each output scale met.
  std::map<int, wl_cursor_theme*> themes_;
  Owned<wl_surface> cursor_;
  std::vector<const char*> complained_;

  // The pick while armed.
  bool armed_ = false;
  bool takes_keyboard_ = false;
  WlrPicker::Done done_;
  std::string why_none_;  // of the last pick
  Output* under_pointer_ = nullptr;
  QPoint position_;  // on that output's overlay, in wl_fixed
  std::unique_ptr<LoupeLayer> loupe_;
  Output* loupe_output_ = nullptr;
  std::unique_ptr<ScreenCopy> press_copy_;
  Output* pressed_output_ = nullptr;
  zwlr_virtual_pointer_v1* nudger_ = nullptr;
};

bool PickSession::Connect() {
  g_.display = wl_display_connect(nullptr);
  if (!g_.display) return false;
  g_.registry = wl_display_get_registry(g_.display);
  static const wl_registry_listener listener = {
      [](void* session, wl_registry*, uint32_t name, const char* interface, uint32_t version) {
        static_cast<PickSession*>(session)->Global(name, interface, version);
      },
      [](void* session, wl_registry*, uint32_t name) {
        static_cast<PickSession*>(session)->GlobalGone(name);
      },
  };
  wl_registry_add_listener(g_.registry, &listener, this);
  // The globals, then what the outputs and the seat say of themselves.
  return wl_display_roundtrip(g_.display) >= 0 && g_.layer_shell && g_.screencopy && g_.shm &&
         g_.compositor && g_.seat && wl_display_roundtrip(g_.display) >= 0;
}

// Reads the connection from the event loop from the first pick on: the connection itself may
// be made before the application.
void PickSession::Listen() {
  if (notifier_) return;
  notifier_ =
      std::make_unique<QSocketNotifier>(wl_display_get_fd(g_.display), QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { Read(); });
  // Requests made anywhere go out before the event loop waits.
  before_block_ = QObject::connect(QAbstractEventDispatcher::instance(),
                                   &QAbstractEventDispatcher::aboutToBlock, [this] {
                                     if (lost_) return;
                                     wl_display_dispatch_pending(g_.display);
                                     Flush();
                                   });
}

PickSession::~PickSession() {
  QObject::disconnect(before_block_);
  notifier_.reset();
  armed_ = false;
  loupe_.reset();
  press_copy_.reset();
  outputs_.clear();
  cursor_.reset();
  for (auto& [scale, theme] : themes_) wl_cursor_theme_destroy(theme);
  if (nudger_) zwlr_virtual_pointer_v1_destroy(nudger_);
  if (pointer_) wl_pointer_release(pointer_);
  if (keyboard_) wl_keyboard_release(keyboard_);
  if (key_state_) xkb_state_unref(key_state_);
  if (keymap_) xkb_keymap_unref(keymap_);
  if (xkb_) xkb_context_unref(xkb_);
  g_.Destroy();
}

void PickSession::Global(uint32_t name, const char* interface, uint32_t version) {
  wl_registry* r = g_.registry;
  const std::string is = interface;
  if (is == wl_compositor_interface.name) {
    g_.compositor = Bind<wl_compositor>(r, name, &wl_compositor_interface, version, 4);
  } else if (is == wl_shm_interface.name) {
    g_.shm = Bind<wl_shm>(r, name, &wl_shm_interface, version, 1);
  } else if (is == wl_seat_interface.name && version >= 3 && !g_.seat) {
    g_.seat = Bind<wl_seat>(r, name, &wl_seat_interface, version, 5);
    static const wl_seat_listener listener = [] {
      wl_seat_listener l{};
      l.capabilities = [](void* session, wl_seat*, uint32_t capabilities) {
        static_cast<PickSession*>(session)->SeatCapabilities(capabilities);
      };
      l.name = [](void*, wl_seat*, const char*) {};
      return l;
    }();
    wl_seat_add_listener(g_.seat, &listener, this);
  } else if (is == wl_output_interface.name) {
    AddOutput(name, version);
  } else if (is == zwlr_layer_shell_v1_interface.name) {
    g_.layer_shell = Bind<zwlr_layer_shell_v1>(r, name, &zwlr_layer_shell_v1_interface, version, 1);
  } else if (is == zwlr_screencopy_manager_v1_interface.name) {
    g_.screencopy = Bind<zwlr_screencopy_manager_v1>(r, name, &zwlr_screencopy_manager_v1_interface,
                                                     version, 3);
  } else if (is == zxdg_output_manager_v1_interface.name) {
    g_.xdg_outputs =
        Bind<zxdg_output_manager_v1>(r, name, &zxdg_output_manager_v1_interface, version, 2);
    for (Output& output : outputs_) SetUp(output);
  } else if (is == wp_viewporter_interface.name) {
    g_.viewporter = Bind<wp_viewporter>(r, name, &wp_viewporter_interface, version, 1);
  } else if (is == zwlr_virtual_pointer_manager_v1_interface.name) {
    g_.virtual_pointers = Bind<zwlr_virtual_pointer_manager_v1>(
        r, name, &zwlr_virtual_pointer_manager_v1_interface, version, 1);
  }
}

void PickSession::AddOutput(uint32_t name, uint32_t version) {
  Output& output = outputs_.emplace_back();
  output.global = name;
  output.output = Bind<wl_output>(g_.registry, name, &wl_output_interface, version, 3);
  static const wl_output_listener listener = [] {
    wl_output_listener l{};
    l.geometry = [](void* data, wl_output*, int32_t, int32_t, int32_t, int32_t, int32_t,
                    const char*, const char*,
                    int32_t transform) { static_cast<Output*>(data)->shape.transform = transform; };
    l.mode = [](void* data, wl_output*, uint32_t flags, int32_t width, int32_t height, int32_t) {
      if (flags & WL_OUTPUT_MODE_CURRENT) static_cast<Output*>(data)->shape.mode = {width, height};
    };
    l.done = [](void*, wl_output*) {};
    l.scale = [](void* data, wl_output*, int32_t scale) {
      static_cast<Output*>(data)->scale = scale;
    };
    return l;
  }();
  wl_output_add_listener(output.output, &listener, &output);
  SetUp(output);
}

// Asks for the output's place and logical size, and gives a new output an overlay during a pick.
void PickSession::SetUp(Output& output) {
  if (g_.xdg_outputs && !output.xdg) {
    output.xdg = zxdg_output_manager_v1_get_xdg_output(g_.xdg_outputs, output.output);
    static const zxdg_output_v1_listener listener = [] {
      zxdg_output_v1_listener l{};
      l.logical_position = [](void* data, zxdg_output_v1*, int32_t x, int32_t y) {
        static_cast<Output*>(data)->position = {x, y};
      };
      l.logical_size = [](void* data, zxdg_output_v1*, int32_t width, int32_t height) {
        static_cast<Output*>(data)->shape.logical = {width, height};
      };
      l.done = [](void*, zxdg_output_v1*) {};
      l.name = [](void*, zxdg_output_v1*, const char*) {};
      l.description = [](void*, zxdg_output_v1*, const char*) {};
      return l;
    }();
    zxdg_output_v1_add_listener(output.xdg, &listener, &output);
  }
  if (armed_ && !output.overlay) {
    output.overlay = std::make_unique<Overlay>(g_, output.output, takes_keyboard_);
  }
}

void PickSession::GlobalGone(uint32_t name) {
  auto gone = std::find_if(outputs_.begin(), outputs_.end(),
                           [name](const Output& output) { return output.global == name; });
  if (gone == outputs_.end()) return;
  Output* output = &*gone;
  if (loupe_output_ == output) loupe_.reset(), loupe_output_ = nullptr;
  if (under_pointer_ == output) under_pointer_ = nullptr;
  const bool pressed_there = armed_ && pressed_output_ == output;
  outputs_.erase(gone);
  if (pressed_there) End(std::nullopt, "the output under the pointer went away");
}

// Input devices come and go (a virtual keyboard lasts as long as its client): a lost
// capability's object is let go, and made anew when the capability returns.
void PickSession::SeatCapabilities(uint32_t capabilities) {
  if (!(capabilities & WL_SEAT_CAPABILITY_POINTER) && pointer_) {
    wl_pointer_release(std::exchange(pointer_, nullptr));
    under_pointer_ = nullptr;
  }
  if (!(capabilities & WL_SEAT_CAPABILITY_KEYBOARD) && keyboard_) {
    wl_keyboard_release(std::exchange(keyboard_, nullptr));
  }
  if ((capabilities & WL_SEAT_CAPABILITY_POINTER) && !pointer_) {
    pointer_ = wl_seat_get_pointer(g_.seat);
    static const wl_pointer_listener listener = [] {
      wl_pointer_listener l{};
      l.enter = [](void* session, wl_pointer*, uint32_t serial, wl_surface* surface, wl_fixed_t x,
                   wl_fixed_t y) {
        static_cast<PickSession*>(session)->PointerEnter(serial, surface, x, y);
      };
      l.leave = [](void*, wl_pointer*, uint32_t, wl_surface*) {};
      l.motion = [](void* session, wl_pointer*, uint32_t, wl_fixed_t x, wl_fixed_t y) {
        static_cast<PickSession*>(session)->PointerMotion(x, y);
      };
      l.button = [](void* session, wl_pointer*, uint32_t, uint32_t, uint32_t, uint32_t state) {
        if (state == WL_POINTER_BUTTON_STATE_PRESSED) static_cast<PickSession*>(session)->Pressed();
      };
      l.axis = [](void*, wl_pointer*, uint32_t, uint32_t, wl_fixed_t) {};
      l.frame = [](void*, wl_pointer*) {};
      l.axis_source = [](void*, wl_pointer*, uint32_t) {};
      l.axis_stop = [](void*, wl_pointer*, uint32_t, uint32_t) {};
      l.axis_discrete = [](void*, wl_pointer*, uint32_t, int32_t) {};
      return l;
    }();
    wl_pointer_add_listener(pointer_, &listener, this);
  }
  if ((capabilities & WL_SEAT_CAPABILITY_KEYBOARD) && !keyboard_) {
    keyboard_ = wl_seat_get_keyboard(g_.seat);
    static const wl_keyboard_listener listener = [] {
      wl_keyboard_listener l{};
      l.keymap = [](void* session, wl_keyboard*, uint32_t format, int32_t fd, uint32_t size) {
        static_cast<PickSession*>(session)->Keymap(format, fd, size);
      };
      l.enter = [](void*, wl_keyboard*, uint32_t, wl_surface*, wl_array*) {};
      l.leave = [](void*, wl_keyboard*, uint32_t, wl_surface*) {};
      l.key = [](void* session, wl_keyboard*, uint32_t, uint32_t, uint32_t key, uint32_t state) {
        if (state == WL_KEYBOARD_KEY_STATE_PRESSED) static_cast<PickSession*>(session)->Key(key);
      };
      l.modifiers = [](void* data, wl_keyboard*, uint32_t, uint32_t depressed, uint32_t latched,
                       uint32_t locked, uint32_t group) {
        auto* session = static_cast<PickSession*>(data);
        if (session->key_state_) {
          xkb_state_update_mask(session->key_state_, depressed, latched, locked, 0, 0, group);
        }
      };
      l.repeat_info = [](void*, wl_keyboard*, int32_t, int32_t) {};
      return l;
    }();
    wl_keyboard_add_listener(keyboard_, &listener, this);
  }
}

void PickSession::Start(WlrPicker::Keyboard keyboard, WlrPicker::Done done) {
  Listen();
  if (armed_) End(std::nullopt, "a new pick began");
  armed_ = true;
  takes_keyboard_ = keyboard == WlrPicker::Keyboard::kTaken;
  done_ = std::move(done);
  for (Output& output : outputs_) SetUp(output);
  if (outputs_.empty()) return End(std::nullopt, "the compositor shows no output");
  Flush();
}

void PickSession::PointerEnter(uint32_t serial, wl_surface* surface, wl_fixed_t x, wl_fixed_t y) {
  if (!armed_) return;
  for (Output& output : outputs_) {
    if (output.overlay && output.overlay->Surface() == surface) under_pointer_ = &output;
  }
  if (!under_pointer_) return;
  SetCrosshair(serial, under_pointer_->scale);
  PointerMotion(x, y);
}

void PickSession::PointerMotion(wl_fixed_t x, wl_fixed_t y) {
  position_ = {x, y};
  if (!armed_ || !under_pointer_) return;
  if (under_pointer_->seen) return FollowWithLoupe();
  See(*under_pointer_);
}

// Copies the output as the pointer finds it, before the loupe stands on it.
void PickSession::See(Output& output) {
  if (output.seeing) return;
  if (loupe_output_ == &output) loupe_.reset(), loupe_output_ = nullptr;
  output.seeing = std::make_unique<ScreenCopy>(
      g_.screencopy, g_.shm, output.output, output.Shape(),
      [this, &output](std::unique_ptr<CopiedOutput> copy, std::string why_none) {
        output.seeing.reset();
        if (!copy) return End(std::nullopt, why_none);
        output.seen = std::move(copy);
        if (under_pointer_ == &output) FollowWithLoupe();
      });
}

void PickSession::FollowWithLoupe() {
  if (!under_pointer_ || !under_pointer_->seen) return;
  Output& output = *under_pointer_;
  const OutputShape shape = output.Shape();
  const QPoint device = DevicePixelAt(position_, shape);
  QImage pixels(kLoupeSide, kLoupeSide, QImage::Format_RGB32);
  for (int y = 0; y < kLoupeSide; ++y) {
    for (int x = 0; x < kLoupeSide; ++x) {
      const QPoint at = device + QPoint(x - kLoupeSide / 2, y - kLoupeSide / 2);
      pixels.setPixel(x, y, ToQColor(output.seen->Colour(at).value_or(0)).rgb());
    }
  }
  if (loupe_output_ != &output) {
    loupe_.reset();
    loupe_ = std::make_unique<LoupeLayer>(g_, output.output, output.scale);
    loupe_output_ = &output;
  }
  const QPoint pointer(position_.x() / 256, position_.y() / 256);
  loupe_->Show(pixels, LoupePlace(pointer, kLoupeSize, QRect(QPoint(0, 0), shape.logical),
                                  kLoupeFromPointer));
}

void PickSession::Pressed() {
  if (!armed_ || press_copy_ || !under_pointer_) return;
  PickAt(*under_pointer_, DevicePixelAt(position_, under_pointer_->Shape()));
}

// Reads the screen as it shows at the press, without the cursor.
void PickSession::PickAt(Output& output, QPoint device_pixel) {
  pressed_output_ = &output;
  press_copy_ = std::make_unique<ScreenCopy>(
      g_.screencopy, g_.shm, output.output, output.Shape(),
      [this, device_pixel](std::unique_ptr<CopiedOutput> copy, std::string why_none) {
        if (!copy) return End(std::nullopt, why_none);
        const std::optional<int32_t> colour = copy->Colour(device_pixel);
        End(colour, colour ? "" : "the pixel under the pointer cannot be read");
      });
}

void PickSession::Keymap(uint32_t format, int fd, uint32_t size) {
  void* text = format == WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1
                   ? mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0)
                   : MAP_FAILED;
  close(fd);
  if (text == MAP_FAILED) return Complain("the compositor gave no keymap: the keys do nothing");
  if (!xkb_) xkb_ = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
  xkb_keymap* keymap =
      xkb_ ? xkb_keymap_new_from_buffer(xkb_, static_cast<const char*>(text),
                                        strnlen(static_cast<const char*>(text), size),
                                        XKB_KEYMAP_FORMAT_TEXT_V1, XKB_KEYMAP_COMPILE_NO_FLAGS)
           : nullptr;
  munmap(text, size);
  if (!keymap) return Complain("the compositor's keymap cannot be read: the keys do nothing");
  if (key_state_) xkb_state_unref(key_state_);
  if (keymap_) xkb_keymap_unref(keymap_);
  keymap_ = keymap;
  key_state_ = xkb_state_new(keymap);
}

void PickSession::Key(uint32_t key) {
  if (!armed_ || !takes_keyboard_ || !key_state_) return;
  const PickKey pressed = PickKeyFor(
      xkb_state_key_get_one_sym(key_state_, key + 8),  // evdev's key codes are xkb's less 8
      xkb_state_mod_name_is_active(key_state_, XKB_MOD_NAME_SHIFT, XKB_STATE_MODS_EFFECTIVE) > 0);
  if (pressed.action == PickKey::kNudge) Nudge(pressed.step.x(), pressed.step.y());
  if (pressed.action == PickKey::kPick) Pressed();
  if (pressed.action == PickKey::kCancel) End(std::nullopt, "pick cancelled");
}

// Moves the pointer by device pixels of its output, to the centre of the pixel it lands on,
// through a virtual pointer's absolute motion over the whole layout.
void PickSession::Nudge(int dx, int dy) {
  if (!under_pointer_) return;
  if (!g_.virtual_pointers) return Complain("this desktop lets no program move the pointer");
  if (!nudger_) {
    nudger_ = zwlr_virtual_pointer_manager_v1_create_virtual_pointer(g_.virtual_pointers, g_.seat);
  }
  const OutputShape shape = under_pointer_->Shape();
  const QPoint target = DevicePixelAt(position_, shape) + QPoint(dx, dy);
  const QPointF centre = CentreOf(target, shape);
  const QPointF at = under_pointer_->position + centre;
  QRect layout;  // of the outputs the compositor shows this pick on
  for (const Output& output : outputs_) {
    if (output.overlay && !output.overlay->Size().isEmpty()) {
      layout |= QRect(output.position, output.Shape().logical);
    }
  }
  if (layout.isEmpty()) return;
  // Keys typed faster than the compositor answers aim from where the last one went.
  if (QRectF(QPointF(0, 0), shape.logical).contains(centre)) {
    position_ = (centre * 256).toPoint();
    FollowWithLoupe();
  }
  auto fixed = [](double logical, int from, int extent) {
    return uint32_t(std::clamp<long>(std::lround((logical - from) * 256), 0, extent * 256L - 1));
  };
  zwlr_virtual_pointer_v1_motion_absolute(
      nudger_, NowMs(), fixed(at.x(), layout.x(), layout.width()),
      fixed(at.y(), layout.y(), layout.height()), uint32_t(layout.width()) * 256,
      uint32_t(layout.height()) * 256);
  zwlr_virtual_pointer_v1_frame(nudger_);
}

void PickSession::SetCrosshair(uint32_t serial, int scale) {
  scale = std::max(scale, 1);
  wl_cursor_theme*& theme = themes_[scale];
  if (!theme) {
    const char* size = std::getenv("XCURSOR_SIZE");
    const int pixels = size && std::atoi(size) > 0 ? std::atoi(size) : 24;
    theme = wl_cursor_theme_load(std::getenv("XCURSOR_THEME"), pixels * scale, g_.shm);
  }
  wl_cursor* cursor = nullptr;
  for (const char* name : {"crosshair", "cross", "tcross"}) {
    if (!cursor && theme) cursor = wl_cursor_theme_get_cursor(theme, name);
  }
  if (!pointer_) return;
  if (!cursor || cursor->image_count == 0) return Complain("the cursor theme has no cross-hair");
  wl_cursor_image* image = cursor->images[0];
  if (!cursor_) cursor_.reset(wl_compositor_create_surface(g_.compositor));
  wl_surface_set_buffer_scale(cursor_.get(), scale);
  wl_surface_attach(cursor_.get(), wl_cursor_image_get_buffer(image), 0, 0);
  wl_surface_damage(cursor_.get(), 0, 0, INT32_MAX, INT32_MAX);
  wl_surface_commit(cursor_.get());
  wl_pointer_set_cursor(pointer_, serial, cursor_.get(), int32_t(image->hotspot_x) / scale,
                        int32_t(image->hotspot_y) / scale);
}

// Ends the pick: every surface of it leaves the screen before done hears the answer.
void PickSession::End(std::optional<int32_t> color, std::string why_none) {
  if (!armed_) return;
  armed_ = false;
  loupe_.reset();
  loupe_output_ = nullptr;
  press_copy_.reset();
  pressed_output_ = nullptr;
  under_pointer_ = nullptr;
  for (Output& output : outputs_) {
    output.overlay.reset();
    output.seeing.reset();
    output.seen.reset();
  }
  Flush();
  why_none_ = color ? "" : std::move(why_none);
  if (WlrPicker::Done done = std::exchange(done_, nullptr)) done(color);
}

void PickSession::Read() {
  if (wl_display_dispatch(g_.display) >= 0) return Flush();
  lost_ = true;
  notifier_->setEnabled(false);
  QObject::disconnect(before_block_);
  End(std::nullopt, "the compositor closed the connection");
}

void PickSession::Flush() {
  if (!lost_) wl_display_flush(g_.display);
}

// Says once why something the user may miss does not work, and goes on.
void PickSession::Complain(const char* what) {
  if (std::find(complained_.begin(), complained_.end(), what) != complained_.end()) return;
  complained_.push_back(what);
  std::fprintf(stderr, "kolwe: %s\n", what);
}

std::unique_ptr<WlrPicker> WlrPicker::Connect() {
  auto session = std::make_unique<PickSession>();
  if (!session->Connect()) return nullptr;
  return std::unique_ptr<WlrPicker>(new WlrPicker(std::move(session)));
}

WlrPicker::WlrPicker(std::unique_ptr<PickSession> session) : session_(std::move(session)) {}
WlrPicker::~WlrPicker() = default;

void WlrPicker::Start(Keyboard keyboard, Done done) { session_->Start(keyboard, std::move(done)); }

const std::string& WlrPicker::WhyNoColour() const { return session_->WhyNoColour(); }

bool WlrPicker::Lost() const { return session_->Lost(); }

}  // namespace toolkit::wayland
