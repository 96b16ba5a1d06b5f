#include "tests/support/form_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMainWindow>
#include <QScrollBar>
#include <QTest>
#include <ostream>

#include "toolkit/events.h"

namespace {
std::string Call(const char* name, std::initializer_list<int32_t> args) {
  std::string text = name;
  text += "(";
  const char* separator = "";
  for (int32_t arg : args) {
    text += separator + std::to_string(arg);
    separator = ",";
  }
  return text + ")";
}
}  // namespace

int32_t FakeMlmouse::GetCursorPos(toolkit::PointApi& point) {
  calls.push_back("GetCursorPos");
  point = cursor;
  return 1;
}
int32_t FakeMlmouse::ScreenToClient(int32_t, toolkit::PointApi&) {
  calls.push_back("ScreenToClient");
  return 1;
}
int32_t FakeMlmouse::GetDC(int32_t hwnd) {
  calls.push_back(Call("GetDC", {hwnd}));
  return 77;
}
int32_t FakeMlmouse::ReleaseDC(int32_t hwnd, int32_t hdc) {
  calls.push_back(Call("ReleaseDC", {hwnd, hdc}));
  return 1;
}
int32_t FakeMlmouse::SetCapture(int32_t) {
  calls.push_back("SetCapture");
  captured = true;
  return 1;
}
int32_t FakeMlmouse::ReleaseCapture() {
  calls.push_back("ReleaseCapture");
  captured = false;
  return 1;
}
int32_t FakeMlmouse::GetPixel(int32_t hdc, int32_t x, int32_t y) {
  calls.push_back(Call("GetPixel", {hdc, x, y}));
  return pixel;
}
int32_t FakeMlmouse::SetWindowPos(int32_t, int32_t insert_after, int32_t x, int32_t y, int32_t cx,
                                  int32_t cy, int32_t flags) {
  calls.push_back(Call("SetWindowPos", {insert_after, x, y, cx, cy, flags}));
  last_insert_after = insert_after;
  return topmost_result;
}

int16_t FakeMessageBox::MsgBox(const Text& p, int32_t s, const Text& t) {
  ++shown;
  prompt = p;
  style = s;
  title = t;
  return answer;
}

void FakeClipboard::SetText(const Text& t) {
  text = t;
  ++writes;
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

Text ToText(const std::string& utf8) {
  const QString text = QString::fromStdString(utf8);
  return Text(reinterpret_cast<const char16_t*>(text.utf16()), size_t(text.size()));
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
  return {Utf8(f.TxtR.Text()),  Utf8(f.TxtG.Text()),  Utf8(f.TxtB.Text()),
          Utf8(f.Txt16.Text()), f.HSclRed.Value(),    f.HSclGreen.Value(),
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
