// A label over QLabel: a caption in a text colour, or a filled colour swatch. Labels never
// take the focus or the mouse; setting BackColor raises nothing.
#pragma once

#include <cstdint>

#include "toolkit/conversions.h"
#include "toolkit/units.h"

class QLabel;
class QWidget;

namespace toolkit {

class Form;

class Label {
 public:
  enum class Style { Caption, Swatch };

  // The toolkit's own colour, where a label sets none.
  static constexpr int32_t kDefaultColor = -1;

  // A caption label's font is made small enough for its caption to fit; a swatch has a
  // thin border.
  Label(Form& form, TwipRect rect, Style style, const Text& caption, int32_t fore_color,
        int32_t back_color);

  int32_t BackColor() const;
  // A colour value outside 0..0xFFFFFF is an invalid property value.
  void SetBackColor(int32_t color);

  QWidget* Widget() const;

 private:
  void DescribeColour();

  QLabel* label_;
  Style style_;
  int32_t back_color_;
};

}  // namespace toolkit
