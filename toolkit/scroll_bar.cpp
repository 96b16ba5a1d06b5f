#include "toolkit/scroll_bar.h"

#include <QCursor>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QWheelEvent>

#include "toolkit/form.h"
#include "toolkit/runtime_error.h"

namespace toolkit {

class ChannelScrollBar : public QScrollBar {
 public:
  explicit ChannelScrollBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {
    setFocusPolicy(Qt::StrongFocus);
    setTracking(false);
    connect(this, &QAbstractSlider::actionTriggered, this,
            [this](int action) { StopRepeatAtPointer(action); });
  }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    switch (event->key()) {
      case Qt::Key_Left:
      case Qt::Key_Up:
        triggerAction(SliderSingleStepSub);
        break;
      case Qt::Key_Right:
      case Qt::Key_Down:
        triggerAction(SliderSingleStepAdd);
        break;
      case Qt::Key_PageUp:
        triggerAction(SliderPageStepSub);
        break;
      case Qt::Key_PageDown:
        triggerAction(SliderPageStepAdd);
        break;
      case Qt::Key_Home:
        triggerAction(SliderToMinimum);
        break;
      case Qt::Key_End:
        triggerAction(SliderToMaximum);
        break;
      default:
        QScrollBar::keyPressEvent(event);
        return;
    }
    event->accept();
  }

  // The wheel does not move these bars.
  void wheelEvent(QWheelEvent* event) override { event->ignore(); }

 private:
  // A held click on the track repeats page steps; like a Windows bar, it stops once the
  // thumb has reached the pointer instead of running past it.
  void StopRepeatAtPointer(int action) {
    if (action != SliderPageStepAdd && action != SliderPageStepSub) return;
    QStyleOptionSlider option;
    initStyleOption(&option);
    option.sliderPosition = value();
    option.sliderValue = value();
    const QRect thumb = style()->subControlRect(QStyle::CC_ScrollBar, &option,
                                                QStyle::SC_ScrollBarSlider, this);
    const int pointer_x = mapFromGlobal(QCursor::pos()).x();
    if (pointer_x >= thumb.left() && pointer_x <= thumb.right()) {
      setSliderPosition(value());
      setRepeatAction(SliderNoAction);
    }
  }
};

ScrollBar::ScrollBar(Form& form, TwipRect rect, Range range, int16_t value)
    : bar_(new ChannelScrollBar(form.Client())) {
  bar_->setGeometry(TwipsToPixels(rect.left), TwipsToPixels(rect.top), TwipsToPixels(rect.width),
                    TwipsToPixels(rect.height));
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

int16_t ScrollBar::Min() const { return static_cast<int16_t>(bar_->minimum()); }
int16_t ScrollBar::Max() const { return static_cast<int16_t>(bar_->maximum()); }
int32_t ScrollBar::Left() const { return bar_->x(); }

QWidget* ScrollBar::Widget() const { return bar_; }

}  // namespace toolkit
