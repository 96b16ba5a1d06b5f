// The real pointer, pixel, capture and stacking calls. On X11 the pointer and the pixel are
// read in device pixels through the native connection, so every device pixel of a scaled
// screen can be picked, and the loupe follows the pointer while the capture lasts; elsewhere
// Qt's portable means serve. In a Wayland session kolwe's own picker stands in for the capture
// and the pixel where the compositor allows one (the wlroots desktops), and elsewhere the desktop
// portal's picker.
#pragma once

#include <QObject>
#include <memory>
#include <optional>
#include <string>

#include "toolkit/mlmouse.h"

namespace toolkit {

class Form;
class Loupe;
class PortalPick;
namespace wayland {
class WlrPicker;
}

class QtMlmouse : public Mlmouse {
 public:
  QtMlmouse();
  ~QtMlmouse() override;
  int32_t GetCursorPos(PointApi& point) override;
  int32_t ScreenToClient(int32_t hwnd, PointApi& point) override;
  int32_t GetDC(int32_t hwnd) override;
  int32_t ReleaseDC(int32_t hwnd, int32_t hdc) override;
  int32_t SetCapture(int32_t hwnd) override;
  int32_t ReleaseCapture() override;
  int32_t GetPixel(int32_t hdc, int32_t x, int32_t y) override;
  int32_t SetWindowPos(int32_t hwnd, int32_t insert_after, int32_t x, int32_t y, int32_t cx,
                       int32_t cy, int32_t flags) override;

 private:
  void ChoosePicker();
  PortalPick& Portal();
  void Picked(std::optional<int32_t> color, const std::string& why_none, const Form* form);

  bool cursor_overridden_ = false;
  bool grab_refused_ = false;  // another program held the pointer at the arming
  const bool wayland_;         // picks through kolwe's own picker or the portal
  bool chosen_ = false;
  std::unique_ptr<wayland::WlrPicker> wlr_;  // on the wlroots desktops
  std::unique_ptr<PortalPick> portal_;       // elsewhere
  std::unique_ptr<QObject> deferred_;        // owns the choice that waits for the event loop
  std::optional<int32_t> picked_;            // the Wayland picker's answer to the latest pick
  std::unique_ptr<Loupe> loupe_;             // beside the cross-hair, on X11 only
  std::unique_ptr<QObject> loupe_mover_;     // moves it on each motion while the capture lasts
};

}  // namespace toolkit
