// The decimal fields TxtR, TxtG and TxtB: what typing and pasting do to the field itself and,
// through it, to the bars, the hex text, the swatch and "copy".
#include "tests/support/form_fixture.h"

namespace {

using DecimalFieldsTest = FormTest;

// A new window's red field holds a selected "0", and its hex field has not changed yet. The
// red field: leading zeros go; a full field takes a digit only over a selection; a value above
// 255 gives the last text back selected, so "R+69" after a refused "6" shows 9; a paste passes
// no key filter; an emptied field is refilled with a selected "0" while the hex text is whole.
TEST_F(DecimalFieldsTest, TypedAndPastedTextIsTidiedCheckedAndCarriedToEveryView) {
  const QString refused = QStringLiteral("R+aZ-+._１٣あ\x01\x7f");
  // clang-format off
  const std::pair<const char*, int> red_after[] = {
      {"R+7", 7}, {"R=12 R@0,0 R+0", 12}, {"R=25 R+69", 9}, {"R=123 R+45", 123},
      {"R=123 R@0,0 R+4", 123}, {"R=123 R+\b", 12}, {"R=123 R@1,1 R+5", 153},
      {"R=123 R@0,3 R+9", 9}, {"R=25 R=-5 R+9", 9}, {"R=25 R=300", 25}, {"R=_12_", 12},
      {"R=0123", 123}, {"R=200~", 200}, {"R=&h1a", 26}, {"R=5 R+\b", 0}};
  // clang-format on
  for (const auto& [script, red] : red_after) {
    SetUp();
    Do(script);
    EXPECT_EQ(Shown(), InStep(red, 0, 0)) << script;
  }
  EXPECT_EQ(std::pair(form().TxtR.SelStart(), form().TxtR.SelLength()), std::pair(0, 1));
  ExpectRows({{"R+\b G=77 B=5", {"", "77", "5", "000000", 0, 77, 5, 0, true}},  // no refresh
              {"R+\b G=77 B=5 p112 R+2", InStep(2, 77, 5)},  // the pointer changes nothing
              {"H=123 R=5 R+\b", {"", "", "", "123", 5, 0, 0, 0, false}},
              {"R=1.25 R+5", {"1.25", "0", "0", "000000", 0, 0, 0, 0, true}},
              {"R=99999 R+1\b R@0,5 R+1\b", {"99999", "0", "0", "000000", 0, 0, 0, 0, true}},
              {"R=25 R=1.5", {"1.5", "0", "0", "190000", 25, 0, 0, 25, true}},
              {"R=25 R=１２", {"１２", "0", "0", "190000", 25, 0, 0, 25, true}},
              {"R=200 G=2 B=3", InStep(200, 2, 3)},
              {"R=12 " + refused + " R@0,2 " + refused, InStep(12, 0, 0)}});
}

// Tab selects the whole text; a click leaves the caret where it landed and selects nothing,
// so a full field refuses a digit, and coming back by Tab after a click selects again.
TEST_F(DecimalFieldsTest, TabSelectsTheWholeTextAndAClickSelectsNothing) {
  for (toolkit::TextBox* field : {&form().TxtR, &form().TxtG, &form().TxtB, &form().Txt16}) {
    const QString text = field == &form().Txt16 ? "1A2B3C" : "123";
    Paste(*field, text, true);
    for (int twice = 0; twice < 2; ++twice) {
      Tab(Qt::ShiftModifier);
      Tab();
      EXPECT_EQ(std::pair(field->SelStart(), field->SelLength()), std::pair(0, int(text.size())));
      form().CmdGet.Widget()->setFocus(Qt::OtherFocusReason);
      ClickAt(field->Widget(), QPoint(12, 9));
      TypeChars(*field, "5");
      EXPECT_EQ(QString::fromStdU16String(field->Text()), text);
    }
  }
}

}  // namespace
