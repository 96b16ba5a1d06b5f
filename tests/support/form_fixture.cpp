#include "tests/support/form_fixture.h"

#include <QClipboard>
#include <algorithm>
#include <ostream>
#include <sstream>

std::ostream& operator<<(std::ostream& out, const Views& v) {
  return out << "fields \"" << v.red << "\" \"" << v.green << "\" \"" << v.blue << "\" hex \""
             << v.hex << "\" bars " << v.bar_red << "/" << v.bar_green << "/" << v.bar_blue
             << " swatch " << v.swatch << " copy " << (v.copy_enabled ? "on" : "off");
}

std::string Utf8(const Text& text) { return QString::fromStdU16String(text).toStdString(); }

Views InStep(int red, int green, int blue) {
  const std::string hex = QString::asprintf("%02X%02X%02X", red, green, blue).toStdString();
  const std::string r = std::to_string(red), g = std::to_string(green), b = std::to_string(blue);
  return {r, g, b, hex, red, green, blue, toolkit::Rgb(red, green, blue), true};
}

Views Incomplete(const std::string& hex, int red, int green, int blue) {
  return {"", "", "", hex, red, green, blue, toolkit::Rgb(red, green, blue), false};
}

void FormTest::SetUp() {
  form_.reset();
  form_ = std::make_unique<Frmkolwe>(FormServices{mouse, services, services, services});
  form_->Start();
  QApplication::setActiveWindow(form_->Form.Window());
  ASSERT_TRUE(QTest::qWaitForWindowActive(form_->Form.Window()));
  toolkit::SetDispatchObserver([this](const std::string& handler, int depth) {
    if (depth == 0) raised.push_back(handler);
  });
}

Views FormTest::Shown() {
  Frmkolwe& f = *form_;
  return {Utf8(f.TxtR.Text()),  Utf8(f.TxtG.Text()),    Utf8(f.TxtB.Text()),
          Utf8(f.Txt16.Text()), f.HSclRed.Value(),      f.HSclGreen.Value(),
          f.HSclBlue.Value(),   f.LblColor.BackColor(), f.CmdClip.Enabled()};
}

int FormTest::Raised(const std::string& handler) {
  const int count = int(std::count(raised.begin(), raised.end(), handler));
  raised.clear();
  return count;
}

void FormTest::Do(const std::string& script) {
  Frmkolwe& f = *form_;
  toolkit::TextBox* fields[] = {&f.TxtR, &f.TxtG, &f.TxtB, &f.Txt16};
  std::istringstream steps(script);
  for (std::string step; steps >> step;) {
    QString arg = QString::fromStdString(step.substr(2)).replace('_', ' ').replace('~', "\r\n");
    toolkit::TextBox& field = *fields[std::string("RGBH").find(step[0]) % 4];
    if (step[0] == 'p') mouse.cursor = {std::stoi(step.substr(1)), 0};
    if (step == "clear" || step == "copy" || step == "get") {
      Click((step == "clear" ? f.CmdClear1 : step == "copy" ? f.CmdClip : f.CmdGet).Widget());
    } else if (step[1] == '=' || step[1] == ':') {
      Paste(field, arg, step[1] == '=');
    } else if (step[1] == '+') {
      TypeChars(field, arg);
    } else if (step[1] == '@') {
      SelectChars(field, arg.section(',', 0, 0).toInt(), arg.section(',', 1).toInt());
    }
  }
}

void FormTest::Paste(toolkit::TextBox& field, const QString& text, bool over_all) {
  field.Widget()->setFocus(Qt::OtherFocusReason);
  if (over_all) Key(field.Widget(), Qt::Key_A, Qt::ControlModifier);
  QApplication::clipboard()->setText(text);
  Key(field.Widget(), Qt::Key_V, Qt::ControlModifier);
}

void FormTest::TypeChars(toolkit::TextBox& field, const QString& chars) {
  for (const QChar c : chars) {
    const bool latin = c.unicode() >= 0x20 && c.unicode() < 0x7F;
    const int key = c == '\b' ? int(Qt::Key_Backspace) : latin ? c.toUpper().unicode() : -1;
    QTest::sendKeyEvent(QTest::Click, field.Widget(), Qt::Key(key < 0 ? Qt::Key_unknown : key),
                        QString(c), Qt::NoModifier);
  }
}

void FormTest::SelectChars(toolkit::TextBox& field, int start, int length) {
  Key(field.Widget(), Qt::Key_Home);
  for (int i = 0; i < start; ++i) Key(field.Widget(), Qt::Key_Right);
  for (int i = 0; i < length; ++i) Key(field.Widget(), Qt::Key_Right, Qt::ShiftModifier);
}
