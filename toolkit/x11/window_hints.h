// Window-manager hints of a fixed-size window: beyond the size hints Qt sets, X11's Motif
// hints must not offer resizing or maximising either, or some window managers (fluxbox,
// icewm) maximise or resize the window anyway and others show a maximise button.
#pragma once

class QWidget;

namespace toolkit {

// Call once the native window exists: sets the hints and undoes a maximise or resize that a
// window manager performs anyway on another client's request.
void KeepFixedSize(QWidget* window);

// Sets the hints again; Qt rewrites them whenever the window's flags change.
void ForbidResize(QWidget* window);

// The X11 window's WM_CLASS, by which a window-manager rule or a test finds it; call once the
// native window exists.
void SetWindowClass(QWidget* window, const char* instance, const char* window_class);

}  // namespace toolkit
