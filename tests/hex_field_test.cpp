// The hex field Txt16: six hexadecimal digits set every other view; any other text empties
// the decimal fields and disables "copy" until the colour is complete again.
#include <QLineEdit>

#include "tests/support/form_fixture.h"

namespace {

using HexFieldTest = FormTest;

TEST_F(HexFieldTest, SixDigitsCompleteTheColourInUpperCaseAndOtherTextsEmptyTheFields) {
  const QString refused = QStringLiteral("H+gG-_x.１Ａ\x01\x7f");
  const Views kept = InStep(26, 43, 60);
  ExpectRows({{"H@0,6 H+\b1a2B3", Incomplete("1a2B3", 0, 0, 0)},
              {"H@0,6 H+\b1a2B3c", kept},
              {"H=00ff0a~", InStep(0, 255, 10)},  // as copied from a terminal
              {"H=1A2B3C H+7", kept},             // a full field takes only Backspace
              {"H=1A2B3C H+\b", Incomplete("1A2B3", 26, 43, 60)},
              {"H=1A2B3C H@0,6 " + refused, kept},
              {"H=12 " + refused, Incomplete("12", 0, 0, 0)},
              {"H=1234567 H+1a\b H@0,7 H+1a\b", Incomplete("1234567", 0, 0, 0)},
              {"H=1A2B3C H@0,1 H+b", InStep(186, 43, 60)},  // one selected digit: one channel
              {"H=1A2B3C H@3,1 H+0", InStep(26, 32, 60)},
              {"H=1A2B3C H@5,1 H+d", InStep(26, 43, 61)},
              {"H=1A2B3C H=12345G R=5 R+\b",  // six characters, not all hex digits: no colour
               {"", "", "", "12345G", 5, 43, 60, std::get<7>(kept), false}}});
}

TEST_F(HexFieldTest, AClickIntoTheFullFieldSelectsNothingSoATypedDigitIsRefused) {
  QWidget* hex = form().Txt16.Widget();
  const QPoint at(hex->width() / 2, hex->height() / 2);
  Do("H=1A2B3C");
  form().TxtR.Widget()->setFocus(Qt::TabFocusReason);
  ClickAt(hex, at);
  EXPECT_EQ(form().Txt16.SelStart(), static_cast<QLineEdit*>(hex)->cursorPositionAt(at));
  Do("H+5");
  EXPECT_EQ(Shown(), InStep(26, 43, 60));
}

}  // namespace
