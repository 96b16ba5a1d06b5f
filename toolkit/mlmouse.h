// The operating-system calls the form makes for the pointer, the screen's pixels, the mouse
// capture and the window's stacking, with the arguments and results of the Windows calls
// they are named after. Positions are screen pixels of the device; ScreenToClient turns them
// into the form's client coordinates.
#pragma once

#include <cstdint>

#include "toolkit/units.h"

namespace toolkit {

constexpr int32_t kHwndTopmost = -1;
constexpr int32_t kHwndNoTopmost = -2;
constexpr int32_t kSwpNoSize = 0x1;
constexpr int32_t kSwpNoMove = 0x2;
constexpr int32_t kSwpShowWindow = 0x40;
constexpr int32_t kClrInvalid = -1;  // GetPixel's all-bits-set value for an unreadable pixel

class Mlmouse {
 public:
  virtual ~Mlmouse() = default;
  virtual int32_t GetCursorPos(PointApi& point) = 0;
  virtual int32_t ScreenToClient(int32_t hwnd, PointApi& point) = 0;
  virtual int32_t GetDC(int32_t hwnd) = 0;
  virtual int32_t ReleaseDC(int32_t hwnd, int32_t hdc) = 0;
  virtual int32_t SetCapture(int32_t hwnd) = 0;
  virtual int32_t ReleaseCapture() = 0;
  virtual int32_t GetPixel(int32_t hdc, int32_t x, int32_t y) = 0;
  virtual int32_t SetWindowPos(int32_t hwnd, int32_t insert_after, int32_t x, int32_t y, int32_t cx,
                               int32_t cy, int32_t flags) = 0;
};

}  // namespace toolkit
