// The offscreen test bench: the real form with fakes for what the machine cannot give a
// test deterministically (the pointer, the screen's pixels, the answers to the question,
// the end of the process), and a small script of user actions on the real widgets.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QMainWindow>
#include <QTest>
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
  std::vector<int32_t> window_pos;  // the last SetWindowPos's insert-after, x, y, cx, cy, flags

  int32_t GetCursorPos(toolkit::PointApi& point) override { return point = cursor, 1; }
  int32_t ScreenToClient(int32_t, toolkit::PointApi&) override { return 1; }
  int32_t GetDC(int32_t hwnd) override { return hwnd ? 0 : (++dcs_held, kScreenDC); }
  int32_t ReleaseDC(int32_t hwnd, int32_t dc) override { return dcs_held -= !hwnd && dc == 77; }
  int32_t SetCapture(int32_t) override { return captured = true; }
  int32_t ReleaseCapture() override { return captured = false, 1; }
  int32_t GetPixel(int32_t dc, int32_t x, int32_t y) override {
    return dc == kScreenDC && x == cursor.x && y == cursor.y ? pixel : -1;
  }
  int32_t SetWindowPos(int32_t, int32_t after, int32_t x, int32_t y, int32_t cx, int32_t cy,
                       int32_t flags) override {
    return window_pos = {after, x, y, cx, cy, flags}, 1;
  }
};

// The question's prompt, style and title as asked, the answer given, copies, the end.
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

// What the window shows of the colour: the red, green, blue and hex texts, the three bars,
// the swatch and whether copy is enabled.
using Views =
    std::tuple<std::string, std::string, std::string, std::string, int, int, int, int32_t, bool>;
std::string Utf8(const Text& text);
// The four views in step on one colour, with copy enabled.
Views InStep(int red, int green, int blue);

class FormTest : public ::testing::Test {
 protected:
  // A new window, as the program opens it, at the toolkit's dots per inch.
  void SetUp() override;
  void TearDown() override { toolkit::SetDispatchObserver(nullptr); }

  Frmkolwe& form() { return *form_; }
  Views Shown();
  // How many times the event loop raised the handler since the last call.
  int Raised(const std::string& handler);

  // Runs user actions separated by blanks. R, G, B and H are the red, green, blue and hex
  // fields: "R=25" pastes 25 over the whole field, "R:25" over its selection, "R+12" types
  // 1 and 2 ("\b" is Backspace), "R@1,2" selects two characters from the second; in these
  // texts "_" is a blank and "~" a line end. r, g and b are the bars: "r)" and "r(" click
  // the right and left arrow, "r#112" the track at client x 112, and "r>", "r<", "rv", "r^",
  // "r}", "r{", "r]" and "r[" press Right, Left, Down, Up, Page Down and Up, End and Home.
  // "p112" puts the pointer at client x 112, "x255" makes the pixel under it red, "*2" presses
  // the right button on the bare client area; "dpi120" opens a new window at 120 dpi; "clear",
  // "copy" and "get" click those buttons.
  void Do(const std::string& script);
  // Each row runs its script in a new window and must end with its views.
  void ExpectRows(const std::vector<std::pair<QString, Views>>& rows);

  void Key(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(widget, Qt::Key(key), modifiers);
  }
  void Tab(Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    Key(QApplication::focusWidget(), modifiers ? Qt::Key_Backtab : Qt::Key_Tab, modifiers);
  }
  void ClickAt(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(widget, button, Qt::NoModifier, at);
  }
  void Paste(toolkit::TextBox& field, const QString& text, bool over_all);
  // Types each character as a key of its own, any character at all.
  void TypeChars(toolkit::TextBox& field, const QString& chars);
  // Puts the caret at start and selects length characters with Shift+Right, as a user would.
  void SelectChars(toolkit::TextBox& field, int start, int length);

  FakeMlmouse mouse;
  FakeServices services;
  std::vector<std::string> raised;  // the handlers the event loop raised, nested runs apart

 private:
  std::unique_ptr<Frmkolwe> form_;
};
