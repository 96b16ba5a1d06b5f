// The hex field Txt16: six hexadecimal digits set every other view; any other text empties
// the decimal fields and disables "copy" until the colour is complete again.
#include <QTest>

#include "tests/support/form_fixture.h"

namespace {

class HexFieldTest : public FormTest {
 protected:
  QWidget* Hex() { return form().Txt16.Widget(); }

  void StartFrom1A2B3C() {
    PasteOver(form().Txt16, "1A2B3C");
    ASSERT_EQ(Shown(), InStep(26, 43, 60));
  }

  // The decimal fields empty and "copy" disabled; the bars and the swatch keep the colour.
  static Views Incomplete(const std::string& hex, int red = 26, int green = 43, int blue = 60) {
    return {"", "", "", hex, red, green, blue, toolkit::Rgb(red, green, blue), false};
  }
};

TEST_F(HexFieldTest, SixTypedOrPastedDigitsCompleteTheColourInUpperCase) {
  Hex()->setFocus(Qt::TabFocusReason);
  Key(Hex(), Qt::Key_Backspace);
  const QString keys = "1a2B3c";
  for (int i = 0; i < 5; ++i) {
    TypeChars(form().Txt16, keys.mid(i, 1));
    EXPECT_EQ(Shown(), Incomplete(keys.left(i + 1).toStdString(), 0, 0, 0)) << "key " << i + 1;
  }
  TypeChars(form().Txt16, keys.mid(5, 1));
  EXPECT_EQ(Shown(), InStep(26, 43, 60));
  PasteOver(form().Txt16, "00ff0a");
  EXPECT_EQ(Shown(), InStep(0, 255, 10));
}

// Each row pastes its text over 1A2B3C, puts the caret at start and selects length characters
// from it, then types its keys; "\b" stands for Backspace.
TEST_F(HexFieldTest, AFullFieldTakesOnlyBackspaceAndOtherCharactersNeverGetIn) {
  const QString refused = QStringLiteral("gG- x.１Ａ\x01\x7f");
  const Views kept = InStep(26, 43, 60);
  const std::tuple<QString, int, int, QString, Views> rows[] = {
      {"1A2B3C", 6, 0, "7", kept},
      {"1A2B3C", 6, 0, "\b", Incomplete("1A2B3")},
      {"1A2B3C", 0, 6, refused, kept},
      {"12", 2, 0, refused, Incomplete("12")},
      {"1234567", 7, 0, "1a\b", Incomplete("1234567")},
      {"1234567", 0, 7, "1a\b", Incomplete("1234567")}};
  for (const auto& [pasted, start, length, keys, shown] : rows) {
    StartFrom1A2B3C();
    PasteOver(form().Txt16, pasted);
    SelectChars(form().Txt16, start, length);
    for (const QChar c : keys) {
      if (c == '\b') Key(Hex(), Qt::Key_Backspace);
      if (c != '\b') TypeChars(form().Txt16, c);
    }
    EXPECT_EQ(Shown(), shown) << pasted.toStdString() << " from " << start << "+" << length;
  }
}

// The caret stays behind the digit, also when the program upper-cases it.
TEST_F(HexFieldTest, ADigitTypedOverOneSelectedDigitChangesOnlyItsChannel) {
  const std::tuple<int, QString, Views> rows[] = {
      {0, "b", InStep(186, 43, 60)}, {3, "0", InStep(26, 32, 60)}, {5, "d", InStep(26, 43, 61)}};
  for (const auto& [at, typed, shown] : rows) {
    StartFrom1A2B3C();
    SelectChars(form().Txt16, at, 1);
    Type(form().Txt16, typed);
    EXPECT_EQ(Shown(), shown) << "at " << at;
    EXPECT_EQ(form().Txt16.SelStart(), at + 1);
    EXPECT_EQ(form().Txt16.SelLength(), 0);
  }
}

// The decimal fields stay empty, even when the user fills one and empties it again.
TEST_F(HexFieldTest, SixPastedCharactersThatAreNotAllHexDigitsAreNoColour) {
  StartFrom1A2B3C();
  PasteOver(form().Txt16, "12345G");
  EXPECT_EQ(Shown(), Incomplete("12345G"));
  PasteOver(form().TxtR, "5");
  Key(form().TxtR.Widget(), Qt::Key_Backspace);
  EXPECT_EQ(Shown(), (Views{"", "", "", "12345G", 5, 43, 60, toolkit::Rgb(26, 43, 60), false}));
  EXPECT_EQ(form().TextBusy, 0);
}

}  // namespace
