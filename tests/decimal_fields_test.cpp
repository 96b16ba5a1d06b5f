// The decimal fields TxtR, TxtG and TxtB: what typing and pasting do to the field itself and,
// through it, to the bars, the hex text, the swatch and "copy".
#include <QTest>

#include "tests/support/form_fixture.h"

namespace {

class DecimalFieldsTest : public FormTest {
 protected:
  void ExpectAllSelected(toolkit::TextBox& field) {
    EXPECT_EQ(field.SelStart(), 0);
    EXPECT_EQ(field.SelLength(), static_cast<int32_t>(field.Text().size()));
  }
};

// At start-up TxtR has the focus and the hex field has not changed yet: Backspace empties TxtR.
TEST_F(DecimalFieldsTest, WhileAFieldIsEmptyTheOthersMoveOnlyTheirBarsUntilOneDigitFillsIt) {
  Key(form().TxtR.Widget(), Qt::Key_Backspace);
  PasteOver(form().TxtG, "77");
  PasteOver(form().TxtB, "5");
  EXPECT_EQ(Shown(), (Views{"", "77", "5", "000000", 0, 77, 5, 0, true}));
  form().TxtR.Widget()->setFocus(Qt::TabFocusReason);
  PointerAt(112);  // over the track: the bar must take the typed value, not the pointer
  const std::vector<std::string>& trace = TraceHandlers();
  Type(form().TxtR, "2");
  EXPECT_EQ(trace,
            (std::vector<std::string>{"Frmkolwe_TxtR_KeyPress@0", "Frmkolwe_TxtR_Change@0",
                                      "Frmkolwe_HSclRed_Change@1", "Frmkolwe_Txt16_Change@1"}));
  EXPECT_EQ(Shown(), InStep(2, 77, 5));
}

TEST_F(DecimalFieldsTest, LeadingZerosAreDroppedAndAValueAbove255GivesTheLastTextBackSelected) {
  Type(form().TxtR, "00");  // over the "0" selected at start-up
  EXPECT_EQ(Shown(), InStep(0, 0, 0));
  Type(form().TxtR, "7");
  EXPECT_EQ(Shown(), InStep(7, 0, 0));
  PasteOver(form().TxtR, "12");
  Key(form().TxtR.Widget(), Qt::Key_Home);
  Type(form().TxtR, "0");
  EXPECT_EQ(Shown(), InStep(12, 0, 0));
  EXPECT_EQ(form().TxtR.SelStart(), 1);
  PasteOver(form().TxtR, "25");
  Type(form().TxtR, "6");
  EXPECT_EQ(Shown(), InStep(25, 0, 0));
  ExpectAllSelected(form().TxtR);
}

TEST_F(DecimalFieldsTest, AnEmptiedFieldIsRefilledWithASelectedZeroOnlyWhileTheHexTextIsComplete) {
  Type(form().TxtR, "5");
  Key(form().TxtR.Widget(), Qt::Key_Backspace);
  EXPECT_EQ(Shown(), InStep(0, 0, 0));
  ExpectAllSelected(form().TxtR);
  PasteOver(form().Txt16, "123");
  PasteOver(form().TxtR, "5");
  Key(form().TxtR.Widget(), Qt::Key_Backspace);
  EXPECT_EQ(Shown(), (Views{"", "", "", "123", 5, 0, 0, 0, false}));
}

// Each row pastes its text, puts the caret at start and selects length characters from it, then
// types its keys ("\b" stands for Backspace). A full field holds three digits, or more if pasted.
TEST_F(DecimalFieldsTest, AFullFieldTakesADigitOnlyInPlaceOfASelectionAndNothingTakesOtherChars) {
  const QString refused = QStringLiteral("aZ-+. １٣あ\x01\x7f");
  const std::tuple<QString, int, int, QString, std::string> rows[] = {
      {"123", 3, 0, "4", "123"},       {"123", 0, 0, "4", "123"},   {"123", 3, 0, "\b", "12"},
      {"123", 1, 1, "5", "153"},       {"123", 0, 3, "9", "9"},     {"99999", 5, 0, "1\b", "99999"},
      {"99999", 0, 5, "1\b", "99999"}, {"12", 2, 0, refused, "12"}, {"12", 0, 2, refused, "12"}};
  for (const auto& [pasted, start, length, keys, after] : rows) {
    PasteOver(form().TxtR, pasted);
    SelectChars(form().TxtR, start, length);
    for (const QChar c : keys) {
      if (c == '\b') Key(form().TxtR.Widget(), Qt::Key_Backspace);
      if (c != '\b') TypeChars(form().TxtR, c);
    }
    EXPECT_EQ(Utf8(form().TxtR.Text()), after) << pasted.toStdString() << " from " << start;
  }
}

TEST_F(DecimalFieldsTest, TabSelectsTheWholeTextAndAClickSelectsNothing) {
  for (toolkit::TextBox* field : {&form().TxtR, &form().TxtG, &form().TxtB}) {
    PasteOver(*field, "123");
    Tab(Qt::ShiftModifier);
    Tab();
    ASSERT_EQ(Focused(), field->Widget());
    ExpectAllSelected(*field);
    form().Txt16.Widget()->setFocus(Qt::OtherFocusReason);
    Click(field->Widget());
    EXPECT_EQ(field->SelLength(), 0);
  }
}

// A paste passes no key filter: a number outside 0..255 gives the last text back, blanks
// around a number are dropped, and any other text stays while the colour stays the last one.
TEST_F(DecimalFieldsTest, PastedTextIsReadAsANumberOrLeftAloneWithoutTouchingTheColour) {
  const std::pair<QString, std::string> rows[] = {
      {"-5", "25"},   {"300", "25"},    {" 12 ", "12"},    {"1.5", "1.5"},
      {"1e2", "1e2"}, {"１２", "１２"}, {"99999", "99999"}};
  for (const auto& [pasted, left] : rows) {
    PasteOver(form().TxtR, "25");
    PasteOver(form().TxtR, pasted);
    Views expected = InStep(left == "12" ? 12 : 25, 0, 0);
    expected.red = left;
    EXPECT_EQ(Shown(), expected) << pasted.toStdString();
    EXPECT_EQ(form().TextBusy, 0);
    if (left == "25") ExpectAllSelected(form().TxtR);
  }
}

}  // namespace
