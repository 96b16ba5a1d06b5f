// The real pointer, pixel, capture and stacking calls. On X11 the pointer and the pixel are
// read in device pixels through the native connection, so every device pixel of a scaled
// screen can be picked, and the loupe follows the pointer while the capture lasts; elsewhere
// Qt's portable means serve. In a Wayland session the desktop portal's picker stands in for the
// capture and the pixel.
#pragma once

#include <QObject>
#include <memory>
#include <optional>

#include "toolkit/mlmouse.h"

namespace toolkit {

class Loupe;
class PortalPick;

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
  PortalPick& Portal();

  bool cursor_overridden_ = false;
  const bool wayland_;                    // picks through the portal
  std::unique_ptr<PortalPick> portal_;    // set up from the event loop, or by the first pick
  std::unique_ptr<QObject> deferred_;     // owns the portal set-up that waits for the event loop
  std::optional<int32_t> picked_;         // the portal's answer to the latest pick
  std::unique_ptr<Loupe> loupe_;          // beside the cross-hair, on X11 only
  std::unique_ptr<QObject> loupe_mover_;  // moves it on each motion while the capture lasts
};

}  // namespace toolkit
