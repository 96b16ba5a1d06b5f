// The offscreen test bench: the real form with fakes for what the machine cannot give a
// test deterministically (the pointer, the screen's pixels, the answers to the question,
// the end of the process), and helpers that act as a user would.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMainWindow>
#include <QTest>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "app/frmkolwe.h"
#include "toolkit/events.h"

struct FakeMlmouse : toolkit::Mlmouse {
  toolkit::PointApi cursor;        // screen position; the client area's origin is at 0, 0
  int32_t pixel = 0;               // what GetPixel returns
  std::vector<std::string> calls;  // every call, as name or name(arguments), in order
  bool captured = false;

  int32_t GetCursorPos(toolkit::PointApi& point) override {
    point = cursor;
    return Log("GetCursorPos");
  }
  int32_t ScreenToClient(int32_t, toolkit::PointApi&) override { return Log("ScreenToClient"); }
  int32_t GetDC(int32_t hwnd) override { return Log("GetDC", {hwnd}, 77); }
  int32_t ReleaseDC(int32_t hwnd, int32_t hdc) override { return Log("ReleaseDC", {hwnd, hdc}); }
  int32_t SetCapture(int32_t) override {
    captured = true;
    return Log("SetCapture");
  }
  int32_t ReleaseCapture() override {
    captured = false;
    return Log("ReleaseCapture");
  }
  int32_t GetPixel(int32_t hdc, int32_t x, int32_t y) override {
    return Log("GetPixel", {hdc, x, y}, pixel);
  }
  int32_t SetWindowPos(int32_t, int32_t after, int32_t x, int32_t y, int32_t cx, int32_t cy,
                       int32_t flags) override {
    return Log("SetWindowPos", {after, x, y, cx, cy, flags});
  }
  int32_t Log(std::string call, std::initializer_list<int32_t> args = {}, int32_t result = 1) {
    const char* separator = "(";
    for (int32_t arg : args) call += std::exchange(separator, ",") + std::to_string(arg);
    calls.push_back(args.size() ? call + ")" : call);
    return result;
  }
};

struct FakeMessageBox : toolkit::MessageBoxService {
  int16_t answer = toolkit::kMsgBoxNo;
  int shown = 0;
  Text prompt, title;
  int32_t style = 0;
  int16_t MsgBox(const Text& p, int32_t s, const Text& t) override {
    std::tie(prompt, style, title, shown) = std::tuple(p, s, t, shown + 1);
    return answer;
  }
};

struct FakeClipboard : toolkit::ClipboardService {
  Text text;
  int writes = 0;
  void SetText(const Text& t) override { std::tie(text, writes) = std::pair(t, writes + 1); }
};

struct FakeEnd : toolkit::EndService {
  int ended = 0;
  void End() override { ++ended; }
};

// The private procedures, for the tests that call them directly.
struct FormProbe {
  static void SetHexText(Frmkolwe& form) { form.SetHexText(); }
  static void SetLblColor(Frmkolwe& form) { form.SetLblColor(); }
};

// What the window shows of the colour, all four views at once.
struct Views {
  std::string red, green, blue, hex;
  int bar_red, bar_green, bar_blue;
  int32_t swatch;
  bool copy_enabled;
  auto Tie() const {
    return std::tie(red, green, blue, hex, bar_red, bar_green, bar_blue, swatch, copy_enabled);
  }
  bool operator==(const Views& other) const { return Tie() == other.Tie(); }
};
std::ostream& operator<<(std::ostream& out, const Views& views);

inline std::string Utf8(const Text& text) {
  return QString::fromUtf16(text.data(), qsizetype(text.size())).toStdString();
}

// The four views in step on one colour: fields, hex text, bars and swatch, with copy enabled.
Views InStep(int red, int green, int blue);

class FormTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override { toolkit::SetDispatchObserver(nullptr); }

  Frmkolwe& form() { return *form_; }
  Views Shown() {
    Frmkolwe& f = *form_;
    return {Utf8(f.TxtR.Text()),  Utf8(f.TxtG.Text()),    Utf8(f.TxtB.Text()),
            Utf8(f.Txt16.Text()), f.HSclRed.Value(),      f.HSclGreen.Value(),
            f.HSclBlue.Value(),   f.LblColor.BackColor(), f.CmdClip.Enabled()};
  }

  // User actions on the real widgets.
  void Type(toolkit::TextBox& box, const QString& keys) { QTest::keyClicks(box.Widget(), keys); }
  void Key(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(widget, Qt::Key(key), modifiers);
  }
  void Tab(Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = Focused() ? Focused() : form_->Form.Window();
    Key(target, modifiers & Qt::ShiftModifier ? Qt::Key_Backtab : Qt::Key_Tab, modifiers);
  }
  void ClickAt(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(widget, button, Qt::NoModifier, at);
  }
  void Click(QWidget* widget, Qt::MouseButton button = Qt::LeftButton) {
    ClickAt(widget, widget->rect().center(), button);
  }
  // Pastes the text over the field's current selection, or at its caret.
  void PasteHere(toolkit::TextBox& field, const QString& text) {
    QApplication::clipboard()->setText(text);
    Key(field.Widget(), Qt::Key_V, Qt::ControlModifier);
  }
  // Selects the whole field and pastes the text over it through the field's own command.
  void PasteOver(toolkit::TextBox& field, const QString& text) {
    field.Widget()->setFocus(Qt::OtherFocusReason);
    Key(field.Widget(), Qt::Key_A, Qt::ControlModifier);
    PasteHere(field, text);
  }
  // Types each character as a key of its own, any character at all (non-Latin ones too).
  void TypeChars(toolkit::TextBox& field, const QString& chars) {
    for (const QChar c : chars) {
      const bool latin = c.unicode() >= 0x20 && c.unicode() < 0x7F;
      const int key = latin ? c.toUpper().unicode() : int(Qt::Key_unknown);
      QTest::sendKeyEvent(QTest::Click, field.Widget(), Qt::Key(key), QString(c), Qt::NoModifier);
    }
  }
  // Puts the caret at start and selects length characters with Shift+Right, as a user would.
  void SelectChars(toolkit::TextBox& field, int start, int length) {
    Key(field.Widget(), Qt::Key_Home);
    for (int i = 0; i < start; ++i) Key(field.Widget(), Qt::Key_Right);
    for (int i = 0; i < length; ++i) Key(field.Widget(), Qt::Key_Right, Qt::ShiftModifier);
  }
  QWidget* Focused() const { return QApplication::focusWidget(); }
  // Puts the pointer at a client x for the scroll bars' next Change.
  void PointerAt(int x, int y = 0) { mouse.cursor = {x, y}; }

  // Records every handler run as "name@depth" from now on.
  std::vector<std::string>& TraceHandlers() {
    trace_.clear();
    toolkit::SetDispatchObserver([this](const std::string& handler, int depth) {
      trace_.push_back(handler + "@" + std::to_string(depth));
    });
    return trace_;
  }

  FakeMlmouse mouse;
  FakeMessageBox message_box;
  FakeClipboard clipboard;
  FakeEnd end;

 private:
  std::unique_ptr<Frmkolwe> form_;
  std::vector<std::string> trace_;
};
