#include "toolkit/scroll_bar.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QWheelEvent>
#include <utility>

#include "toolkit/form.h"
#include "toolkit/qt_units.h"
#include "toolkit/runtime_error.h"

namespace toolkit {

class ChannelScrollBar : public QScrollBar {
 public:
  explicit ChannelScrollBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {
    setFocusPolicy(Qt::StrongFocus);
    setTracking(false);
  }

  // True from a press on the bar to its release: a click, a held press and the end of a drag.
  bool mouse_held = false;

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    mouse_held = true;
    QScrollBar::mousePressEvent(event);
  }

  void mouseReleaseEvent(QMouseEvent* event) override {
    QScrollBar::mouseReleaseEvent(event);
    mouse_held = false;
  }

  void keyPressEvent(QKeyEvent* event) override {
    const QScopedValueRollback<bool> by_key(mouse_held, false);
    // As on Windows: Right, Down, Page Down and End go up, whatever the direction of the bar.
    static constexpr std::pair<int, SliderAction> kKeySteps[] = {
        {Qt::Key_Left, SliderSingleStepSub},  {Qt::Key_Up, SliderSingleStepSub},
        {Qt::Key_Right, SliderSingleStepAdd}, {Qt::Key_Down, SliderSingleStepAdd},
        {Qt::Key_PageUp, SliderPageStepSub},  {Qt::Key_PageDown, SliderPageStepAdd},
        {Qt::Key_Home, SliderToMinimum},      {Qt::Key_End, SliderToMaximum}};
    for (const auto& [key, action] : kKeySteps) {
      if (event->key() == key && !(event->modifiers() & ~Qt::KeypadModifier)) {
        triggerAction(action);
        event->accept();
        return;
      }
    }
    QScrollBar::keyPressEvent(event);
  }

  // A held click on the track repeats page steps; like a Windows bar, it stops once the
  // thumb has reached the pointer instead of running past it.
  void timerEvent(QTimerEvent* event) override {
    const bool paging = repeatAction() == SliderPageStepAdd || repeatAction() == SliderPageStepSub;
    if (paging && ThumbUnderPointer()) {
      setRepeatAction(SliderNoAction);
      return;
    }
    QScrollBar::timerEvent(event);
  }

  // The wheel does not move these bars.
  void wheelEvent(QWheelEvent* event) override { event->ignore(); }

 private:
  bool ThumbUnderPointer() {
    QStyleOptionSlider option;
    initStyleOption(&option);
    option.sliderPosition = value();
    option.sliderValue = value();
    const QRect thumb =
        style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this);
    const int pointer_x = mapFromGlobal(QCursor::pos()).x();
    return pointer_x >= thumb.left() && pointer_x <= thumb.right();
  }
};

ScrollBar::ScrollBar(Form& form, TwipRect rect, Range range, int16_t value)
    : bar_(new ChannelScrollBar(form.Client())) {
  bar_->setGeometry(ToPixels(rect));
  bar_->setRange(range.min, range.max);
  bar_->setSingleStep(range.small_change);
  bar_->setPageStep(range.large_change);
  bar_->setValue(value);
  QObject::connect(bar_, &QAbstractSlider::valueChanged, [this] { Change.Raise(); });
}

ScrollBar::~ScrollBar() = default;  // the widget belongs to the form's client area

int16_t ScrollBar::Value() const { return static_cast<int16_t>(bar_->value()); }

void ScrollBar::SetValue(int16_t value) {
  if (value < bar_->minimum() || value > bar_->maximum()) {
    throw RuntimeError(ErrorNumber::InvalidPropertyValue);
  }
  if (value == bar_->value()) return;
  bar_->setValue(value);
}

bool ScrollBar::MouseCaused() const { return bar_->mouse_held; }

int32_t ScrollBar::Left() const { return DeviceRect(bar_).left(); }

QWidget* ScrollBar::Widget() const { return bar_; }

}  // namespace toolkit
