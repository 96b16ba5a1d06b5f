// The offscreen test bench: the real form with fakes for what the machine cannot give a
// test deterministically (the pointer, the screen's pixels, the answers to the question,
// the end of the process), and what a user does as named steps on the real widgets.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMainWindow>
#include <QTest>
#include <algorithm>
#include <array>
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

  int32_t GetCursorPos(toolkit::PointApi& point) override { return point = cursor, 1; }
  int32_t ScreenToClient(int32_t, toolkit::PointApi&) override { return 1; }
  int32_t GetDC(int32_t hwnd) override { return hwnd ? 0 : kScreenDC; }
  int32_t ReleaseDC(int32_t hwnd, int32_t dc) override { return !hwnd && dc == kScreenDC; }
  int32_t SetCapture(int32_t) override { return 1; }
  int32_t ReleaseCapture() override { return 1; }
  int32_t GetPixel(int32_t dc, int32_t x, int32_t y) override {
    return dc == kScreenDC && x == cursor.x && y == cursor.y ? pixel : -1;
  }
  int32_t SetWindowPos(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) override {
    return 1;
  }
};

// The question's prompt and title as asked, the answer given, the end; copies go nowhere.
struct FakeServices : toolkit::MessageBoxService, toolkit::ClipboardService, toolkit::EndService {
  int16_t answer = toolkit::kMsgBoxNo;
  std::vector<Text> asked;
  int ended = 0;
  int16_t MsgBox(const Text& prompt, const Text& title) override {
    return asked.insert(asked.end(), {prompt, title}), answer;
  }
  void SetText(const Text&) override {}
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
inline std::string Utf8(const Text& text) { return QString::fromStdU16String(text).toStdString(); }
// The four views in step on one colour, with copy enabled.
inline Views InStep(int red, int green, int blue) {
  const std::string hex = QString::asprintf("%02X%02X%02X", red, green, blue).toStdString();
  const std::string r = std::to_string(red), g = std::to_string(green), b = std::to_string(blue);
  return {r, g, b, hex, red, green, blue, toolkit::Rgb(red, green, blue), true};
}
// The views with one field's text changed.
inline Views Showing(Field field, const std::string& text, Views views) {
  *std::array{&views.red, &views.green, &views.blue, &views.hex}[int(field)] = text;
  return views;
}

enum class Bar { Red, Green, Blue };
constexpr Bar RedBar = Bar::Red, GreenBar = Bar::Green, BlueBar = Bar::Blue;

class FormTest;
// One thing a user does.
using Step = std::function<void(FormTest&)>;
using Steps = std::vector<Step>;

// The steps run on the bench from outside it, so all of it but the window is public.
class FormTest : public ::testing::Test {
 public:
  // A new window, as the program opens it, at the toolkit's dots per inch.
  void SetUp() override;
  void TearDown() override { toolkit::SetDispatchObserver(nullptr); }

  Frmkolwe& form() { return *form_; }
  Views Shown() {
    Frmkolwe& f = *form_;
    return {Utf8(f.TxtR.Text()),  Utf8(f.TxtG.Text()),    Utf8(f.TxtB.Text()),
            Utf8(f.Txt16.Text()), f.HSclRed.Value(),      f.HSclGreen.Value(),
            f.HSclBlue.Value(),   f.LblColor.BackColor(), f.CmdClip.Enabled()};
  }
  // How many times the event loop raised the handler since the last call.
  int Raised(const std::string& handler) {
    const int count = int(std::count(raised.begin(), raised.end(), handler));
    raised.clear();
    return count;
  }

  void Do(const Steps& steps) {
    for (const Step& step : steps) step(*this);
  }
  // What a user does in a new window, and the views it must end with.
  using Row = std::tuple<const char*, Steps, Views>;
  void ExpectRows(const std::vector<Row>& rows) {
    for (const auto& [label, steps, views] : rows) {
      SetUp();
      Do(steps);
      EXPECT_EQ(Shown(), views) << label;
    }
  }

