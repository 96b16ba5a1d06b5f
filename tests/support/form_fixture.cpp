#include "tests/support/form_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMainWindow>
#include <QScrollBar>
#include <QTest>
#include <ostream>

#include "toolkit/events.h"

int32_t FakeMlmouse::Log(const char* name, std::initializer_list<int32_t> args, int32_t result) {
  std::string call = name;
  const char* separator = "(";
  for (int32_t arg : args) {
    call += separator + std::to_string(arg);
    separator = ",";
  }
  calls.push_back(args.size() ? call + ")" : call);
  return result;
}

bool Views::operator==(const Views& o) const {
  return red == o.red && green == o.green && blue == o.blue && hex == o.hex &&
         bar_red == o.bar_red && bar_green == o.bar_green && bar_blue == o.bar_blue &&
         swatch == o.swatch && copy_enabled == o.copy_enabled;
}

std::ostream& operator<<(std::ostream& out, const Views& v) {
  return out << "fields \"" << v.red << "\" \"" << v.green << "\" \"" << v.blue << "\" hex \""
             << v.hex << "\" bars " << v.bar_red << "/" << v.bar_green << "/" << v.bar_blue
             << " swatch " << v.swatch << " copy " << (v.copy_enabled ? "on" : "off");
}

std::string Utf8(const Text& text) {
  return QString::fromUtf16(text.data(), qsizetype(text.size())).toStdString();
}

Views InStep(int red, int green, int blue) {
  const std::string hex = QString::asprintf("%02X%02X%02X", red, green, blue).toStdString();
  const std::string r = std::to_string(red), g = std::to_string(green), b = std::to_string(blue);
  return {r, g, b, hex, red, green, blue, toolkit::Rgb(red, green, blue), true};
}

void FormTest::SetUp() {
  form_ = std::make_unique<Frmkolwe>(FormServices{mouse, message_box, clipboard, end});
  form_->Start();
  QApplication::setActiveWindow(form_->Form.Window());
  ASSERT_TRUE(QTest::qWaitForWindowActive(form_->Form.Window()));
}

void FormTest::TearDown() {
  toolkit::SetDispatchObserver(nullptr);
  form_.reset();
}

Views FormTest::Shown() {
  Frmkolwe& f = *form_;
  return {Utf8(f.TxtR.Text()),  Utf8(f.TxtG.Text()),    Utf8(f.TxtB.Text()),
          Utf8(f.Txt16.Text()), f.HSclRed.Value(),      f.HSclGreen.Value(),
          f.HSclBlue.Value(),   f.LblColor.BackColor(), f.CmdClip.Enabled()};
}

void FormTest::Type(toolkit::TextBox& field, const QString& keys) {
  QTest::keyClicks(field.Widget(), keys);
}

void FormTest::Key(QWidget* widget, int key, Qt::KeyboardModifiers modifiers) {
  QTest::keyClick(widget, Qt::Key(key), modifiers);
}

void FormTest::Tab(Qt::KeyboardModifiers modifiers) {
  QWidget* focused = Focused();
  QTest::keyClick(focused ? focused : form_->Form.Window(),
                  modifiers & Qt::ShiftModifier ? Qt::Key_Backtab : Qt::Key_Tab, modifiers);
}

void FormTest::ClickAt(QWidget* widget, QPoint at, Qt::MouseButton button) {
  QTest::mouseClick(widget, button, Qt::NoModifier, at);
}

void FormTest::Click(QWidget* widget, Qt::MouseButton button) {
  QTest::mouseClick(widget, button, Qt::NoModifier, widget->rect().center());
}

void FormTest::PasteOver(toolkit::TextBox& field, const QString& text) {
  QApplication::clipboard()->setText(text);
  field.Widget()->setFocus(Qt::OtherFocusReason);
  QTest::keyClick(field.Widget(), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(field.Widget(), Qt::Key_V, Qt::ControlModifier);
}

void FormTest::PasteHere(toolkit::TextBox& field, const QString& text) {
  QApplication::clipboard()->setText(text);
  QTest::keyClick(field.Widget(), Qt::Key_V, Qt::ControlModifier);
}

void FormTest::TypeChars(toolkit::TextBox& field, const QString& chars) {
  for (const QChar c : chars) {
    const char16_t unit = c.unicode();
    const bool latin = unit >= 0x20 && unit < 0x7F;
    const int key = latin ? QChar(unit).toUpper().unicode() : int(Qt::Key_unknown);
    QTest::sendKeyEvent(QTest::Click, field.Widget(), Qt::Key(key), QString(c), Qt::NoModifier);
  }
}

void FormTest::SelectChars(toolkit::TextBox& field, int start, int length) {
  QTest::keyClick(field.Widget(), Qt::Key_Home);
  for (int i = 0; i < start; ++i) QTest::keyClick(field.Widget(), Qt::Key_Right);
  for (int i = 0; i < length; ++i) {
    QTest::keyClick(field.Widget(), Qt::Key_Right, Qt::ShiftModifier);
  }
}

QWidget* FormTest::Focused() const { return QApplication::focusWidget(); }

std::vector<std::string>& FormTest::TraceHandlers() {
  trace_.clear();
  toolkit::SetDispatchObserver([this](const std::string& handler, int depth) {
    trace_.push_back(handler + "@" + std::to_string(depth));
  });
  return trace_;
}
