// The hex field Txt16: six hexadecimal digits set every other view; any other text empties
// the decimal fields and disables "copy" until the colour is complete again.
#include <QTest>

#include "tests/support/form_fixture.h"

namespace {

class HexFieldTest : public FormTest {
 protected:
  QWidget* Hex() { return form().Txt16.Widget(); }

  // Goes into the hex field and selects its whole text.
  void SelectAllHex() {
    Hex()->setFocus(Qt::TabFocusReason);
    Key(Hex(), Qt::Key_A, Qt::ControlModifier);
  }

  void EmptyHex() {
    SelectAllHex();
    Key(Hex(), Qt::Key_Backspace);
  }

  // The colour 1A2B3C, in step everywhere.
  void StartFrom1A2B3C() {
    PasteOver(form().Txt16, "1A2B3C");
    ASSERT_EQ(Shown(), InStep(26, 43, 60));
  }

  // The decimal fields emptied and "copy" disabled, while the hex field holds the text and
  // the bars and the swatch keep the colour.
  static Views Incomplete(const std::string& hex, int red, int green, int blue) {
    return {"", "", "", hex, red, green, blue, toolkit::Rgb(red, green, blue), false};
  }
};

TEST_F(HexFieldTest, TheSixthTypedDigitCompletesTheColourInUpperCase) {
  EmptyHex();
  const QString keys = "1a2B3c";
  for (int i = 0; i < 5; ++i) {
    TypeChars(form().Txt16, keys.mid(i, 1));
    EXPECT_EQ(Shown(), Incomplete(keys.left(i + 1).toStdString(), 0, 0, 0)) << "key " << i + 1;
  }
  TypeChars(form().Txt16, keys.mid(5, 1));
  EXPECT_EQ(Shown(), InStep(26, 43, 60));
  EXPECT_EQ(form().Txt16.SelStart(), 6);
}

TEST_F(HexFieldTest, SixDigitsTypedIntoAnEmptiedFieldGiveTheirColour) {
  struct Row {
    QString typed;
    Views shown;
  };
  const Row rows[] = {{"000000", InStep(0, 0, 0)},
                      {"FFFFFF", InStep(255, 255, 255)},
                      {"ffffff", InStep(255, 255, 255)},
                      {"0aAb05", InStep(10, 171, 5)}};
  for (const Row& row : rows) {
    StartFrom1A2B3C();
    EmptyHex();
    Type(form().Txt16, row.typed);
    EXPECT_EQ(Shown(), row.shown) << row.typed.toStdString();
  }
}

TEST_F(HexFieldTest, BackspaceInAFullFieldEmptiesTheDecimalFields) {
  StartFrom1A2B3C();
  Key(Hex(), Qt::Key_End);
  Key(Hex(), Qt::Key_Backspace);
  EXPECT_EQ(Shown(), Incomplete("1A2B3", 26, 43, 60));
}

TEST_F(HexFieldTest, AFullFieldWithoutASelectionRefusesASeventhDigit) {
  StartFrom1A2B3C();
  for (int caret = 0; caret <= 6; ++caret) {
    SelectChars(form().Txt16, caret, 0);
    Type(form().Txt16, "7");
    EXPECT_EQ(Shown(), InStep(26, 43, 60)) << "caret at " << caret;
  }
}

TEST_F(HexFieldTest, ADigitTypedOverOneSelectedDigitChangesOnlyItsChannel) {
  struct Row {
    int at;
    QString typed;
    Views shown;
  };
  const Row rows[] = {{0, "F", InStep(250, 43, 60)},
                      {0, "b", InStep(186, 43, 60)},
                      {3, "0", InStep(26, 32, 60)},
                      {5, "d", InStep(26, 43, 61)}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.typed.toStdString() + " at " + std::to_string(row.at));
    StartFrom1A2B3C();
    SelectChars(form().Txt16, row.at, 1);
    Type(form().Txt16, row.typed);
    EXPECT_EQ(Shown(), row.shown);
    // The caret stays behind the digit, also when the program upper-cased it.
    EXPECT_EQ(form().Txt16.SelStart(), row.at + 1);
    EXPECT_EQ(form().Txt16.SelLength(), 0);
  }
}

