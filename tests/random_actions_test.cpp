// Thousands of user actions drawn from a fixed seed: typing any character, pasting any text,
// bar steps with the pointer anywhere, clicks, clear, copy and pick. After every action the
// window must be idle, and whenever the hex field holds a colour and every decimal field a
// number, all four views must show that one colour.
//   KOLWE_RANDOM_ACTIONS  how many actions (default 3000)
//   KOLWE_RANDOM_SEED     the seed (default below)
#include <QTest>
#include <cstdlib>
#include <deque>
#include <functional>
#include <random>
#include <sstream>

#include "tests/support/form_fixture.h"
#include "toolkit/runtime_error.h"

namespace {

constexpr uint32_t kDefaultSeed = 19991110;
constexpr unsigned long kDefaultActions = 3000;
constexpr size_t kRecentActionsShown = 12;

unsigned long FromEnvironment(const char* name, unsigned long fallback) {
  const char* value = std::getenv(name);
  return value && *value ? std::strtoul(value, nullptr, 10) : fallback;
}

// Characters a user might produce: mostly what the fields take, plus everything they must
// refuse (signs, blanks, separators, controls, full-width and other scripts).
const QString kDigits = "0123456789";
const QString kHexLetters = "abcdefABCDEF";
const QString kOthers = QStringLiteral("gGzZ-+., &HhxX!\x01\x08\x1b\x7f１２Ａあ中é٣");

class RandomActionsTest : public FormTest {
 protected:
  std::mt19937 rng;

