// The test bench, and the one QApplication every offscreen suite runs in with the program's look.
#include "tests/support/form_fixture.h"

#include <QClipboard>
#include <algorithm>
#include <sstream>

#include "toolkit/runtime.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  toolkit::InstallRuntimeLook();
  // An error that reaches a handler's boundary is a fault in any test that does not expect it.
  toolkit::SetErrorObserver([](const std::string& handler, const std::string& error) {
    ADD_FAILURE() << "untrapped error in " << handler << ": " << error;
  });
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

std::string Utf8(const Text& text) { return QString::fromStdU16String(text).toStdString(); }

Views InStep(int red, int green, int blue) {
  const std::string hex = QString::asprintf("%02X%02X%02X", red, green, blue).toStdString();
  return std::tuple_cat(
      std::tuple(std::to_string(red), std::to_string(green), std::to_string(blue)),
      std::tuple(hex, red, green, blue, toolkit::Rgb(red, green, blue), true));
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

void FormTest::ExpectRows(const std::vector<std::pair<QString, Views>>& rows) {
  for (const auto& [script, views] : rows) {
    SetUp();
    Do(script.toStdString());
    EXPECT_EQ(Shown(), views) << script.toStdString();
  }
}

void FormTest::Do(const std::string& script) {
  static const std::string kBarKeys = "><v^}{][";
  static const Qt::Key kKeys[] = {Qt::Key_Right,    Qt::Key_Left,   Qt::Key_Down, Qt::Key_Up,
                                  Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_End,  Qt::Key_Home};
  std::istringstream steps(script);
  for (std::string step; steps >> step;) {
    Frmkolwe& f = *form_;  // a new one after "dpi"
    toolkit::TextBox* fields[] = {&f.TxtR, &f.TxtG, &f.TxtB, &f.Txt16};
    QWidget* bars[] = {f.HSclRed.Widget(), f.HSclGreen.Widget(), f.HSclBlue.Widget()};
    QString arg = QString::fromStdString(step.substr(2)).replace('_', ' ').replace('~', "\r\n");
    const int number = std::atoi(step.c_str() + 1);
    toolkit::TextBox& field = *fields[std::string("RGBH").find(step[0]) % 4];
    QWidget* bar = bars[std::string("rgb").find(step[0]) % 3];
    if (step == "clear" || step == "copy" || step == "get") {
      QWidget* buttons[] = {f.CmdClear1.Widget(), f.CmdClip.Widget(), f.CmdGet.Widget()};
      ClickAt(buttons[step == "clear" ? 0 : step == "copy" ? 1 : 2], QPoint(20, 12));
    } else if (step.rfind("dpi", 0) == 0) {
      toolkit::SetDotsPerInch(std::atoi(step.c_str() + 3));
      SetUp();
      toolkit::SetDotsPerInch(toolkit::kDesignDotsPerInch);
    } else if (step[0] == 'p' || step[0] == 'x' || step[0] == '*') {
      if (step[0] == 'p') mouse.cursor = {number, 0};
      if (step[0] == 'x') mouse.pixel = number;
      if (step[0] == '*') ClickAt(f.Form.Client(), QPoint(230, 145), Qt::MouseButton(number));
    } else if (step[1] == '=' || step[1] == ':') {
      Paste(field, arg, step[1] == '=');
    } else if (step[1] == '+') {
      TypeChars(field, arg);
    } else if (step[1] == '@') {
      SelectChars(field, arg.section(',', 0, 0).toInt(), arg.section(',', 1).toInt());
    } else if (step[1] == '(' || step[1] == ')') {
      ClickAt(bar, QPoint(step[1] == '(' ? 5 : bar->width() - 5, 8));
    } else if (step[1] == '#') {
      mouse.cursor = {std::atoi(step.c_str() + 2), bar->y() + 8};
      ClickAt(bar, QPoint(mouse.cursor.x - bar->x(), 8));
    } else {
      bar->setFocus(Qt::TabFocusReason);
      Key(bar, kKeys[kBarKeys.find(step[1])]);
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
