#include "toolkit/wayland/layer_surfaces.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <algorithm>
#include <climits>
#include <utility>

#include "toolkit/loupe_view.h"

namespace toolkit::wayland {
namespace {

constexpr uint32_t kAllEdges =
    ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP | ZWLR_LAYER_SURFACE_V1_ANCHOR_BOTTOM |
    ZWLR_LAYER_SURFACE_V1_ANCHOR_LEFT | ZWLR_LAYER_SURFACE_V1_ANCHOR_RIGHT;
constexpr uint32_t kTopLeft = ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP | ZWLR_LAYER_SURFACE_V1_ANCHOR_LEFT;
constexpr size_t kLoupeBuffers = 3;  // one shown, one on its way, one to draw in

}  // namespace

Layer::Layer(const Globals& globals, wl_output* output, uint32_t anchor, const char* role,
             bool takes_keyboard, std::function<void(QSize)> configured)
    : surface_(wl_compositor_create_surface(globals.compositor)),
      layer_(zwlr_layer_shell_v1_get_layer_surface(globals.layer_shell, surface_.get(), output,
                                                   ZWLR_LAYER_SHELL_V1_LAYER_OVERLAY, role)),
      configured_(std::move(configured)) {
  static const zwlr_layer_surface_v1_listener listener = {
      [](void* data, zwlr_layer_surface_v1* layer, uint32_t serial, uint32_t width,
         uint32_t height) {
        zwlr_layer_surface_v1_ack_configure(layer, serial);
        static_cast<Layer*>(data)->configured_(QSize(int(width), int(height)));
      },
      [](void*, zwlr_layer_surface_v1*) {},  // the pick's end takes it down
  };
  zwlr_layer_surface_v1_add_listener(layer_.get(), &listener, this);
  zwlr_layer_surface_v1_set_anchor(layer_.get(), anchor);
  zwlr_layer_surface_v1_set_exclusive_zone(layer_.get(), -1);  // over panels, not beside them
  zwlr_layer_surface_v1_set_keyboard_interactivity(layer_.get(), takes_keyboard ? 1 : 0);
}

void Layer::Show(ShmBuffer& buffer) {
  buffer.Attached();
  wl_surface_attach(surface_.get(), buffer.Buffer(), 0, 0);
  wl_surface_damage(surface_.get(), 0, 0, INT32_MAX, INT32_MAX);
  wl_surface_commit(surface_.get());
}

Overlay::Overlay(const Globals& globals, wl_output* output, bool takes_keyboard)
    : globals_(globals),
      layer_(globals, output, kAllEdges, "kolwe-pick", takes_keyboard,
             [this](QSize size) { Configured(size); }) {
  wl_surface_commit(layer_.Surface());
}

// A fully transparent buffer: one pixel stretched over the output where the compositor can,
// else the output's size in logical pixels.
void Overlay::Configured(QSize size) {
  if (size == size_ && buffer_) return;
  size_ = size;
  const QSize pixels = globals_.viewporter ? QSize(1, 1) : size;
  buffer_ = ShmBuffer::Make(globals_.shm, WL_SHM_FORMAT_ARGB8888, pixels.width(), pixels.height(),
                            pixels.width() * 4);
  if (!buffer_) return;
  if (globals_.viewporter && !viewport_) {
    viewport_.reset(wp_viewporter_get_viewport(globals_.viewporter, layer_.Surface()));
  }
  if (viewport_) wp_viewport_set_destination(viewport_.get(), size.width(), size.height());
  layer_.Show(*buffer_);
}

LoupeLayer::LoupeLayer(const Globals& globals, wl_output* output, int scale)
    : globals_(globals),
      layer_(globals, output, kTopLeft, "kolwe-loupe", false, [this](QSize) { Configured(); }),
      scale_(std::max(scale, 1)) {
  zwlr_layer_surface_v1_set_size(layer_.Role(), kLoupeSize.width(), kLoupeSize.height());
  wl_region* nothing = wl_compositor_create_region(globals.compositor);
  wl_surface_set_input_region(layer_.Surface(), nothing);
  wl_region_destroy(nothing);
  wl_surface_set_buffer_scale(layer_.Surface(), scale_);
  wl_surface_commit(layer_.Surface());
}

void LoupeLayer::Show(const QImage& pixels, QPoint at) {
  pixels_ = pixels;
  at_ = at;
  if (configured_) Draw();
}

// A compositor may configure the loupe anew after each of its moves, at the same size: the
// acknowledgement is committed, without drawing the loupe again.
void LoupeLayer::Configured() {
  if (std::exchange(configured_, true)) return wl_surface_commit(layer_.Surface());
  if (!pixels_.isNull()) Draw();
}

void LoupeLayer::Draw() {
  ShmBuffer* buffer = FreeBuffer();
  if (!buffer) return;  // all still with the compositor: this motion is skipped
  QImage image(buffer->Data(), buffer->Width(), buffer->Height(), buffer->Stride(),
               QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(scale_);
  QPainter painter(&image);
  PaintLoupe(painter, pixels_, QGuiApplication::palette());
  painter.end();
  zwlr_layer_surface_v1_set_margin(layer_.Role(), at_.y(), 0, 0, at_.x());
  layer_.Show(*buffer);
}

ShmBuffer* LoupeLayer::FreeBuffer() {
  for (auto& buffer : buffers_) {
    if (!buffer->Busy()) return buffer.get();
  }
  if (buffers_.size() >= kLoupeBuffers) return nullptr;
  const QSize size = kLoupeSize * scale_;
  auto made = ShmBuffer::Make(globals_.shm, WL_SHM_FORMAT_ARGB8888, size.width(), size.height(),
                              size.width() * 4);
  if (!made) return nullptr;
  buffers_.push_back(std::move(made));
  return buffers_.back().get();
}

}  // namespace toolkit::wayland
