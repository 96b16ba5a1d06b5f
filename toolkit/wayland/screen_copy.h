// One copy of a wlroots output's pixels through zwlr_screencopy_manager_v1, without the cursor,
// into shared memory of ours. What the compositor offers is checked before a byte is read: the
// format, the size against the output's and the stride. Toolkit sources only.
#pragma once

#include <QPoint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "toolkit/wayland/output_pixels.h"
#include "toolkit/wayland/shm_buffer.h"

struct wl_output;
struct zwlr_screencopy_frame_v1;
struct zwlr_screencopy_manager_v1;

namespace toolkit::wayland {

// An output's pixels as copied, with what it takes to find a shown device pixel in them.
class CopiedOutput {
 public:
  CopiedOutput(std::unique_ptr<ShmBuffer> pixels, uint32_t format, OutputShape shape,
               bool y_invert);
  // The colour value of the shown device pixel; nothing off the output.
  std::optional<int32_t> Colour(QPoint device_pixel) const;

 private:
  std::unique_ptr<ShmBuffer> pixels_;
  uint32_t format_;
  OutputShape shape_;
  bool y_invert_;
};

class ScreenCopy {
 public:
  // done runs once, from the connection's events: with the copy, or with nothing and why.
  using Done = std::function<void(std::unique_ptr<CopiedOutput> copy, std::string why_none)>;

  ScreenCopy(zwlr_screencopy_manager_v1* manager, wl_shm* shm, wl_output* output, OutputShape shape,
             Done done);
  ~ScreenCopy();
  ScreenCopy(const ScreenCopy&) = delete;
  ScreenCopy& operator=(const ScreenCopy&) = delete;

 private:
  void Offered(uint32_t format, uint32_t width, uint32_t height, uint32_t stride);
  void Copy();
  void End(std::unique_ptr<CopiedOutput> copy, std::string why_none);

  wl_shm* shm_;
  zwlr_screencopy_frame_v1* frame_;
  OutputShape shape_;
  Done done_;
  std::unique_ptr<ShmBuffer> buffer_;
  uint32_t format_ = 0;
  std::string refused_;  // why the offered buffer cannot be read
  bool y_invert_ = false;
};

}  // namespace toolkit::wayland
