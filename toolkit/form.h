// The form: one top-level window with a menu bar over a client area. Controls are placed in
// the client area; the form raises Load before it is first shown, and MouseDown for presses
// in its client area and for every press while it holds the mouse capture.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "toolkit/conversions.h"
#include "toolkit/events.h"
#include "toolkit/units.h"

class QWidget;
class QMainWindow;
class QMenuBar;

namespace toolkit {

class Form {
 public:
  Form();
  ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  void SetCaption(const Text& caption);
  void SetClientSize(int width_twips, int height_twips);
  void SetDesignPosition(int left_twips, int top_twips);
  // The window icon, as XPM lines.
  void SetIcon(const char* const* xpm);
  // Focus order of the focusable controls, first to last.
  void SetTabOrder(const std::vector<QWidget*>& widgets);

  // Raises Load, shows the window and puts the focus on the first control in tab order.
  void Show();

  int32_t hWnd() const;

  // The form whose window handle this is, or nullptr.
  static Form* FromHandle(int32_t handle);

  Event<> Load;
  MouseEvent MouseDown;

  QWidget* Client() const;
  QMainWindow* Window() const;
  QMenuBar* MenuBar() const;

 private:
  std::unique_ptr<QMainWindow> window_;
  QWidget* client_;
};

}  // namespace toolkit
