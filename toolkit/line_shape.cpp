#include "toolkit/line_shape.h"

#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

#include "toolkit/accessibility.h"
#include "toolkit/form.h"
#include "toolkit/qt_color.h"
#include "toolkit/units.h"

namespace toolkit {
namespace {

class LineWidget : public QWidget {
 public:
  LineWidget(QWidget* parent, QLine line, int pen_width, int32_t color)
      : QWidget(parent), pen_width_(pen_width), color_(color) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const int margin = pen_width;
    const QRect bounds =
        QRect(line.p1(), line.p2()).normalized().adjusted(-margin, -margin, margin, margin);
    setGeometry(bounds);
    line_ = line.translated(-bounds.topLeft());
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const QColor color =
        color_ == LineShape::kHighlight ? palette().color(QPalette::Light) : ToQColor(color_);
    QPen pen(color, pen_width_, Qt::SolidLine, Qt::SquareCap);
    painter.setPen(pen);
    painter.drawLine(line_);
  }

 private:
  QLine line_;
  int pen_width_;
  int32_t color_;
};

}  // namespace

LineShape::LineShape(Form& form, TwipLine line, int pen_width, int32_t color)
    : widget_(new LineWidget(form.Client(),
                             QLine(TwipsToPixels(line.x1), TwipsToPixels(line.y1),
                                   TwipsToPixels(line.x2), TwipsToPixels(line.y2)),
                             pen_width, color)) {
  HideFromAccessibility(widget_);
}

}  // namespace toolkit
