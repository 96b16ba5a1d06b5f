#include "toolkit/check_box.h"

#include <QCheckBox>

#include "toolkit/form.h"
#include "toolkit/qt_caption_fit.h"
#include "toolkit/qt_text.h"
#include "toolkit/qt_units.h"

namespace toolkit {

CheckBox::CheckBox(Form& form, TwipRect rect, const Text& caption)
    : box_(new QCheckBox(ToQString(caption), form.Client())) {
  box_->setGeometry(ToPixels(rect));
  FitCaption(box_);
  QObject::connect(box_, &QCheckBox::clicked, [this] { Click.Raise(); });
}

int16_t CheckBox::Value() const { return box_->isChecked() ? 1 : 0; }

QWidget* CheckBox::Widget() const { return box_; }

}  // namespace toolkit
