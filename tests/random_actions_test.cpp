// Thousands of user actions drawn from a fixed seed: typing any character, pasting any text,
// selections, bar keys with the pointer anywhere, clear, copy and pick. After every action
// the window must be idle, and its views must show the colour the actions produce wherever
// they tell it, and else at least one colour.
//   KOLWE_RANDOM_ACTIONS  how many actions (default 3000)
//   KOLWE_RANDOM_SEED     the seed (default 19991110)
#include <QRegularExpression>
#include <array>
#include <optional>
#include <random>

#include "tests/support/form_fixture.h"

namespace {

// What the fields must refuse: letters, signs, blanks, controls, full-width and other scripts;
// "\b" is Backspace.
const QString kDigits = "0123456789", kHex = kDigits + "abcdefABCDEF",
              kOthers = QStringLiteral("gGzZ-+., &HhxX!\x01\b\x1b\x7f１２Ａあ中é٣");
using Colour = std::array<int, 3>;

// The oracle's own reading of the rules, written apart from the program's: six hex digits
// are a colour; a decimal field drops a leading "0" from two or three characters, one at a
// time, and then holds a number if it is blanks around a sign and digits within 16 bits, or
// "&H" and hex digits within 16 bits.
std::optional<Colour> ColourOfHexText(const QString& text) {
  static const QRegularExpression colour("^[0-9a-fA-F]{6}$");
  if (!colour.match(text).hasMatch()) return std::nullopt;
  const int rgb = text.toInt(nullptr, 16);
  return Colour{rgb >> 16, rgb >> 8 & 255, rgb & 255};
}

std::optional<int> NumberInDecimalField(QString text) {
  while ((text.size() == 2 || text.size() == 3) && text.startsWith('0')) text.remove(0, 1);
  static const QRegularExpression decimal("^ *([+-]?[0-9]+) *$"), hex("^ *&[hH]([0-9a-fA-F]+) *$");
  bool ok = false;
  if (const auto match = decimal.match(text); match.hasMatch()) {
    const long long value = match.captured(1).toLongLong(&ok);
    if (ok && value >= -32768 && value <= 32767) return int(value);
  } else if (const auto match = hex.match(text); match.hasMatch()) {
    const unsigned long long pattern = match.captured(1).toULongLong(&ok, 16);
    if (ok && pattern <= 0xFFFF) return int(int16_t(uint16_t(pattern)));
  }
  return std::nullopt;
}

class RandomActionsTest : public FormTest {
 protected:
  std::mt19937 rng;
  std::optional<Colour> expected;  // none where the actions do not tell the colour

