#include "toolkit/wayland/shm_buffer.h"

#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>

namespace toolkit::wayland {
std::unique_ptr<ShmBuffer> ShmBuffer::Make(wl_shm* shm, uint32_t format, int width, int height,
                                           int stride) {
  const size_t size = size_t(stride) * size_t(height);
  if (width <= 0 || height <= 0 || stride < width * 4 || size > (size_t(1) << 30)) return nullptr;
  const int fd = memfd_create("kolwe-buffer", MFD_CLOEXEC);
  if (fd < 0) return nullptr;
  void* data = MAP_FAILED;
  if (ftruncate(fd, off_t(size)) == 0) {
    data = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
  }
  if (data == MAP_FAILED) {
    close(fd);
    return nullptr;
  }
  std::unique_ptr<ShmBuffer> made(new ShmBuffer());
  wl_shm_pool* pool = wl_shm_create_pool(shm, fd, int32_t(size));
  made->buffer_ = wl_shm_pool_create_buffer(pool, 0, width, height, stride, format);
  wl_shm_pool_destroy(pool);
  close(fd);
  made->data_ = static_cast<uint8_t*>(data);
  made->size_ = size;
  made->width_ = width;
  made->height_ = height;
  made->stride_ = stride;
  static const wl_buffer_listener released = {
      [](void* buffer, wl_buffer*) { static_cast<ShmBuffer*>(buffer)->busy_ = false; }};
  wl_buffer_add_listener(made->buffer_, &released, made.get());
  return made;
}

ShmBuffer::~ShmBuffer() {
  if (buffer_) wl_buffer_destroy(buffer_);
  if (data_) munmap(data_, size_);
}

}  // namespace toolkit::wayland
