// A decorative line drawn on the form under every control, in a colour and a pen width.
// Its colour is either a fixed colour value or the palette's three-dimensional highlight.
#pragma once

#include <cstdint>

class QWidget;

namespace toolkit {

class Form;

struct TwipLine {
  int x1;
  int y1;
  int x2;
  int y2;
};

class LineShape {
 public:
  static constexpr int32_t kHighlight = -1;  // the palette's light colour

  LineShape(Form& form, TwipLine line, int pen_width, int32_t color);

  QWidget* Widget() const { return widget_; }

 private:
  QWidget* widget_;
};

}  // namespace toolkit
