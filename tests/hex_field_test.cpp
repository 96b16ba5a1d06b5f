// The hex field Txt16: six hexadecimal digits set every other view; any other text empties
// the decimal fields and disables "copy" until the colour is complete again.
#include "tests/support/form_fixture.h"

namespace {

using HexFieldTest = FormTest;

TEST_F(HexFieldTest, SixDigitsCompleteTheColourInUpperCaseAndOtherTextsEmptyTheFields) {
  const QString refused = QStringLiteral("gG-_x.１Ａ\x01\x7f");
  const Views kept = InStep(26, 43, 60);
  ExpectRows(
      {Row("five digits", {Select(Hex, 0, 6), Type(Hex, "\b1a2B3")},
           {"", "", "", "1a2B3", 0, 0, 0, 0, false}),
       Row("six digits", {Select(Hex, 0, 6), Type(Hex, "\b1a2B3c")}, kept),
       Row("pasted from a terminal", {Paste(Hex, "00ff0a\r\n")}, InStep(0, 255, 10)),
       Row("one digit taken away", {Paste(Hex, "1A2B3C"), Type(Hex, "\b")},
           {"", "", "", "1A2B3", 26, 43, 60, kept.swatch, false}),
       Row("a full field refuses a digit, a selection the other keys",
           {Paste(Hex, "1A2B3C"), Type(Hex, "7"), Select(Hex, 0, 6), Type(Hex, refused)}, kept),
       Row("a digit typed over one changes only its channel",
           {Paste(Hex, "1A2B3C"), Select(Hex, 0, 1), Type(Hex, "b"), Select(Hex, 3, 1),
            Type(Hex, "0"), Select(Hex, 5, 1), Type(Hex, "d")},
           InStep(186, 32, 61)),
       Row("six characters, not all digits",
           {Paste(Hex, "1A2B3C"), Paste(Hex, "12345G"), Paste(R, "5"), Type(R, "\b")},
           {"", "", "", "12345G", 5, 43, 60, kept.swatch, false})});
}

}  // namespace