  int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); }
  bool Chance(int percent) { return Uniform(1, 100) <= percent; }
  QChar Pick(const QString& pool) { return pool.at(Uniform(0, int(pool.size()) - 1)); }

  QChar AnyCharacter() {
    const int kind = Uniform(1, 10);
    if (kind <= 5) return Pick(kDigits);
    if (kind <= 7) return Pick(kHexLetters);
    return Pick(kOthers);
  }

  QString Repeated(int length, const std::function<QChar()>& next) {
    QString text;
    for (int i = 0; i < length; ++i) text += next();
    return text;
  }

  // Mostly texts that come close to what a field takes: numbers with blanks and signs, six
  // hexadecimal digits; otherwise any mix, now and then a long one.
  QString AnyText() {
    const int kind = Uniform(1, 10);
    if (kind <= 4) {
      const QString blank = Chance(20) ? " " : "";
      const QString sign = Chance(25) ? QString(Pick("+-")) : "";
      return blank + sign + Repeated(Uniform(1, 5), [&] { return Pick(kDigits); }) + blank;
    }
    if (kind <= 6) return Repeated(6, [&] { return Pick(kDigits + kHexLetters); });
    return Repeated(Chance(20) ? Uniform(7, 40) : Uniform(0, 7), [&] { return AnyCharacter(); });
  }

  toolkit::TextBox& AnyField() {
    toolkit::TextBox* fields[] = {&form().TxtR, &form().TxtG, &form().TxtB, &form().Txt16};
    return *fields[Uniform(0, 3)];
  }

  toolkit::TextBox& FocusedField() {
    toolkit::TextBox& field = AnyField();
    if (Focused() != field.Widget()) field.Widget()->setFocus(Qt::TabFocusReason);
    return field;
  }

  static std::string Quoted(const QString& text) {
    std::ostringstream out;
    out << '"';
    for (const QChar c : text) {
      if (c.unicode() < 0x20 || c.unicode() == 0x7F) {
        out << "\\x" << std::hex << int(c.unicode()) << std::dec;
      } else {
        out << QString(c).toStdString();
      }
    }
    return out.str() + '"';
  }

  static std::string Name(const toolkit::TextBox& field, const Frmkolwe& f) {
    if (&field == &f.TxtR) return "TxtR";
    if (&field == &f.TxtG) return "TxtG";
    if (&field == &f.TxtB) return "TxtB";
    return "Txt16";
  }

  // Applies one action drawn at random and says what it was.
  std::string Act() {
    Frmkolwe& f = form();
    const int kind = Uniform(1, 100);
    if (kind <= 35) {
      toolkit::TextBox& field = FocusedField();
      const QString c = AnyCharacter();
      TypeChars(field, c);
      return "type " + Quoted(c) + " into " + Name(field, f);
    }
    if (kind <= 45) {
      toolkit::TextBox& field = FocusedField();
      const Qt::Key keys[] = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home,
                              Qt::Key_End,       Qt::Key_Left,   Qt::Key_Right};
      const Qt::Key key = keys[Uniform(0, 5)];
      const bool shift = Chance(30);
      Key(field.Widget(), key, shift ? Qt::ShiftModifier : Qt::NoModifier);
      return "key " + std::to_string(key) + (shift ? " with shift" : "") + " in " + Name(field, f);
    }
    if (kind <= 60) {
      toolkit::TextBox& field = FocusedField();
      const int length = int(field.Text().size());
      const int where = Uniform(0, 2);
      const int start = Uniform(0, length);
      if (where == 0) Key(field.Widget(), Qt::Key_A, Qt::ControlModifier);
      if (where == 1) SelectChars(field, start, Uniform(0, length - start));
      const QString text = AnyText();
      PasteHere(field, text);
      return "paste " + Quoted(text) + " into " + Name(field, f) +
             (where == 0   ? " over all"
              : where == 1 ? " from " + std::to_string(start)
                           : "");
    }
    if (kind <= 75) {
      QWidget* bars[] = {f.HSclRed.Widget(), f.HSclGreen.Widget(), f.HSclBlue.Widget()};
      const int bar = Uniform(0, 2);
      const Qt::Key keys[] = {Qt::Key_Left, Qt::Key_Right,  Qt::Key_Home,
                              Qt::Key_End,  Qt::Key_PageUp, Qt::Key_PageDown};
      const Qt::Key key = keys[Uniform(0, 5)];
      PointerAt(Uniform(40, 180), Uniform(-20, 170));
      bars[bar]->setFocus(Qt::TabFocusReason);
      Key(bars[bar], key);
      return "bar " + std::to_string(bar) + " key " + std::to_string(key) + " pointer at " +
             std::to_string(mouse.cursor.x);
    }
    if (kind <= 85) {
      toolkit::TextBox& field = AnyField();
      QWidget* widget = field.Widget();
      const int x = Uniform(1, widget->width() - 2);
      ClickAt(widget, QPoint(x, widget->height() / 2));
      return "click " + Name(field, f) + " at " + std::to_string(x);
    }
    if (kind <= 89) {
      Click(f.CmdClear1.Widget());
      return "clear";
    }
    if (kind <= 94) {
      const bool enabled = f.CmdClip.Enabled();
      const int writes = clipboard.writes;
      Click(f.CmdClip.Widget());
      EXPECT_EQ(clipboard.writes, writes + (enabled ? 1 : 0));
      if (enabled) {
        EXPECT_EQ(clipboard.text, f.Txt16.Text());
      }
      return "copy";
    }
    mouse.pixel = Chance(5) ? -1 : Uniform(0, 0xFFFFFF);
    mouse.cursor = {Uniform(-100, 2000), Uniform(-100, 1200)};
    Click(f.CmdGet.Widget());
    QTest::mousePress(f.Form.Client(), Qt::LeftButton, Qt::NoModifier, QPoint(230, 145));
    QTest::mouseRelease(f.Form.Client(), Qt::LeftButton, Qt::NoModifier, QPoint(230, 145));
    return "pick " + std::to_string(mouse.pixel);
  }

  // What is wrong with the window now, or nothing.
  std::string Trouble() {
    Frmkolwe& f = form();
    if (f.TextBusy != 0) return "TextBusy is " + std::to_string(f.TextBusy);
    if (f.PickArmed != 0 || !f.CmdGet.Enabled()) return "the pick is still armed";
    const QString hex = QString::fromStdString(Utf8(f.Txt16.Text()));
    bool is_hex = hex.size() == 6;
    for (const QChar c : hex) is_hex = is_hex && QString("0123456789abcdefABCDEF").contains(c);
    if (!is_hex) return "";
    int values[3];
    toolkit::TextBox* fields[] = {&f.TxtR, &f.TxtG, &f.TxtB};
    for (int i = 0; i < 3; ++i) {
      try {
        values[i] = toolkit::CInt(fields[i]->Text());  // blanks or a sign may stay in a field
      } catch (const toolkit::RuntimeError&) {
        return "";  // a field empty or not a number shows no colour
      }
    }
    Views expected = InStep(values[0], values[1], values[2]);
    Views shown = Shown();
    shown.red = expected.red, shown.green = expected.green, shown.blue = expected.blue;
    // A lower-case text naming the colour already shown stays as typed: no decimal field
    // changes, so nothing rewrites it.
    shown.hex = hex.toUpper().toStdString();
    if (shown == expected) return "";
    std::ostringstream out;
    out << "views disagree: " << Shown();
    return out.str();
  }
};

TEST_F(RandomActionsTest, EveryViewStaysInStepThroughThousandsOfUserActions) {
  const auto seed = static_cast<uint32_t>(FromEnvironment("KOLWE_RANDOM_SEED", kDefaultSeed));
  const unsigned long count = FromEnvironment("KOLWE_RANDOM_ACTIONS", kDefaultActions);
  rng.seed(seed);
  std::deque<std::string> recent;
  for (unsigned long i = 0; i < count; ++i) {
    recent.push_back(std::to_string(i) + ": " + Act());
    if (recent.size() > kRecentActionsShown) recent.pop_front();
    const std::string trouble = Trouble();
    if (!trouble.empty()) {
      std::string history;
      for (const std::string& action : recent) history += "  " + action + "\n";
      FAIL() << "KOLWE_RANDOM_SEED=" << seed << ", action " << i << ": " << trouble
             << "\nlast actions:\n"
             << history;
    }
    if (HasFailure()) FAIL() << "KOLWE_RANDOM_SEED=" << seed << ", action " << i;
  }
}

}  // namespace
