// The decimal fields TxtR, TxtG and TxtB: what typing and pasting do to the field itself and,
// through it, to the bars, the hex text, the swatch and "copy".
#include "tests/support/form_fixture.h"

namespace {

using DecimalFieldsTest = FormTest;

// A new window's red field holds a selected "0", and its hex field has not changed yet. A typed
// digit replaces a selection, so "R+69" after a refused "6" shows the restored text selected.
TEST_F(DecimalFieldsTest, TypedAndPastedTextIsTidiedCheckedAndCarriedToEveryView) {
  const QString refused = QStringLiteral("R+aZ-+._１٣あ\x01\x7f");
  ExpectRows(
      {{"R+\b G=77 B=5", {"", "77", "5", "000000", 0, 77, 5, 0, true}},  // red empty: no refresh
       {"R+\b G=77 B=5 p112 R+2", InStep(2, 77, 5)},  // the pointer over the track changes nothing
       {"R+00", InStep(0, 0, 0)},
       {"R+7", InStep(7, 0, 0)},
       {"R=12 R@0,0 R+0", InStep(12, 0, 0)},
       {"R=25 R+69", InStep(9, 0, 0)},
       {"H=123 R=5 R+\b", {"", "", "", "123", 5, 0, 0, 0, false}},
       {"R=123 R+45", InStep(123, 0, 0)},  // a full field takes a digit only over a selection
       {"R=123 R@0,0 R+4", InStep(123, 0, 0)},
       {"R=123 R+\b", InStep(12, 0, 0)},
       {"R=123 R@1,1 R+5", InStep(153, 0, 0)},
       {"R=123 R@0,3 R+9", InStep(9, 0, 0)},
       {"R=1.25 R+5", {"1.25", "0", "0", "000000", 0, 0, 0, 0, true}},
       {"R=99999 R+1\b R@0,5 R+1\b", {"99999", "0", "0", "000000", 0, 0, 0, 0, true}},
       {"R=12 " + refused + " R@0,2 " + refused, InStep(12, 0, 0)},
       {"R=25 R=-5 R+9", InStep(9, 0, 0)},  // a paste passes no key filter
       {"R=25 R=300", InStep(25, 0, 0)},
       {"R=_12_", InStep(12, 0, 0)},
       {"R=0123", InStep(123, 0, 0)},
       {"R=200~", InStep(200, 0, 0)},
       {"R=+7", InStep(7, 0, 0)},
       {"R=&h1a", InStep(26, 0, 0)},
       {"R=25 R=1.5", {"1.5", "0", "0", "190000", 25, 0, 0, 25, true}},
       {"R=25 R=１２", {"１２", "0", "0", "190000", 25, 0, 0, 25, true}},
       {"R=15 G=16 B=0", InStep(15, 16, 0)},  // two upper-case hex digits per channel
       {"R=10 G=171 B=5", InStep(10, 171, 5)},
       {"R=255 G=0 B=16", InStep(255, 0, 16)},
       {"R=1 G=2 B=200", InStep(1, 2, 200)},
       {"R=15 G=200 B=201", InStep(15, 200, 201)},
       {"R=200 G=201 B=15", InStep(200, 201, 15)},
       {"R=200 G=2 B=3", InStep(200, 2, 3)},
       {"R=5 R+\b", InStep(0, 0, 0)}});
  // An emptied field is refilled with a selected "0" while the hex text is complete.
  EXPECT_EQ(std::pair(form().TxtR.SelStart(), form().TxtR.SelLength()), std::pair(0, 1));
}

// Tab selects the whole text; a click leaves the caret where it landed and selects nothing,
// and coming back by Tab after a click selects again.
TEST_F(DecimalFieldsTest, TabSelectsTheWholeTextAndAClickSelectsNothing) {
  for (toolkit::TextBox* field : {&form().TxtR, &form().TxtG, &form().TxtB}) {
    Paste(*field, "123", true);
    for (int twice = 0; twice < 2; ++twice) {
      Tab(Qt::ShiftModifier);
      Tab();
      EXPECT_EQ(std::pair(field->SelStart(), field->SelLength()), std::pair(0, 3));
      form().Txt16.Widget()->setFocus(Qt::OtherFocusReason);
      ClickAt(field->Widget(), QPoint(12, 9));
      EXPECT_EQ(field->SelLength(), 0);
    }
  }
}

}  // namespace
