// Where a pointer on a wlroots output points in that output's device pixels, and which pixel of
// the output's screen copy shows it: through the output's scale (also fractional), its
// transform and the copy's row order; and what colour a copied pixel is, in each shared-memory
// format read here. Pure rules, with no connection. Toolkit sources only.
#pragma once

#include <QPoint>
#include <QPointF>
#include <QSize>
#include <cstdint>
#include <optional>

namespace toolkit::wayland {

// wl_shm's format codes for the formats read here: two of its own, the rest DRM fourcc codes.
enum ShmFormat : uint32_t {
  kArgb8888 = 0,
  kXrgb8888 = 1,
  kAbgr8888 = 0x34324241,
  kXbgr8888 = 0x34324258,
  kXrgb2101010 = 0x30335258,
  kXbgr2101010 = 0x30334258,
};

// wl_output's transforms: a quarter turn at a time, then the same mirrored.
enum OutputTransform : int32_t {
  kNormal = 0,
  k90 = 1,
  k180 = 2,
  k270 = 3,
  kFlipped = 4,
  kFlipped90 = 5,
  kFlipped180 = 6,
  kFlipped270 = 7,
};

struct OutputShape {
  QSize logical;  // the output's size in surface coordinates
  QSize mode;     // its device pixels as the hardware scans them out, before the transform
  int32_t transform = kNormal;
};

// The output's device pixels as the user sees them, after the transform.
QSize ShownSize(const OutputShape& shape);

// The shown device pixel under a surface position given in wl_fixed (1/256 logical pixel):
// by floor, as device pixel d covers the positions from d to d + 1 times logical over device.
QPoint DevicePixelAt(QPoint fixed_position, const OutputShape& shape);

// The surface position, in logical pixels, of a shown device pixel's centre.
QPointF CentreOf(QPoint device_pixel, const OutputShape& shape);

// The pixel of the output's screen copy (mode-sized, rows top down unless y_invert) that shows
// the shown device pixel.
QPoint CopiedPixel(QPoint device_pixel, const OutputShape& shape, bool y_invert);

// A 10-bit channel as 8 bits, rounded to the nearest: round(v x 255 / 1023).
int32_t EightBits(uint32_t ten_bits);

// The colour value (red + 256 x green + 65536 x blue) of a copied pixel read as one
// little-endian 32-bit word; nothing for a format not read here.
std::optional<int32_t> ColourOf(uint32_t format, uint32_t pixel);

}  // namespace toolkit::wayland
