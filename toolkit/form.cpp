#include "toolkit/form.h"

#include <QApplication>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPixmap>
#include <algorithm>

#include "toolkit/accessibility.h"
#include "toolkit/qt_text.h"
#include "toolkit/x11/window_hints.h"

namespace toolkit {
namespace {

std::vector<Form*>& Registry() {
  static std::vector<Form*> forms;
  return forms;
}

// The client area: presses on it, and every press while it holds the mouse capture,
// are the form's MouseDown.
class ClientArea : public QWidget {
 public:
  explicit ClientArea(Form& form, QWidget* parent) : QWidget(parent), form_(form) {}

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    const QPointF at = event->position();
    form_.MouseDown.Raise(ToMouseButton(event->button()), ToShiftState(event->modifiers()),
                          static_cast<float>(at.x()), static_cast<float>(at.y()));
    event->accept();
  }

 private:
  Form& form_;
};

}  // namespace

Form::Form() : window_(std::make_unique<QMainWindow>()) {
  InstallAccessibility();
  client_ = new ClientArea(*this, window_.get());
  window_->setCentralWidget(client_);
  window_->layout()->setSizeConstraint(QLayout::SetFixedSize);
  // No maximise box: the window has a fixed size.
  window_->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  Registry().push_back(this);
}

Form::~Form() {
  auto& forms = Registry();
  forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
}

void Form::SetCaption(const Text& caption) { window_->setWindowTitle(ToQString(caption)); }

void Form::SetClientSize(int width_twips, int height_twips) {
  client_->setFixedSize(TwipsToPixels(width_twips), TwipsToPixels(height_twips));
}

void Form::SetDesignPosition(int left_twips, int top_twips) {
  const int menu_height = window_->menuBar()->sizeHint().height();
  window_->move(TwipsToPixels(left_twips), TwipsToPixels(top_twips) - menu_height);
}

void Form::SetIcon(const char* const* xpm) { window_->setWindowIcon(QPixmap(xpm)); }

void Form::SetTabOrder(const std::vector<QWidget*>& widgets) {
  for (size_t i = 1; i < widgets.size(); ++i) QWidget::setTabOrder(widgets[i - 1], widgets[i]);
}

void Form::Show() {
  Load.Raise();
  window_->winId();  // the native window, so that its hints are in place before it maps
  KeepFixedSize(window_.get());
  window_->show();
  window_->activateWindow();
  QWidget* first = client_->nextInFocusChain();
  while (first != client_ && !(first->focusPolicy() & Qt::TabFocus)) {
    first = first->nextInFocusChain();
  }
  if (first != client_) first->setFocus(Qt::OtherFocusReason);
}

int32_t Form::hWnd() const { return static_cast<int32_t>(window_->winId()); }

Form* Form::FromHandle(int32_t handle) {
  for (Form* form : Registry()) {
    if (form->hWnd() == handle) return form;
  }
  return nullptr;
}

QWidget* Form::Client() const { return client_; }
QMainWindow* Form::Window() const { return window_.get(); }
QMenuBar* Form::MenuBar() const { return window_->menuBar(); }

}  // namespace toolkit
