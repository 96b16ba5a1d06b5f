#include "toolkit/wayland/output_pixels.h"

#include <algorithm>

#include "toolkit/conversions.h"

namespace toolkit::wayland {
namespace {

bool QuarterTurned(int32_t transform) { return transform % 2 == 1; }

}  // namespace

QSize ShownSize(const OutputShape& shape) {
  return QuarterTurned(shape.transform) ? shape.mode.transposed() : shape.mode;
}

QPoint DevicePixelAt(QPoint fixed_position, const OutputShape& shape) {
  const QSize shown = ShownSize(shape);
  auto axis = [](int64_t fixed, int logical, int device) {
    if (logical <= 0 || device <= 0) return 0;
    const int64_t numerator = fixed * device;
    const int64_t denominator = int64_t(logical) * 256;
    const int64_t floor =
        numerator >= 0 ? numerator / denominator : -((-numerator + denominator - 1) / denominator);
    return int(std::clamp<int64_t>(floor, 0, device - 1));
  };
  return {axis(fixed_position.x(), shape.logical.width(), shown.width()),
          axis(fixed_position.y(), shape.logical.height(), shown.height())};
}

QPointF CentreOf(QPoint device_pixel, const OutputShape& shape) {
  const QSize shown = ShownSize(shape);
  return {(device_pixel.x() + 0.5) * shape.logical.width() / shown.width(),
          (device_pixel.y() + 0.5) * shape.logical.height() / shown.height()};
}

QPoint CopiedPixel(QPoint device_pixel, const OutputShape& shape, bool y_invert) {
  const int x = device_pixel.x(), y = device_pixel.y();
  const QSize shown = ShownSize(shape);
  const int right = shown.width() - 1, bottom = shown.height() - 1;
  QPoint copied;
  switch (shape.transform) {
    case k90:
      copied = {y, right - x};
      break;
    case k180:
      copied = {right - x, bottom - y};
      break;
    case k270:
      copied = {bottom - y, x};
      break;
    case kFlipped:
      copied = {right - x, y};
      break;
    case kFlipped90:
      copied = {y, x};
      break;
    case kFlipped180:
      copied = {x, bottom - y};
      break;
    case kFlipped270:
      copied = {bottom - y, right - x};
      break;
    default:
      copied = {x, y};
      break;
  }
  if (y_invert) copied.ry() = shape.mode.height() - 1 - copied.y();
  return copied;
}

int32_t EightBits(uint32_t ten_bits) { return int32_t(((ten_bits & 1023) * 255 + 511) / 1023); }

std::optional<int32_t> ColourOf(uint32_t format, uint32_t pixel) {
  auto byte = [pixel](int shift) { return (pixel >> shift) & 255; };
  auto ten = [pixel](int shift) { return EightBits(pixel >> shift); };
  switch (format) {
    case kArgb8888:
    case kXrgb8888:
      return Rgb(byte(16), byte(8), byte(0));
    case kAbgr8888:
    case kXbgr8888:
      return Rgb(byte(0), byte(8), byte(16));
    case kXrgb2101010:
      return Rgb(ten(20), ten(10), ten(0));
    case kXbgr2101010:
      return Rgb(ten(0), ten(10), ten(20));
    default:
      return std::nullopt;
  }
}

}  // namespace toolkit::wayland
