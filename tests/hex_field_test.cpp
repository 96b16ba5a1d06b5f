// The hex field Txt16: six hexadecimal digits set every other view; any other text empties
// the decimal fields and disables "copy" until the colour is complete again.
#include "tests/support/form_fixture.h"

namespace {

using HexFieldTest = FormTest;

TEST_F(HexFieldTest, SixDigitsCompleteTheColourInUpperCaseAndOtherTextsEmptyTheFields) {
  const QString refused = QStringLiteral("H+gG-_x.１Ａ\x01\x7f");
  const Views kept = InStep(26, 43, 60);
  ExpectRows(
      {{"H@0,6 H+\b1a2B3", {"", "", "", "1a2B3", 0, 0, 0, 0, false}},
       {"H@0,6 H+\b1a2B3c", kept},
       {"H=00ff0a~", InStep(0, 255, 10)},  // as copied from a terminal
       {"H=1A2B3C H+\b", {"", "", "", "1A2B3", 26, 43, 60, std::get<7>(kept), false}},
       {"H=1A2B3C H+7 H@0,6 " + refused, kept},  // a full field takes only Backspace
       {"H=12 " + refused, {"", "", "", "12", 0, 0, 0, 0, false}},
       {"H=1234567 H+1a\b H@0,7 H+1a\b", {"", "", "", "1234567", 0, 0, 0, 0, false}},
       {"H=1A2B3C H@0,1 H+b H@3,1 H+0 H@5,1 H+d", InStep(186, 32, 61)},  // a digit over one digit
       {"H=1A2B3C H=12345G R=5 R+\b",  // six characters, not all hex digits: no colour
        {"", "", "", "12345G", 5, 43, 60, std::get<7>(kept), false}}});
}

}  // namespace
