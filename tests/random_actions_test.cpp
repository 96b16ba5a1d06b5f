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
#include "toolkit/runtime_error.h"

namespace {

// What the fields must refuse: letters, signs, blanks ("_"), controls, full-width and other
// scripts; "\x08" is Backspace.
const QString kDigits = "0123456789", kHex = kDigits + "abcdefABCDEF",
              kOthers = QStringLiteral("gGzZ-+.,_&HhxX!\x01\x08\x1b\x7f１２Ａあ中é٣");
const QRegularExpression kHexColour("^[0-9a-fA-F]{6}$");
using Colour = std::array<int, 3>;

class RandomActionsTest : public FormTest {
 protected:
  std::mt19937 rng;
  std::optional<Colour> expected;  // none where the actions do not tell the colour

  int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); }
  QString Pick(const QString& pool, int count = 1) {
    QString text;
    while (count-- > 0) text += pool.at(Uniform(0, int(pool.size()) - 1));
    return text;
  }

  // An edit that puts inserted in place of the field's selection: a decimal number in 0..255
  // sets its channel and another number leaves it, six hex digits are the colour, and any
  // other text shows none.
  void Expect(toolkit::TextBox& field, int channel, QString inserted, bool over_all) try {
    const QString before = QString::fromStdU16String(field.Text());
    inserted = inserted.replace('_', ' ').replace('~', '\n').section('\n', 0, 0);
    const QString text =
        over_all ? inserted
                 : QString(before).replace(field.SelStart(), field.SelLength(), inserted);
    if (text == before) return;
    if (channel == 3) {
      expected.reset();
      const auto hex = [&text](int at) { return text.mid(at, 2).toInt(nullptr, 16); };
      if (kHexColour.match(text).hasMatch()) expected = Colour{hex(0), hex(2), hex(4)};
    } else if (const int value = toolkit::CInt(text.toStdU16String()); value >= 0 && value < 256) {
      if (expected) (*expected)[channel] = value;
    }
  } catch (const toolkit::RuntimeError&) {
    expected.reset();  // no number: the field keeps its text, and no colour is shown
  }

  // One action as a step of a script, with what it makes of the colour.
  std::string Act() {
    const int channel = Uniform(0, 3), kind = Uniform(1, 20);
    toolkit::TextBox* fields[] = {&form().TxtR, &form().TxtG, &form().TxtB, &form().Txt16};
    toolkit::TextBox& field = *fields[channel];
    const std::string name(1, "RGBH"[channel]);
    if (kind <= 14) field.Widget()->setFocus(Qt::TabFocusReason);  // which may select all
    const int length = int(field.Text().size()), start = Uniform(0, length);
    if (kind <= 8) {  // a character; a digit that fits the field edits it
      const QString c = Pick(kind <= 4 ? kDigits : kind <= 6 ? kHex : kOthers);
      const int limit = channel < 3 ? 3 : 6;
      const bool fits = length < limit || (length == limit && field.SelLength() > 0);
      if (c == "\x08") expected.reset();
      if ((channel < 3 ? kDigits : kHex).contains(c) && fits) Expect(field, channel, c, false);
      return name + "+" + c.toStdString();
    }
    if (kind <= 10)
      return name + "@" + std::to_string(start) + "," + std::to_string(Uniform(0, length - start));
    // Mostly a number, perhaps with blanks, a sign or a line end, or six hex digits.
    if (kind <= 14) {
      QString text =
          kind <= 12 ? Pick("_+-", Uniform(0, 1)) + Pick(kDigits, Uniform(1, 5)) : Pick(kHex, 6);
      text = kind == 14 && Uniform(0, 1) ? Pick(kHex + kOthers + "~", Uniform(0, 12))
                                         : text + Pick("_~", Uniform(0, 1));
      const bool over_all = Uniform(0, 1);
      Expect(field, channel, text, over_all);
      return name + (over_all ? "=" : ":") + text.toStdString();
    }
    if (kind <= 17) {  // a key on a bar steps it, wherever the pointer is
      const int key = Uniform(0, 7), value = std::array{&form().HSclRed, &form().HSclGreen,
                                                        &form().HSclBlue}[channel % 3]
                                                 ->Value();
      const int after = key == 6 ? 255 : key == 7 ? 0 : value + (key % 2 ? -1 : 1);
      if (expected) (*expected)[channel % 3] = std::clamp(after, 0, 255);
      return "p" + std::to_string(Uniform(40, 180)) + " " + "rgb"[channel % 3] + "><v^}{]["[key];
    }
    const int32_t pixel = Uniform(1, 20) == 1 ? -1 : Uniform(0, 0xFFFFFF);
    if (kind == 18 || (kind == 20 && pixel >= 0))
      expected = kind == 18 ? Colour{0, 0, 0} : Colour{pixel & 255, pixel >> 8 & 255, pixel >> 16};
    return kind == 18 ? "clear" : kind == 19 ? "copy" : "x" + std::to_string(pixel) + " get *1";
  }

  // The expected colour in every view, or else the colour the fields and the hex text show.
  void ExpectIdleAndInStep() {
    Frmkolwe& f = form();
    ASSERT_EQ(std::pair(int(f.TextBusy), int(f.PickArmed)), std::pair(0, 0));
    Views shown = Shown();
    Colour colour;
    try {
      colour = {toolkit::CInt(f.TxtR.Text()), toolkit::CInt(f.TxtG.Text()),
                toolkit::CInt(f.TxtB.Text())};
    } catch (const toolkit::RuntimeError&) {
      ASSERT_FALSE(expected) << testing::PrintToString(shown);
      return;  // a field empty or not a number shows no colour
    }
    std::string& hex = std::get<3>(shown);
    if (!expected && !kHexColour.match(QString::fromStdString(hex)).hasMatch()) return;
    const Colour want = expected.value_or(colour);
    Views wanted = InStep(want[0], want[1], want[2]);
    ASSERT_EQ(colour, want) << testing::PrintToString(shown);  // blanks or a sign may stay
    std::tie(std::get<0>(wanted), std::get<1>(wanted), std::get<2>(wanted)) =
        std::tie(std::get<0>(shown), std::get<1>(shown), std::get<2>(shown));
    hex = QString::fromStdString(hex).toUpper().toStdString();  // lower case stays as pasted
    ASSERT_EQ(shown, wanted);
  }
};

TEST_F(RandomActionsTest, EveryViewShowsTheColourTheActionsProduceThroughThousandsOfThem) {
  const uint32_t seed = qEnvironmentVariable("KOLWE_RANDOM_SEED", "19991110").toUInt();
  const unsigned long count = qEnvironmentVariable("KOLWE_RANDOM_ACTIONS", "3000").toULong();
  rng.seed(seed);
  Do("H=010101");  // every field has taken a value once
  expected = Colour{1, 1, 1};
  for (unsigned long i = 0; i < count && !HasFailure(); ++i) {
    const std::string step = Act();
    SCOPED_TRACE(testing::Message()
                 << "KOLWE_RANDOM_SEED=" << seed << ", action " << i << ": " << step);
    Do(step);
    ExpectIdleAndInStep();
  }
}

}  // namespace
