#include "toolkit/wayland/screen_copy.h"

#include <wayland-client.h>

#include <QRect>
#include <cstring>

#include "wlr-screencopy-unstable-v1-client-protocol.h"

namespace toolkit::wayland {
namespace {

bool Readable(uint32_t format) { return ColourOf(format, 0).has_value(); }

constexpr uint32_t kBufferDoneSince = 3;  // before it, the one buffer event is all there is

}  // namespace

CopiedOutput::CopiedOutput(std::unique_ptr<ShmBuffer> pixels, uint32_t format, OutputShape shape,
                           bool y_invert)
    : pixels_(std::move(pixels)), format_(format), shape_(shape), y_invert_(y_invert) {}

std::optional<int32_t> CopiedOutput::Colour(QPoint device_pixel) const {
  if (!QRect(QPoint(0, 0), ShownSize(shape_)).contains(device_pixel)) return std::nullopt;
  const QPoint at = CopiedPixel(device_pixel, shape_, y_invert_);
  uint32_t word;
  std::memcpy(&word, pixels_->Data() + size_t(at.y()) * pixels_->Stride() + size_t(at.x()) * 4, 4);
  return ColourOf(format_, word);
}

ScreenCopy::ScreenCopy(zwlr_screencopy_manager_v1* manager, wl_shm* shm, wl_output* output,
                       OutputShape shape, Done done)
    : shm_(shm),
      frame_(zwlr_screencopy_manager_v1_capture_output(manager, 0, output)),
      shape_(shape),
      done_(std::move(done)) {
  static const zwlr_screencopy_frame_v1_listener listener = {
      [](void* copy, zwlr_screencopy_frame_v1*, uint32_t format, uint32_t width, uint32_t height,
         uint32_t stride) {
        static_cast<ScreenCopy*>(copy)->Offered(format, width, height, stride);
      },
      [](void* copy, zwlr_screencopy_frame_v1*, uint32_t flags) {
        static_cast<ScreenCopy*>(copy)->y_invert_ = flags & ZWLR_SCREENCOPY_FRAME_V1_FLAGS_Y_INVERT;
      },
      [](void* data, zwlr_screencopy_frame_v1*, uint32_t, uint32_t, uint32_t) {
        auto* copy = static_cast<ScreenCopy*>(data);
        copy->End(std::make_unique<CopiedOutput>(std::move(copy->buffer_), copy->format_,
                                                 copy->shape_, copy->y_invert_),
                  "");
      },
      [](void* copy, zwlr_screencopy_frame_v1*) {
        static_cast<ScreenCopy*>(copy)->End(nullptr, "the compositor could not copy the screen");
      },
      [](void*, zwlr_screencopy_frame_v1*, uint32_t, uint32_t, uint32_t, uint32_t) {},
      [](void*, zwlr_screencopy_frame_v1*, uint32_t, uint32_t, uint32_t) {},
      [](void* copy, zwlr_screencopy_frame_v1*) { static_cast<ScreenCopy*>(copy)->Copy(); },
  };
  zwlr_screencopy_frame_v1_add_listener(frame_, &listener, this);
}

ScreenCopy::~ScreenCopy() {
  if (frame_) zwlr_screencopy_frame_v1_destroy(frame_);
}

// A compositor may offer several buffers, one event each; the first readable one is taken.
void ScreenCopy::Offered(uint32_t format, uint32_t width, uint32_t height, uint32_t stride) {
  if (buffer_) return;
  if (!Readable(format)) {
    char why[96];
    std::snprintf(why, sizeof why, "the screen copy's pixel format 0x%08x cannot be read", format);
    refused_ = why;
  } else if (QSize(int(width), int(height)) != shape_.mode || stride < width * 4 ||
             stride > width * 4 + 4096) {
    refused_ = "the screen copy's size does not match its output";
  } else if (!(buffer_ = ShmBuffer::Make(shm_, format, int(width), int(height), int(stride)))) {
    refused_ = "no shared memory for the screen copy";
  } else {
    format_ = format;
  }
  if (zwlr_screencopy_frame_v1_get_version(frame_) < kBufferDoneSince) Copy();
}

void ScreenCopy::Copy() {
  if (!buffer_)
    return End(nullptr, refused_.empty() ? "the compositor offered no buffer" : refused_);
  zwlr_screencopy_frame_v1_copy(frame_, buffer_->Buffer());
}

void ScreenCopy::End(std::unique_ptr<CopiedOutput> copy, std::string why_none) {
  zwlr_screencopy_frame_v1_destroy(std::exchange(frame_, nullptr));
  if (Done done = std::exchange(done_, nullptr)) done(std::move(copy), std::move(why_none));
}

}  // namespace toolkit::wayland
