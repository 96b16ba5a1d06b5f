// The offscreen test bench: the real form with fakes for what the machine cannot give a
// test deterministically (the pointer, the screen's pixels, the answers to the question,
// the end of the process), and what a user does as named steps on the real widgets.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QMainWindow>
#include <QTest>
#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "app/frmkolwe.h"

// A screen whose pixel under the pointer is `pixel`; the client area's origin is the screen's.
struct FakeMlmouse : toolkit::Mlmouse {
  static constexpr int32_t kScreenDC = 77;
  toolkit::PointApi cursor;
  int32_t pixel = 0;
  int dcs_held = 0;
  bool captured = false;

  int32_t GetCursorPos(toolkit::PointApi& point) override { return point = cursor, 1; }
  int32_t ScreenToClient(int32_t, toolkit::PointApi&) override { return 1; }
  int32_t GetDC(int32_t hwnd) override { return hwnd ? 0 : (++dcs_held, kScreenDC); }
  int32_t ReleaseDC(int32_t hwnd, int32_t dc) override {
    return dcs_held -= !hwnd && dc == kScreenDC;
  }
  int32_t SetCapture(int32_t) override { return captured = true; }
  int32_t ReleaseCapture() override { return captured = false, 1; }
  int32_t GetPixel(int32_t dc, int32_t x, int32_t y) override {
    return dc == kScreenDC && x == cursor.x && y == cursor.y ? pixel : -1;
  }
  int32_t SetWindowPos(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) override {
    return 1;
  }
};

// The question's prompt and title as asked, the answer given, copies, the end.
struct FakeServices : toolkit::MessageBoxService, toolkit::ClipboardService, toolkit::EndService {
  int16_t answer = toolkit::kMsgBoxNo;
  std::vector<Text> asked, copied;
  int ended = 0;
  int16_t MsgBox(const Text& prompt, const Text& title) override {
    return asked.insert(asked.end(), {prompt, title}), answer;
  }
  void SetText(const Text& text) override { copied.push_back(text); }
  void End() override { ++ended; }
};

enum class Field { R, G, B, Hex };
constexpr Field R = Field::R, G = Field::G, B = Field::B, Hex = Field::Hex;

// What the window shows of the colour. A failing comparison prints each view by name.
struct Views {
  std::string red, green, blue, hex;  // the fields' texts
  int red_bar, green_bar, blue_bar;
  int32_t swatch;
  bool copy_enabled;
  auto Tied() const {
    return std::tie(red, green, blue, hex, red_bar, green_bar, blue_bar, swatch, copy_enabled);
  }
  bool operator==(const Views& other) const { return Tied() == other.Tied(); }
};
void PrintTo(const Views& views, std::ostream* out);
std::string Utf8(const Text& text);
// The four views in step on one colour, with copy enabled.
Views InStep(int red, int green, int blue);
// The views with one field's text changed.
Views Showing(Field field, const std::string& text, Views views);

enum class Bar { Red, Green, Blue };
constexpr Bar RedBar = Bar::Red, GreenBar = Bar::Green, BlueBar = Bar::Blue;

class FormTest;
// One thing a user does.
using Step = std::function<void(FormTest&)>;
using Steps = std::vector<Step>;

// Each character as a key of its own, any character at all; "\b" is Backspace.
Step Type(Field field, const QString& chars);
// A paste through the clipboard over the field's whole text, or over its selection.
Step Paste(Field field, const QString& text);
Step PasteOverSelection(Field field, const QString& text);
// The caret to the start, then Right start times and Shift+Right length times.
Step Select(Field field, int start, int length);
Step ClickLeftArrow(Bar bar);
Step ClickRightArrow(Bar bar);
// A click on the bar's track at client x, with the pointer there.
Step ClickTrack(Bar bar, int client_x);
// A key pressed on the bar, which has the focus.
Step Press(Bar bar, Qt::Key key);
// The pointer comes to rest at client x.
Step PointerAt(int client_x);
// The screen's pixel under the pointer, as a colour value.
Step ScreenShows(int32_t colour);
Step ClickGet();
Step ClickClear();
Step ClickCopy();
// A press of the button on a bare spot of the client area.
Step PressMouse(Qt::MouseButton button);
// A whole pick: the pixel under the pointer, a click on "get", a left press.
Step Pick(int32_t colour);
// The window opened anew at this many dots per inch.
Step OpenAtDpi(int dpi);

// The steps run on the bench from outside it, so all of it but the window is public.
class FormTest : public ::testing::Test {
 public:
  // A new window, as the program opens it, at the toolkit's dots per inch.
  void SetUp() override;
  void TearDown() override { toolkit::SetDispatchObserver(nullptr); }

  Frmkolwe& form() { return *form_; }
  Views Shown();
  // How many times the event loop raised the handler since the last call.
  int Raised(const std::string& handler);

  void Do(const Steps& steps);
  // What a user does in a new window, and the views it must end with.
  struct Row {
    Row(const char* label, Steps steps, Views views) : label(label), steps(steps), views(views) {}
    const char* label;
    Steps steps;
    Views views;
  };
  void ExpectRows(const std::vector<Row>& rows);

  void Key(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(widget, Qt::Key(key), modifiers);
  }
  void Tab(Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    Key(QApplication::focusWidget(), modifiers ? Qt::Key_Backtab : Qt::Key_Tab, modifiers);
  }
  void ClickAt(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(widget, button, Qt::NoModifier, at);
  }

  toolkit::TextBox& FieldOf(Field field);
  QWidget* BarOf(Bar bar);
  void TypeChars(toolkit::TextBox& field, const QString& chars);
  void PasteText(toolkit::TextBox& field, const QString& text, bool over_all);
  void SelectChars(toolkit::TextBox& field, int start, int length);
  void ClickButton(toolkit::CommandButton& button) { ClickAt(button.Widget(), QPoint(20, 12)); }

  FakeMlmouse mouse;
  FakeServices services;
  std::vector<std::string> raised;  // the handlers the event loop raised, nested runs apart

 private:
  std::unique_ptr<Frmkolwe> form_;
};
