#include "toolkit/check_box.h"

#include <QCheckBox>

#include "toolkit/form.h"
#include "toolkit/qt_text.h"
#include "toolkit/qt_units.h"

namespace toolkit {

CheckBox::CheckBox(Form& form, TwipRect rect, const Text& caption)
    : box_(new QCheckBox(ToQString(caption), form.Client())) {
  QRect geometry = ToPixels(rect);
  geometry.setHeight(std::max(geometry.height(), box_->sizeHint().height()));
  box_->setGeometry(geometry);
  QObject::connect(box_, &QCheckBox::clicked, [this] { Click.Raise(); });
}

int16_t CheckBox::Value() const { return box_->isChecked() ? 1 : 0; }

QWidget* CheckBox::Widget() const { return box_; }

}  // namespace toolkit
