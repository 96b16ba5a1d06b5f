// The decimal fields TxtR, TxtG and TxtB: what typing and pasting do to the field itself and,
// through it, to the bars, the hex text, the swatch and "copy".
#include <QTest>
#include <functional>

#include "tests/support/form_fixture.h"

namespace {

class DecimalFieldsTest : public FormTest {
 protected:
  // Right after start-up TxtR has the focus with its "0" selected. The hex field has not
  // changed yet, so the emptied field is not refilled.
  void EmptyRedAtStart() { Key(form().TxtR.Widget(), Qt::Key_Backspace); }

  // Goes into the field, selects its whole text and types over it.
  void Enter(toolkit::TextBox& field, const QString& keys) {
    field.Widget()->setFocus(Qt::TabFocusReason);
    Key(field.Widget(), Qt::Key_A, Qt::ControlModifier);
    Type(field, keys);
  }

  void ExpectWholeTextSelected(toolkit::TextBox& field) {
    EXPECT_EQ(field.SelStart(), 0);
    EXPECT_EQ(field.SelLength(), static_cast<int32_t>(field.Text().size()));
  }
};

TEST_F(DecimalFieldsTest, OneDigitTypedIntoAnEmptiedFieldRunsOneCascade) {
  EmptyRedAtStart();
  ASSERT_EQ(Shown(), (Views{"", "0", "0", "000000", 0, 0, 0, 0, true}));
  PointerAt(112);  // over the track: a typed value must still not follow the pointer
  const std::vector<std::string>& trace = TraceHandlers();
  Type(form().TxtR, "2");
  EXPECT_EQ(trace,
            (std::vector<std::string>{"Frmkolwe_TxtR_KeyPress@0", "Frmkolwe_TxtR_Change@0",
                                      "Frmkolwe_HSclRed_Change@1", "Frmkolwe_Txt16_Change@1"}));
  EXPECT_EQ(Shown(), InStep(2, 0, 0));
  EXPECT_EQ(form().TextBusy, 0);
}

TEST_F(DecimalFieldsTest, LeadingZerosAreDroppedAndTheCaretStaysWhereTheUserTyped) {
  struct Row {
    QString typed;          // over the whole text
    QString typed_at_home;  // then at the start of the text
    Views shown;
    int32_t caret;
  };
  const Row rows[] = {
      {"007", "", InStep(7, 0, 0), 1},
      {"0", "0", InStep(0, 0, 0), 1},
      {"07", "", InStep(7, 0, 0), 1},
      {"12", "0", InStep(12, 0, 0), 1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.typed.toStdString() + " then at home " + row.typed_at_home.toStdString());
    Enter(form().TxtR, row.typed);
    if (!row.typed_at_home.isEmpty()) {
      Key(form().TxtR.Widget(), Qt::Key_Home);
      Type(form().TxtR, row.typed_at_home);
    }
    EXPECT_EQ(Shown(), row.shown);
    EXPECT_EQ(form().TxtR.SelStart(), row.caret);
    EXPECT_EQ(form().TxtR.SelLength(), 0);
  }
}

TEST_F(DecimalFieldsTest, ValueAboveTwoFiftyFiveGivesTheLastTextBackSelected) {
  Type(form().TxtR, "25");
  Type(form().TxtR, "6");
  EXPECT_EQ(Shown(), InStep(25, 0, 0));
  ExpectWholeTextSelected(form().TxtR);
}

// The rows run in order on one window, from start-up on.
TEST_F(DecimalFieldsTest, AnEmptiedFieldIsRefilledWithASelectedZeroOnlyWhileTheHexTextIsComplete) {
  struct Row {
    const char* name;
    std::function<void()> before;
    Views shown;
  };
  const Row rows[] = {
      {"hex field untouched since start-up", [] {},
       Views{"", "0", "0", "000000", 0, 0, 0, 0, true}},
      {"hex field complete", [&] { Type(form().TxtR, "5"); }, InStep(0, 0, 0)},
      {"hex field incomplete",
       [&] {
         PasteOver(form().Txt16, "123");
         Enter(form().TxtR, "5");
       },
       Views{"", "", "", "123", 5, 0, 0, 0, false}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    row.before();
    form().TxtR.Widget()->setFocus(Qt::TabFocusReason);
    Key(form().TxtR.Widget(), Qt::Key_Backspace);
    EXPECT_EQ(Shown(), row.shown);
    ExpectWholeTextSelected(form().TxtR);
  }
}

TEST_F(DecimalFieldsTest, AFullFieldTakesADigitOnlyInPlaceOfASelection) {
  struct Row {
    QString pasted;
    int start, length;  // the caret, and what is selected from it
    Qt::Key key;
    std::string after;
  };
  const Row rows[] = {
      {"123", 3, 0, Qt::Key_4, "123"},
      {"123", 0, 0, Qt::Key_4, "123"},
      {"123", 3, 0, Qt::Key_Backspace, "12"},
      {"123", 1, 1, Qt::Key_5, "153"},
      {"123", 0, 3, Qt::Key_9, "9"},
      {"99999", 5, 0, Qt::Key_1, "99999"},
      {"99999", 5, 0, Qt::Key_Backspace, "99999"},
      {"99999", 0, 5, Qt::Key_1, "99999"},
      {"99999", 0, 5, Qt::Key_Backspace, "99999"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.pasted.toStdString() + " " + std::to_string(row.start) + "+" +
                 std::to_string(row.length) + " key " + std::to_string(row.key));
    PasteOver(form().TxtR, row.pasted);
    SelectChars(form().TxtR, row.start, row.length);
    QTest::keyClick(form().TxtR.Widget(), row.key);
    EXPECT_EQ(Utf8(form().TxtR.Text()), row.after);
  }
}

TEST_F(DecimalFieldsTest, OnlyDigitsAndBackspaceEverReachTheField) {
  const QString refused = QStringLiteral("aZ-+., e１٣あ\x01\x1f\x7f");
  Enter(form().TxtG, "12");
  const Views before = Shown();
  for (const bool all_selected : {false, true}) {
    for (const QChar c : refused) {
      SCOPED_TRACE("U+" + QString::number(c.unicode(), 16).toStdString() +
                   (all_selected ? " over the selection" : " at the end"));
      SelectChars(form().TxtG, all_selected ? 0 : 2, all_selected ? 2 : 0);
      TypeChars(form().TxtG, c);
      EXPECT_EQ(Shown(), before);
    }
  }
  for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
    QTest::keyClick(form().TxtG.Widget(), key);
    EXPECT_EQ(Shown(), before) << "key " << key;
  }
}

TEST_F(DecimalFieldsTest, TabSelectsTheWholeTextAndAClickSelectsNothing) {
  Frmkolwe& f = form();
  struct Row {
    toolkit::TextBox& field;
    QWidget* before_in_tab_order;
  };
  const Row rows[] = {
      {f.TxtR, f.ChkTop.Widget()}, {f.TxtG, f.HSclRed.Widget()}, {f.TxtB, f.HSclGreen.Widget()}};
  for (const Row& row : rows) {
    PasteOver(row.field, "123");
    row.before_in_tab_order->setFocus(Qt::OtherFocusReason);
    Tab();
    ASSERT_EQ(Focused(), row.field.Widget());
    ExpectWholeTextSelected(row.field);

    f.Txt16.Widget()->setFocus(Qt::OtherFocusReason);
    const QWidget* widget = row.field.Widget();
    ClickAt(row.field.Widget(), QPoint(widget->width() - 2, widget->height() / 2));
    ASSERT_EQ(Focused(), row.field.Widget());
    EXPECT_EQ(row.field.SelLength(), 0);
    EXPECT_EQ(row.field.SelStart(), 3);
  }
}

TEST_F(DecimalFieldsTest, WhileAFieldIsEmptyTheOthersMoveOnlyTheirBars) {
  EmptyRedAtStart();
  Enter(form().TxtG, "77");
  Enter(form().TxtB, "5");
  EXPECT_EQ(Shown(), (Views{"", "77", "5", "000000", 0, 77, 5, 0, true}));
  Enter(form().TxtR, "9");
  EXPECT_EQ(Shown(), InStep(9, 77, 5));

  PasteOver(form().Txt16, "12");
  Enter(form().TxtG, "30");
  EXPECT_EQ(Shown(), (Views{"", "30", "", "12", 9, 30, 5, toolkit::Rgb(9, 77, 5), false}));
}

// A paste passes no key filter. Plain digits with blanks or a sign are read as a number; a
// number outside 0..255 gives the last accepted text back; anything else is left in the
// field while the other views keep the last accepted colour.
TEST_F(DecimalFieldsTest, PastedTextIsReadAsANumberOrLeftAloneWithoutTouchingTheColour) {
  struct Row {
    QString pasted;
    std::string left;
    int red;  // the colour every other view shows afterwards
    bool restored;
  };
  const Row rows[] = {
      {"-5", "25", 25, true},      {"300", "25", 25, true},       {"1234", "25", 25, true},
      {"-32768", "25", 25, true},  {" 12 ", "12", 12, false},     {"+7", "7", 7, false},
      {"1.5", "1.5", 25, false},   {"1e2", "1e2", 25, false},     {"1,0", "1,0", 25, false},
      {"１２", "１２", 25, false}, {"99999", "99999", 25, false}, {"- 5", "- 5", 25, false},
      {"12a", "12a", 25, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.pasted.toStdString());
    PasteOver(form().TxtR, "25");
    PasteOver(form().TxtR, row.pasted);
    Views expected = InStep(row.red, 0, 0);
    expected.red = row.left;
    EXPECT_EQ(Shown(), expected);
    EXPECT_EQ(form().TextBusy, 0);
    if (row.restored) ExpectWholeTextSelected(form().TxtR);
  }
}

}  // namespace
