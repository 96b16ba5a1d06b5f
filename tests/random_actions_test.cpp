// Thousands of user actions drawn from a fixed seed: typing any character, pasting any text,
// bar steps with the pointer anywhere, clicks, clear, copy and pick. After every action the
// window must be idle and its views in step.
//   KOLWE_RANDOM_ACTIONS  how many actions (default 3000)
//   KOLWE_RANDOM_SEED     the seed (default 19991110)
#include <QRegularExpression>
#include <QTest>
#include <random>

#include "tests/support/form_fixture.h"
#include "toolkit/runtime_error.h"

namespace {

const QString kDigits = "0123456789";
const QString kHexDigits = "0123456789abcdefABCDEF";
// What the fields must refuse: letters, signs, blanks, controls, full-width and other scripts.
const QString kOthers = QStringLiteral("gGzZ-+., &HhxX!\x01\x08\x1b\x7f１２Ａあ中é٣");
constexpr Qt::Key kKeys[] = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home,   Qt::Key_End,
                             Qt::Key_Left,      Qt::Key_Right,  Qt::Key_PageUp, Qt::Key_PageDown};

class RandomActionsTest : public FormTest {
 protected:
  std::mt19937 rng;

  int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); }
  QChar Pick(const QString& pool) { return pool.at(Uniform(0, int(pool.size()) - 1)); }
  QChar AnyCharacter() {
    const int kind = Uniform(1, 10);
    return Pick(kind <= 5 ? kDigits : kind <= 7 ? kHexDigits : kOthers);
  }

  // Mostly a number with blanks or a sign, or six hex digits; else any mix, at times a long one.
  QString AnyText() {
    const int kind = Uniform(1, 10);
    const int length = kind <= 4 ? Uniform(1, 5) : kind <= 6 ? 6 : Uniform(0, Uniform(7, 40));
    QString text = kind <= 4 && Uniform(1, 4) == 1 ? QString(Pick("+-")) : "";
    for (int i = 0; i < length; ++i) {
      text += kind <= 6 ? Pick(kind <= 4 ? kDigits : kHexDigits) : AnyCharacter();
    }
    return kind <= 4 && Uniform(1, 5) == 1 ? " " + text + " " : text;
  }

  void Act() {
    Frmkolwe& f = form();
    toolkit::TextBox* fields[] = {&f.TxtR, &f.TxtG, &f.TxtB, &f.Txt16};
    toolkit::TextBox& field = *fields[Uniform(0, 3)];
    QWidget* widget = field.Widget();
    const int kind = Uniform(1, 100);
    if (kind <= 60) {  // keys and pastes in the field that has or takes the focus
      if (Focused() != widget) widget->setFocus(Qt::TabFocusReason);
      const int length = int(field.Text().size()), start = Uniform(0, length);
      if (kind <= 35) {
        TypeChars(field, AnyCharacter());
      } else if (kind <= 45) {
        Key(widget, kKeys[Uniform(0, 7)], Uniform(1, 3) == 1 ? Qt::ShiftModifier : Qt::NoModifier);
      } else {
        const int where = Uniform(0, 2);  // over all, over a selection, or at the caret
        if (where == 0) Key(widget, Qt::Key_A, Qt::ControlModifier);
        if (where == 1) SelectChars(field, start, Uniform(0, length - start));
        PasteHere(field, AnyText());
      }
    } else if (kind <= 75) {
      QWidget* bars[] = {f.HSclRed.Widget(), f.HSclGreen.Widget(), f.HSclBlue.Widget()};
      QWidget* bar = bars[Uniform(0, 2)];
      PointerAt(Uniform(40, 180), Uniform(-20, 170));
      bar->setFocus(Qt::TabFocusReason);
      Key(bar, kKeys[Uniform(0, 7)]);
    } else if (kind <= 85) {
      ClickAt(widget, QPoint(Uniform(1, widget->width() - 2), widget->height() / 2));
    } else if (kind <= 89) {
      Click(f.CmdClear1.Widget());
    } else if (kind <= 94) {
      Click(f.CmdClip.Widget());
    } else {
      mouse.pixel = Uniform(1, 20) == 1 ? -1 : Uniform(0, 0xFFFFFF);
      mouse.cursor = {Uniform(-100, 2000), Uniform(-100, 1200)};
      Click(f.CmdGet.Widget());
      QTest::mouseClick(f.Form.Client(), Qt::LeftButton, Qt::NoModifier, QPoint(230, 145));
    }
  }

  void ExpectIdleAndInStep() {
    Frmkolwe& f = form();
    ASSERT_EQ(f.TextBusy, 0);
    ASSERT_EQ(f.PickArmed, 0);
    const QString hex = QString::fromStdString(Utf8(f.Txt16.Text()));
    if (!QRegularExpression("^[0-9a-fA-F]{6}$").match(hex).hasMatch()) return;
    int red, green, blue;
    try {  // blanks or a sign may stay in a field
      red = toolkit::CInt(f.TxtR.Text()), green = toolkit::CInt(f.TxtG.Text());
      blue = toolkit::CInt(f.TxtB.Text());
    } catch (const toolkit::RuntimeError&) {
      return;  // a field empty or not a number shows no colour
    }
    const Views expected = InStep(red, green, blue);
    Views shown = Shown();
    shown.red = expected.red, shown.green = expected.green, shown.blue = expected.blue;
    shown.hex = hex.toUpper().toStdString();  // lower case stays when no decimal field changes
    ASSERT_EQ(shown, expected);
  }
};

TEST_F(RandomActionsTest, EveryViewStaysInStepThroughThousandsOfUserActions) {
  const uint32_t seed = qEnvironmentVariable("KOLWE_RANDOM_SEED", "19991110").toUInt();
  const unsigned long count = qEnvironmentVariable("KOLWE_RANDOM_ACTIONS", "3000").toULong();
  rng.seed(seed);
  for (unsigned long i = 0; i < count && !HasFailure(); ++i) {
    SCOPED_TRACE(testing::Message() << "KOLWE_RANDOM_SEED=" << seed << ", action " << i);
    Act();
    ExpectIdleAndInStep();
  }
}

}  // namespace