TEST_F(HexFieldTest, ADigitTypedOverTwoSelectedCharactersLeavesAnIncompleteText) {
  StartFrom1A2B3C();
  SelectChars(form().Txt16, 2, 2);
  Type(form().Txt16, "7");
  EXPECT_EQ(Shown(), Incomplete("1A73C", 26, 43, 60));
}

TEST_F(HexFieldTest, OnlyHexDigitsAndBackspaceEverReachTheField) {
  const QString refused = QStringLiteral("gG- x.１Ａ\x01\x1b\x7f");
  StartFrom1A2B3C();
  for (const QChar c : refused) {
    SelectAllHex();
    TypeChars(form().Txt16, c);
    EXPECT_EQ(Shown(), InStep(26, 43, 60)) << "U+" << std::hex << c.unicode();
  }
  for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
    SelectAllHex();
    QTest::keyClick(Hex(), key);
    EXPECT_EQ(Shown(), InStep(26, 43, 60)) << "key " << key;
  }
  EmptyHex();
  Type(form().Txt16, "12");
  for (const QChar c : refused) {
    TypeChars(form().Txt16, c);
    EXPECT_EQ(Utf8(form().Txt16.Text()), "12") << "U+" << std::hex << c.unicode();
  }
}

TEST_F(HexFieldTest, SixPastedDigitsReplaceTheColourInUpperCase) {
  StartFrom1A2B3C();
  PasteOver(form().Txt16, "abcdef");
  EXPECT_EQ(Shown(), InStep(171, 205, 239));
  PasteOver(form().Txt16, "00ff0a");
  EXPECT_EQ(Shown(), InStep(0, 255, 10));
}

TEST_F(HexFieldTest, APastedTextLongerThanSixRefusesEveryKey) {
  StartFrom1A2B3C();
  PasteOver(form().Txt16, "1234567");
  EXPECT_EQ(Shown(), Incomplete("1234567", 26, 43, 60));
  for (const bool all_selected : {false, true}) {
    for (const Qt::Key key : {Qt::Key_1, Qt::Key_A, Qt::Key_Backspace}) {
      SelectChars(form().Txt16, all_selected ? 0 : 7, all_selected ? 7 : 0);
      QTest::keyClick(Hex(), key);
      EXPECT_EQ(Shown(), Incomplete("1234567", 26, 43, 60))
          << "key " << key << (all_selected ? " over the selection" : " at the end");
    }
  }
}

// Six characters that are not all hexadecimal digits are an incomplete text: the decimal
// fields stay empty, even when the user empties one of them again.
TEST_F(HexFieldTest, SixPastedCharactersThatAreNotAllHexDigitsAreNoColour) {
  for (const QString pasted : {"12345G", "12 456", "-12345", "１２３４５６"}) {
    SCOPED_TRACE(pasted.toStdString());
    StartFrom1A2B3C();
    PasteOver(form().Txt16, pasted);
    EXPECT_EQ(Shown(), Incomplete(pasted.toStdString(), 26, 43, 60));

    form().TxtR.Widget()->setFocus(Qt::TabFocusReason);
    Type(form().TxtR, "5");
    Key(form().TxtR.Widget(), Qt::Key_Backspace);
    Views red_bar_moved = Incomplete(pasted.toStdString(), 26, 43, 60);
    red_bar_moved.bar_red = 5;
    EXPECT_EQ(Shown(), red_bar_moved);
    EXPECT_EQ(form().TextBusy, 0);
  }
}

TEST_F(HexFieldTest, TabSelectsTheWholeTextAndAClickSelectsNothing) {
  form().HSclBlue.Widget()->setFocus(Qt::OtherFocusReason);
  Tab();
  ASSERT_EQ(Focused(), Hex());
  EXPECT_EQ(form().Txt16.SelStart(), 0);
  EXPECT_EQ(form().Txt16.SelLength(), 6);

  form().TxtR.Widget()->setFocus(Qt::OtherFocusReason);
  ClickAt(Hex(), QPoint(Hex()->width() - 2, Hex()->height() / 2));
  ASSERT_EQ(Focused(), Hex());
  EXPECT_EQ(form().Txt16.SelLength(), 0);
  EXPECT_EQ(form().Txt16.SelStart(), 6);
}

}  // namespace
