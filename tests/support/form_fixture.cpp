// The test bench, the user's steps, and the one QApplication every offscreen suite runs in with
// the program's look.
#include "tests/support/form_fixture.h"

#include <QClipboard>
#include <algorithm>

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
  return {std::to_string(red),
          std::to_string(green),
          std::to_string(blue),
          hex,
          red,
          green,
          blue,
          toolkit::Rgb(red, green, blue),
          true};
}

Views Showing(Field field, const std::string& text, Views views) {
  *std::array{&views.red, &views.green, &views.blue, &views.hex}[int(field)] = text;
  return views;
}

void PrintTo(const Views& v, std::ostream* out) {
  *out << "{fields \"" << v.red << "\" \"" << v.green << "\" \"" << v.blue << "\", hex \"" << v.hex
       << "\", bars " << v.red_bar << " " << v.green_bar << " " << v.blue_bar << ", swatch "
       << QString::asprintf("%06X", unsigned(v.swatch)).toStdString() << " (BGR), copy "
       << (v.copy_enabled ? "enabled" : "disabled") << "}";
}

Step Type(Field field, const QString& chars) {
  return [=](FormTest& t) { t.TypeChars(t.FieldOf(field), chars); };
}
Step Paste(Field field, const QString& text) {
  return [=](FormTest& t) { t.PasteText(t.FieldOf(field), text, true); };
}
Step PasteOverSelection(Field field, const QString& text) {
  return [=](FormTest& t) { t.PasteText(t.FieldOf(field), text, false); };
}
Step Select(Field field, int start, int length) {
  return [=](FormTest& t) { t.SelectChars(t.FieldOf(field), start, length); };
}
Step ClickLeftArrow(Bar bar) {
  return [=](FormTest& t) { t.ClickAt(t.BarOf(bar), QPoint(5, 8)); };
}
Step ClickRightArrow(Bar bar) {
  return [=](FormTest& t) { t.ClickAt(t.BarOf(bar), QPoint(t.BarOf(bar)->width() - 5, 8)); };
}
Step ClickTrack(Bar bar, int client_x) {
  return [=](FormTest& t) {
    QWidget* widget = t.BarOf(bar);
    t.mouse.cursor = {client_x, widget->y() + 8};
    t.ClickAt(widget, QPoint(client_x - widget->x(), 8));
  };
}
Step Press(Bar bar, Qt::Key key) {
  return [=](FormTest& t) {
    t.BarOf(bar)->setFocus(Qt::TabFocusReason);
    t.Key(t.BarOf(bar), key);
  };
}
Step PointerAt(int client_x) {
  return [=](FormTest& t) { t.mouse.cursor = {client_x, 0}; };
}
Step ScreenShows(int32_t colour) {
  return [=](FormTest& t) { t.mouse.pixel = colour; };
}
Step ClickGet() {
  return [](FormTest& t) { t.ClickButton(t.form().CmdGet); };
}
Step ClickClear() {
  return [](FormTest& t) { t.ClickButton(t.form().CmdClear1); };
}
Step ClickCopy() {
  return [](FormTest& t) { t.ClickButton(t.form().CmdClip); };
}
Step PressMouse(Qt::MouseButton button) {
  return [=](FormTest& t) { t.ClickAt(t.form().Form.Client(), QPoint(230, 145), button); };
}
Step Pick(int32_t colour) {
  return [=](FormTest& t) { t.Do({ScreenShows(colour), ClickGet(), PressMouse(Qt::LeftButton)}); };
}
Step OpenAtDpi(int dpi) {
  return [=](FormTest& t) {
    toolkit::SetDotsPerInch(dpi);
    t.SetUp();
    toolkit::SetDotsPerInch(toolkit::kDesignDotsPerInch);
  };
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

void FormTest::Do(const Steps& steps) {
  for (const Step& step : steps) step(*this);
}

void FormTest::ExpectRows(const std::vector<Row>& rows) {
  for (const Row& row : rows) {
    SetUp();
    Do(row.steps);
    EXPECT_EQ(Shown(), row.views) << row.label;
  }
}

toolkit::TextBox& FormTest::FieldOf(Field field) {
  return *std::array{&form_->TxtR, &form_->TxtG, &form_->TxtB, &form_->Txt16}[int(field)];
}

QWidget* FormTest::BarOf(Bar bar) {
  return std::array{&form_->HSclRed, &form_->HSclGreen, &form_->HSclBlue}[int(bar)]->Widget();
}

void FormTest::PasteText(toolkit::TextBox& field, const QString& text, bool over_all) {
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
