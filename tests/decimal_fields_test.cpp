// The decimal fields TxtR, TxtG and TxtB: what typing and pasting do to the field itself and,
// through it, to the bars, the hex text, the swatch and "copy".
#include "tests/support/form_fixture.h"

namespace {

using DecimalFieldsTest = FormTest;

// A new window's red field holds a selected "0", and its hex field has not changed yet.
TEST_F(DecimalFieldsTest, TypedAndPastedTextIsTidiedCheckedAndCarriedToEveryView) {
  const QString refused = QStringLiteral("aZ-+._１٣あ\x01\x7f");
  ExpectRows(
      {Row("a digit over the selected 0", {Type(R, "7")}, InStep(7, 0, 0)),
       Row("a leading 0 typed", {Paste(R, "12"), Select(R, 0, 0), Type(R, "0")}, InStep(12, 0, 0)),
       Row("a pasted leading 0 goes", {Paste(R, "0123")}, InStep(123, 0, 0)),
       Row("over 255 gives 25 back selected", {Paste(R, "25"), Type(R, "69")}, InStep(9, 0, 0)),
       Row("a full field refuses a digit", {Paste(R, "123"), Type(R, "45")}, InStep(123, 0, 0)),
       Row("Backspace", {Paste(R, "123"), Type(R, "\b")}, InStep(12, 0, 0)),
       Row("a digit over a selected one", {Paste(R, "123"), Select(R, 1, 1), Type(R, "5")},
           InStep(153, 0, 0)),
       Row("a negative gives 25 back selected", {Paste(R, "25"), Paste(R, "-5"), Type(R, "9")},
           InStep(9, 0, 0)),
       Row("an empty first line", {Paste(R, "\r\n12")}, Showing(R, "", InStep(0, 0, 0))),
       Row("a line end", {Paste(R, "200\r\n")}, InStep(200, 0, 0)),
       Row("no refresh while a field is empty", {Type(R, "\b"), Paste(G, "77"), Paste(B, "5")},
           {"", "77", "5", "000000", 0, 77, 5, 0, true}),
       Row("the pointer changes nothing",
           {Type(R, "\b"), Paste(G, "77"), Paste(B, "5"), PointerAt(112), Type(R, "2")},
           InStep(2, 77, 5)),
       Row("no refill while the hex text is not whole",
           {Paste(Hex, "123"), Paste(R, "5"), Type(R, "\b")},
           {"", "", "", "123", 5, 0, 0, 0, false}),
       Row("four characters take no digit", {Paste(R, "1.25"), Type(R, "5")},
           Showing(R, "1.25", InStep(0, 0, 0))),
       Row("0 and a blank", {Paste(R, "25"), Paste(R, "0 ")}, Showing(R, " ", InStep(25, 0, 0))),
       Row("every channel", {Paste(R, "200"), Paste(G, "2"), Paste(B, "3")}, InStep(200, 2, 3)),
       Row("keys the filter refuses",
           {Paste(R, "12"), Type(R, refused), Select(R, 0, 2), Type(R, refused)}, InStep(12, 0, 0)),
       Row("emptied, refilled with 0", {Paste(R, "5"), Type(R, "\b")}, InStep(0, 0, 0))});
  EXPECT_EQ(std::pair(form().TxtR.SelStart(), form().TxtR.SelLength()), std::pair(0, 1));
}

// Tab selects the whole text; a click leaves the caret where it landed and selects nothing,
// so a full field refuses a digit, and coming back by Tab after a click selects again.
TEST_F(DecimalFieldsTest, TabSelectsTheWholeTextAndAClickSelectsNothing) {
  for (const Field field : {R, G, B, Hex}) {
    const QString text = field == Hex ? "1A2B3C" : "123";
    Do({Paste(field, text)});
    for (int twice = 0; twice < 2; ++twice) {
      ShiftTab();
      Tab();
      EXPECT_EQ(FieldOf(field).SelLength(), int(text.size()));
      form().CmdGet.Widget()->setFocus(Qt::OtherFocusReason);
      ClickAt(FieldOf(field).Widget(), QPoint(12, 9));
      Do({Type(field, "5")});
      EXPECT_EQ(QString::fromStdU16String(FieldOf(field).Text()), text);
    }
  }
}

// Undo is the field's own: it gives back the text before the typed digit, and the colour
// follows it as it follows any edit.
TEST_F(DecimalFieldsTest, UndoAfterATypedDigitGivesThePreviousTextBack) {
  Do({Paste(G, "12"), Type(G, "7")});
  QTest::keyClick(form().TxtG.Widget(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Shown(), InStep(0, 12, 0));
}

}  // namespace
