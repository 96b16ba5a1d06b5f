// Thousands of user actions drawn from a fixed seed: typing any character, pasting any text,
// bar steps with the pointer anywhere, clicks, clear, copy and pick. After every action the
// window must be idle, and its views must show the colour the action produces wherever that
// follows from the action alone, and else at least one colour.
//   KOLWE_RANDOM_ACTIONS  how many actions (default 3000)
//   KOLWE_RANDOM_SEED     the seed (default 19991110)
#include <QRegularExpression>
#include <array>
#include <optional>
#include <random>

#include "tests/support/form_fixture.h"
#include "toolkit/runtime_error.h"

namespace {

const QString kDigits = "0123456789", kHex = "0123456789abcdefABCDEF";
// What the fields must refuse: letters, signs, blanks, controls, full-width and other scripts.
const QString kOthers = QStringLiteral("gGzZ-+., &HhxX!\x01\x08\x1b\x7f１２Ａあ中é٣");
constexpr Qt::Key kKeys[] = {Qt::Key_Home,   Qt::Key_End,      Qt::Key_Left,      Qt::Key_Right,
                             Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Backspace, Qt::Key_Delete};
const QRegularExpression kHexColour("^[0-9a-fA-F]{6}$"), kLineEnd("[\r\n]");

using Colour = std::array<int, 3>;

class RandomActionsTest : public FormTest {
 protected:
  std::mt19937 rng;
  std::optional<Colour> expected;  // none where the actions alone do not tell the colour

  int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); }
  QString Pick(const QString& pool, int count = 1) {
    QString text;
    while (count-- > 0) text += pool.at(Uniform(0, int(pool.size()) - 1));
    return text;
  }
  QString AnyCharacter() {
    const int kind = Uniform(1, 10);
    return Pick(kind <= 5 ? kDigits : kind <= 7 ? kHex : kOthers);
  }
  // Mostly a number with blanks, a sign or a line end, or six hex digits; else any mix.
  QString AnyText() {
    const int kind = Uniform(1, 10);
    if (kind > 6) return Pick(kDigits + kHex + kOthers, Uniform(0, Uniform(7, 40)));
    const QString text =
        kind <= 4 ? Pick(" +-", Uniform(0, 1)) + Pick(kDigits, Uniform(1, 5)) : Pick(kHex, 6);
    return text + QStringList{"", " ", "\n", "\r\n2"}.at(Uniform(0, 3));
  }
  toolkit::TextBox& Field(int channel) {
    toolkit::TextBox* fields[] = {&form().TxtR, &form().TxtG, &form().TxtB, &form().Txt16};
    return *fields[channel];
  }
  toolkit::ScrollBar& Bar(int channel) {
    toolkit::ScrollBar* bars[] = {&form().HSclRed, &form().HSclGreen, &form().HSclBlue};
    return *bars[channel];
  }

  // What an edit putting inserted in place of the field's selection makes of the colour: a
  // decimal number in 0..255 sets its channel, another number leaves it, six hex digits are
  // the colour, and anything else shows none.
  void Expect(int channel, const QString& inserted) try {
    const QString before = QString::fromStdU16String(Field(channel).Text());
    const QString text = QString(before).replace(
        Field(channel).SelStart(), Field(channel).SelLength(), inserted.section(kLineEnd, 0, 0));
    if (text == before) return;
    if (channel == 3) {
      expected.reset();
      const auto hex = [&text](int at) { return text.mid(at, 2).toInt(nullptr, 16); };
      if (kHexColour.match(text).hasMatch()) expected = Colour{hex(0), hex(2), hex(4)};
    } else if (const int value = toolkit::CInt(text.toStdU16String()); value >= 0 && value <= 255) {
      if (expected) (*expected)[channel] = value;
    }
  } catch (const toolkit::RuntimeError&) {
    expected.reset();  // no number: the field keeps its text, and no colour is shown
  }

  void Act() {
    const int channel = Uniform(0, 3), kind = Uniform(1, 100);
    toolkit::TextBox& field = Field(channel);
    QWidget* widget = field.Widget();
    const Qt::Key key = kKeys[Uniform(0, 7)];
    if (kind <= 60 && QApplication::focusWidget() != widget) widget->setFocus(Qt::TabFocusReason);
    if (kind <= 35) {  // a character typed: a digit that fits the field edits it
      const QString c = AnyCharacter();
      const size_t limit = channel < 3 ? 3 : 6, size = field.Text().size();
      const bool full = size > limit || (size == limit && !field.SelLength());
      if (c == "\b") expected.reset();
      if ((channel < 3 ? kDigits : kHex).contains(c) && !full) Expect(channel, c);
      TypeChars(field, c);
    } else if (kind <= 45) {
      if (key == Qt::Key_Backspace || key == Qt::Key_Delete) expected.reset();
      Key(widget, key, Uniform(1, 3) == 1 ? Qt::ShiftModifier : Qt::NoModifier);
    } else if (kind <= 60) {  // a paste over all, over a selection, or at the caret
      const int where = Uniform(0, 2), start = Uniform(0, int(field.Text().size()));
      if (where == 0) Key(widget, Qt::Key_A, Qt::ControlModifier);
      if (where == 1) SelectChars(field, start, Uniform(0, int(field.Text().size()) - start));
      const QString text = AnyText();
      Expect(channel, text);
      Paste(field, text, false);
    } else if (kind <= 75) {  // a key on a bar steps it, wherever the pointer is
      toolkit::ScrollBar& bar = Bar(channel % 3);
      const bool up = key == Qt::Key_Right || key == Qt::Key_PageDown;
      const bool down = key == Qt::Key_Left || key == Qt::Key_PageUp;
      const int after = key == Qt::Key_Home  ? 0
                        : key == Qt::Key_End ? 255
                                             : bar.Value() + up - down;
      if (expected) (*expected)[channel % 3] = std::clamp(after, 0, 255);
      mouse.cursor = {Uniform(40, 180), Uniform(-20, 170)};
      bar.Widget()->setFocus(Qt::TabFocusReason);
      Key(bar.Widget(), key);
    } else if (kind <= 85) {
      ClickAt(widget, QPoint(Uniform(1, widget->width() - 2), widget->height() / 2));
    } else if (kind <= 94) {
      Do(kind <= 89 ? "clear" : "copy");
      if (kind <= 89) expected = Colour{0, 0, 0};
    } else {
      mouse.pixel = Uniform(1, 20) == 1 ? -1 : Uniform(0, 0xFFFFFF);
      mouse.cursor = {Uniform(-100, 2000), Uniform(-100, 1200)};
      Do("get");
      ClickAt(form().Form.Client(), QPoint(230, 145));
      const int32_t c = mouse.pixel;
      if (c >= 0) expected = Colour{c & 255, c >> 8 & 255, c >> 16};
    }
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
    ASSERT_EQ(colour, want) << testing::PrintToString(
        shown);  // blanks or a sign may stay around a number
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
    SCOPED_TRACE(testing::Message() << "KOLWE_RANDOM_SEED=" << seed << ", action " << i);
    Act();
    ExpectIdleAndInStep();
  }
}

}  // namespace