  void Tab() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); }
  void ShiftTab() {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
  }
  void ClickAt(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(widget, button, Qt::NoModifier, at);
  }

  toolkit::TextBox& FieldOf(Field field) {
    return *std::array{&form_->TxtR, &form_->TxtG, &form_->TxtB, &form_->Txt16}[int(field)];
  }
  QWidget* BarOf(Bar bar) {
    return std::array{&form_->HSclRed, &form_->HSclGreen, &form_->HSclBlue}[int(bar)]->Widget();
  }

  FakeMlmouse mouse;
  FakeServices services;
  std::vector<std::string> raised;  // the handlers the event loop raised, nested runs apart

 private:
  std::unique_ptr<Frmkolwe> form_;
};

// Each character as a key of its own, any character at all; "\b" is Backspace.
inline Step Type(Field field, const QString& chars) {
  return [=](FormTest& t) {
    for (const QChar c : chars) {
      int key = c == '\b' ? Qt::Key_Backspace : Qt::Key_unknown;
      if (c.unicode() >= 0x20 && c.unicode() < 0x7F) key = c.toUpper().unicode();  // Latin
      QTest::sendKeyEvent(QTest::Click, t.FieldOf(field).Widget(), Qt::Key(key), QString(c), {});
    }
  };
}
// A paste through the clipboard over the field's whole text, or over its selection.
inline Step Paste(Field field, QString text, bool over_selection = false) {
  return [=](FormTest& t) {
    QWidget* widget = t.FieldOf(field).Widget();
    widget->setFocus(Qt::OtherFocusReason);
    if (!over_selection) QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
    QApplication::clipboard()->setText(text);
    QTest::keyClick(widget, Qt::Key_V, Qt::ControlModifier);
  };
}
// The caret to the start, then Right start times and Shift+Right length times.
inline Step Select(Field field, int start, int length) {
  return [=](FormTest& t) {
    QWidget* widget = t.FieldOf(field).Widget();
    QTest::keyClick(widget, Qt::Key_Home);
    for (int i = 0; i < start; ++i) QTest::keyClick(widget, Qt::Key_Right);
    for (int i = 0; i < length; ++i) QTest::keyClick(widget, Qt::Key_Right, Qt::ShiftModifier);
  };
}
inline Step ClickRightArrow(Bar bar) {
  return [=](FormTest& t) { t.ClickAt(t.BarOf(bar), QPoint(t.BarOf(bar)->width() - 5, 8)); };
}
// A click on the bar's track at client x, with the pointer there.
inline Step ClickTrack(Bar bar, int client_x) {
  return [=](FormTest& t) {
    t.mouse.cursor = {client_x, t.BarOf(bar)->y() + 8};
    t.ClickAt(t.BarOf(bar), QPoint(client_x - t.BarOf(bar)->x(), 8));
  };
}
// A key pressed on the bar, which has the focus.
inline Step Press(Bar bar, Qt::Key key) {
  return [=](FormTest& t) {
    t.BarOf(bar)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(t.BarOf(bar), key);
  };
}
// The pointer comes to rest at client x.
inline Step PointerAt(int client_x) {
  return [=](FormTest& t) { t.mouse.cursor = {client_x, 0}; };
}
// The screen's pixel under the pointer, as a colour value.
inline Step ScreenShows(int32_t colour) {
  return [=](FormTest& t) { t.mouse.pixel = colour; };
}
// A click on one of the form's buttons.
inline Step Click(toolkit::CommandButton Frmkolwe::*button) {
  return [=](FormTest& t) { t.ClickAt((t.form().*button).Widget(), QPoint(20, 12)); };
}
inline Step ClickGet() { return Click(&Frmkolwe::CmdGet); }
inline Step ClickClear() { return Click(&Frmkolwe::CmdClear1); }
inline Step ClickCopy() { return Click(&Frmkolwe::CmdClip); }
// A press of the button on a bare spot of the client area.
inline Step PressMouse(Qt::MouseButton button) {
  return [=](FormTest& t) { t.ClickAt(t.form().Form.Client(), QPoint(230, 145), button); };
}
// A whole pick: the pixel under the pointer, a click on "get", a left press.
inline Step Pick(int32_t colour) {
  return [=](FormTest& t) { t.Do({ScreenShows(colour), ClickGet(), PressMouse(Qt::LeftButton)}); };
}
// The window opened anew at this many dots per inch.
inline Step OpenAtDpi(int dpi) {
  return [=](FormTest& t) {
    toolkit::SetDotsPerInch(dpi);
    t.SetUp();
    toolkit::SetDotsPerInch(toolkit::kDesignDotsPerInch);
  };
}
