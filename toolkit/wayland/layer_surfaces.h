// The layer surfaces of a pick on a wlroots desktop, on the overlay layer above everything: a
// transparent overlay over each output, and the loupe. Toolkit sources only.
#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>
#include <functional>
#include <memory>
#include <vector>

#include "toolkit/wayland/globals.h"
#include "toolkit/wayland/shm_buffer.h"

namespace toolkit::wayland {

// A layer surface of ours on one output; its owner draws its buffers.
class Layer {
 public:
  Layer(const Globals& globals, wl_output* output, uint32_t anchor, const char* role,
        bool takes_keyboard, std::function<void(QSize)> configured);
  wl_surface* Surface() const { return surface_.get(); }
  zwlr_layer_surface_v1* Role() const { return layer_.get(); }
  void Show(ShmBuffer& buffer);

 private:
  Owned<wl_surface> surface_;
  Owned<zwlr_layer_surface_v1> layer_;
  std::function<void(QSize)> configured_;
};

// A transparent surface over a whole output that takes the pointer (and, for kolwe --pick, the
// keyboard) while a pick is armed.
class Overlay {
 public:
  Overlay(const Globals& globals, wl_output* output, bool takes_keyboard);
  wl_surface* Surface() const { return layer_.Surface(); }
  // The output's size in logical pixels, once the compositor has said it.
  QSize Size() const { return size_; }

 private:
  void Configured(QSize size);

  const Globals& globals_;
  Layer layer_;
  Owned<wp_viewport> viewport_;
  std::unique_ptr<ShmBuffer> buffer_;
  QSize size_;
};

// The loupe as a small layer surface of its own, moved by its margins, so that a motion
// redraws only the loupe. It takes no input: presses go to the overlay under it.
class LoupeLayer {
 public:
  LoupeLayer(const Globals& globals, wl_output* output, int scale);
  // Shows the pixels around the pointer with its top-left corner there, in the output's
  // logical pixels.
  void Show(const QImage& pixels, QPoint at);

 private:
  void Configured();
  void Draw();
  ShmBuffer* FreeBuffer();

  const Globals& globals_;
  Layer layer_;
  const int scale_;
  std::vector<std::unique_ptr<ShmBuffer>> buffers_;
  QImage pixels_;
  QPoint at_;
  bool configured_ = false;
};

}  // namespace toolkit::wayland
