// A wl_buffer in shared memory of our own making, mapped for reading and drawing, and freed with
// the object. Toolkit sources only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

struct wl_buffer;
struct wl_shm;

namespace toolkit::wayland {

class ShmBuffer {
 public:
  // A buffer of height rows of stride bytes in the wl_shm format; nothing where the memory
  // cannot be had.
  static std::unique_ptr<ShmBuffer> Make(wl_shm* shm, uint32_t format, int width, int height,
                                         int stride);
  ~ShmBuffer();
  ShmBuffer(const ShmBuffer&) = delete;
  ShmBuffer& operator=(const ShmBuffer&) = delete;

  wl_buffer* Buffer() const { return buffer_; }
  uint8_t* Data() const { return data_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  int Stride() const { return stride_; }
  // The compositor reads it between an attach and its release.
  bool Busy() const { return busy_; }
  void Attached() { busy_ = true; }

 private:
  ShmBuffer() = default;

  wl_buffer* buffer_ = nullptr;
  uint8_t* data_ = nullptr;
  size_t size_ = 0;
  int width_ = 0, height_ = 0, stride_ = 0;
  bool busy_ = false;
};

}  // namespace toolkit::wayland
