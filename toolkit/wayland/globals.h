// What kolwe's own picker binds of a wlroots compositor, and the ownership of the Wayland
// objects it makes. Toolkit sources only.
#pragma once

#include <wayland-client.h>

#include <memory>

#include "viewporter-client-protocol.h"
#include "wlr-layer-shell-unstable-v1-client-protocol.h"
#include "wlr-screencopy-unstable-v1-client-protocol.h"
#include "wlr-virtual-pointer-unstable-v1-client-protocol.h"
#include "xdg-output-unstable-v1-client-protocol.h"

namespace toolkit::wayland {

// Destroys a Wayland object of ours with its own destroy request when its owner goes.
struct Destroy {
  void operator()(wl_surface* object) const { wl_surface_destroy(object); }
  void operator()(zwlr_layer_surface_v1* object) const { zwlr_layer_surface_v1_destroy(object); }
  void operator()(wp_viewport* object) const { wp_viewport_destroy(object); }
};
template <typename T>
using Owned = std::unique_ptr<T, Destroy>;

// What the compositor offers, bound once for the connection's life.
struct Globals {
  wl_display* display = nullptr;
  wl_registry* registry = nullptr;
  wl_compositor* compositor = nullptr;
  wl_shm* shm = nullptr;
  wl_seat* seat = nullptr;
  zwlr_layer_shell_v1* layer_shell = nullptr;
  zwlr_screencopy_manager_v1* screencopy = nullptr;
  zxdg_output_manager_v1* xdg_outputs = nullptr;
  wp_viewporter* viewporter = nullptr;
  zwlr_virtual_pointer_manager_v1* virtual_pointers = nullptr;

  void Destroy() {
    if (!display) return;
    auto gone = [](auto* proxy) {
      if (proxy) wl_proxy_destroy(reinterpret_cast<wl_proxy*>(proxy));
    };
    gone(virtual_pointers), gone(viewporter), gone(xdg_outputs), gone(screencopy);
    gone(layer_shell), gone(seat), gone(shm), gone(compositor), gone(registry);
    wl_display_disconnect(display);
  }
};

}  // namespace toolkit::wayland