  int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); }
  QString Draw(const QString& pool, int count = 1) {
    QString text;
    while (count-- > 0) text += pool.at(Uniform(0, int(pool.size()) - 1));
    return text;
  }

  // An edit that puts inserted in place of the field's selection, or of its whole text: a
  // decimal number in 0..255 sets its channel and another number leaves it, six hex digits are
  // the colour, and any other text shows none.
  void Expect(Field field, QString inserted, bool over_all) {
    toolkit::TextBox& box = FieldOf(field);
    const QString before = QString::fromStdU16String(box.Text());
    inserted = inserted.section('\n', 0, 0).section('\r', 0, 0);  // a paste keeps one line
    const QString text =
        over_all ? inserted : QString(before).replace(box.SelStart(), box.SelLength(), inserted);
    if (text == before) return;
    if (field == Hex) {
      expected = ColourOfHexText(text);
    } else if (const auto number = NumberInDecimalField(text); !number) {
      expected.reset();  // the field keeps its text, and no colour is shown
    } else if (*number >= 0 && *number <= 255 && expected) {
      (*expected)[int(field)] = *number;
    }
  }

  // One action, with what it makes of the colour.
  Step Act() {
    const Field field = std::array{R, G, B, Hex}[Uniform(0, 3)];
    const int kind = Uniform(1, 20);
    toolkit::TextBox& box = FieldOf(field);
    if (kind <= 14) box.Widget()->setFocus(Qt::TabFocusReason);  // which may select all
    const int length = int(box.Text().size()), start = Uniform(0, length);
    if (kind <= 8) {  // a character; a digit that fits the field edits it
      const QString c = Draw(kind <= 4 ? kDigits : kind <= 6 ? kHex : kOthers);
      const int limit = field == Hex ? 6 : 3;
      const bool fits = length < limit || (length == limit && box.SelLength() > 0);
      if (c == "\b") expected.reset();
      if ((field == Hex ? kHex : kDigits).contains(c) && fits) Expect(field, c, false);
      return Type(field, c);
    }
    if (kind <= 10) return Select(field, start, Uniform(0, length - start));
    if (kind <= 14) {  // mostly a number, perhaps with blanks, a sign or a line end, or hex
      QString text =
          kind <= 12 ? Draw(" +-", Uniform(0, 1)) + Draw(kDigits, Uniform(1, 5)) : Draw(kHex, 6);
      text = kind == 14 && Uniform(0, 1) ? Draw(kHex + kOthers + "\n", Uniform(0, 12))
                                         : text + Draw(" \n", Uniform(0, 1));
      const bool over_all = Uniform(0, 1);
      Expect(field, text, over_all);
      return Paste(field, text, !over_all);
    }
    if (kind <= 17) {  // a key on a bar steps it, wherever the pointer is
      const int channel = int(field) % 3, key = Uniform(0, 7), pointer = Uniform(40, 180);
      const Qt::Key keys[] = {Qt::Key_Right,    Qt::Key_Left,   Qt::Key_Down, Qt::Key_Up,
                              Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_End,  Qt::Key_Home};
      if (expected) {
        int& value = (*expected)[channel];
        value = key == 6 ? 255 : key == 7 ? 0 : std::clamp(value + (key % 2 ? -1 : 1), 0, 255);
      }
      return [=](FormTest& t) { t.Do({PointerAt(pointer), Press(Bar(channel), keys[key])}); };
    }
    if (kind == 18) return expected = Colour{0, 0, 0}, ClickClear();
    if (kind == 19) return ClickCopy();
    const int32_t pixel = Uniform(1, 20) == 1 ? -1 : Uniform(0, 0xFFFFFF);
    if (pixel >= 0) expected = Colour{pixel & 255, pixel >> 8 & 255, pixel >> 16};
    return Pick(pixel);
  }

  // The expected colour in every view, or else the colour the fields and the hex text show.
  void ExpectIdleAndInStep() {
    ASSERT_EQ(std::pair(int(form().TextBusy), int(form().PickArmed)), std::pair(0, 0));
    Views shown = Shown();
    const auto red = NumberInDecimalField(shown.red.c_str()),
               green = NumberInDecimalField(shown.green.c_str()),
               blue = NumberInDecimalField(shown.blue.c_str());
    // A field empty or not a number shows no colour.
    ASSERT_TRUE((red && green && blue) || !expected) << testing::PrintToString(shown);
    if (!red || !green || !blue) return;
    if (!expected && !ColourOfHexText(shown.hex.c_str())) return;
    const Colour colour{*red, *green, *blue}, want = expected.value_or(colour);
    ASSERT_EQ(colour, want) << testing::PrintToString(shown);  // blanks or a sign may stay
    Views wanted = InStep(want[0], want[1], want[2]);
    std::tie(wanted.red, wanted.green, wanted.blue) = std::tie(shown.red, shown.green, shown.blue);
    shown.hex = QString(shown.hex.c_str()).toUpper().toStdString();  // lower case stays as pasted
    ASSERT_EQ(shown, wanted);
  }
};

TEST_F(RandomActionsTest, EveryViewShowsTheColourTheActionsProduceThroughThousandsOfThem) {
  const uint32_t seed = qEnvironmentVariable("KOLWE_RANDOM_SEED", "19991110").toUInt();
  const unsigned long count = qEnvironmentVariable("KOLWE_RANDOM_ACTIONS", "3000").toULong();
  rng.seed(seed);
  Do({Paste(Hex, "010101")});  // every field has taken a value once
  expected = Colour{1, 1, 1};
  for (unsigned long i = 0; i < count && !HasFailure(); ++i) {
    SCOPED_TRACE(testing::Message() << "KOLWE_RANDOM_SEED=" << seed << ", action " << i);
    Do({Act()});
    ExpectIdleAndInStep();
  }
}

}  // namespace
