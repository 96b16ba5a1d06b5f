#include "toolkit/label.h"

#include <QLabel>
#include <algorithm>

#include "toolkit/form.h"
#include "toolkit/qt_caption_fit.h"
#include "toolkit/qt_color.h"
#include "toolkit/qt_text.h"
#include "toolkit/qt_units.h"
#include "toolkit/runtime_error.h"

namespace toolkit {

namespace {
constexpr int32_t kHighestColor = 0xFFFFFF;
constexpr QRgb kSwatchBorder = 0x808080;
}  // namespace

Label::Label(Form& form, TwipRect rect, Style style, const Text& caption, int32_t fore_color,
             int32_t back_color)
    : label_(new QLabel(ToQString(caption), form.Client())),
      style_(style),
      back_color_(back_color) {
  label_->setAttribute(Qt::WA_TransparentForMouseEvents);
  QPalette palette = label_->palette();
  if (fore_color != kDefaultColor) palette.setColor(QPalette::WindowText, ToQColor(fore_color));
  if (back_color != kDefaultColor) palette.setColor(QPalette::Window, ToQColor(back_color));
  if (style == Style::Swatch) {
    palette.setColor(QPalette::WindowText, QColor(kSwatchBorder));
    label_->setAutoFillBackground(true);
    label_->setFrameStyle(QFrame::Box | QFrame::Plain);
  }
  label_->setPalette(palette);
  label_->setGeometry(ToPixels(rect));
  if (style == Style::Caption) FitCaption(label_);
  if (style == Style::Swatch) DescribeColour();
}

int32_t Label::BackColor() const { return back_color_; }

void Label::SetBackColor(int32_t color) {
  if (color < 0 || color > kHighestColor) throw RuntimeError(ErrorNumber::InvalidPropertyValue);
  back_color_ = color;
  QPalette palette = label_->palette();
  palette.setColor(QPalette::Window, ToQColor(color));
  label_->setPalette(palette);
  if (style_ == Style::Swatch) DescribeColour();
}

// A screen reader reads the swatch's colour as its hexadecimal text, red first.
void Label::DescribeColour() {
  label_->setAccessibleDescription(ToQColor(back_color_).name().mid(1).toUpper());
}

QWidget* Label::Widget() const { return label_; }

}  // namespace toolkit
