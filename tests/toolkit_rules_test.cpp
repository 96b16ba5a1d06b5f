// The toolkit's event rules, on bare controls of a form of their own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QTest>

#include "toolkit/form.h"
#include "toolkit/runtime_error.h"
#include "toolkit/scroll_bar.h"
#include "toolkit/text_box.h"

namespace {

using Log = std::vector<std::string>;

class ToolkitRulesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    field.Change.Connect("Change", [this] {
      const QString text = Edit()->text();
      log.push_back("Change " + text.toStdString());
      if (text == "007") field.SetText(u"7");  // a re-entrant write
      if (text == "9") throw toolkit::RuntimeError(toolkit::ErrorNumber::TypeMismatch);
    });
    field.KeyPress.Connect("KeyPress", [this](int16_t& code) {
      log.push_back("KeyPress " + std::to_string(code));
      code = code == 'x' ? 0 : code == 'y' ? 13 : code == 'z' ? 'Z' : code;
    });
    field.GotFocus.Connect("GotFocus", [this] { log.push_back("GotFocus"); });
    field.MouseDown.Connect("MouseDown", [this](auto...) { log.push_back("MouseDown"); });
    field.MouseUp.Connect("MouseUp", [this](auto...) { log.push_back("MouseUp"); });
    form.MouseDown.Connect("form", [this](auto button, auto...) {
      log.push_back("form " + std::to_string(int(button)));
    });
    bar.Change.Connect("bar", [this] { log.push_back("bar " + std::to_string(bar.Value())); });
    form.SetClientSize(3600, 2295);
    form.Show();
    QApplication::setActiveWindow(form.Window());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.Window()));
    other.Widget()->setFocus();
    log.clear();
  }

  QLineEdit* Edit() { return static_cast<QLineEdit*>(field.Widget()); }
  // As the X11 platform reports keys: Ctrl+letter and Delete come as control characters.
  void Send(Qt::Key key, const char* text, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::sendKeyEvent(QTest::Press, field.Widget(), key, text, modifiers);
  }

  toolkit::Form form;
  toolkit::TextBox field{form, {0, 0, 900, 300}, u"12"};  // loading raises nothing
  toolkit::TextBox other{form, {0, 600, 900, 300}, u""};
  toolkit::ScrollBar bar{form, {0, 1200, 1500, 255}, {0, 255, 1, 1}, 0};
  Log log;
};

TEST_F(ToolkitRulesTest, CodeWritesRaiseChangeNestedOnlyWhenDifferentAndErrorsStopThere) {
  Edit()->setSelection(0, 1);
  field.SetText(u"12");  // equal: raises nothing and keeps the selection
  EXPECT_EQ(field.SelLength(), 1);
  field.SetText(u"007");
  log.push_back("returned");
  field.SetText(u"7");
  field.SetText(u"9");  // its Change fails, which ends that handler and nothing more
  log.push_back("writer goes on");
  EXPECT_EQ(log, (Log{"Change 007", "Change 7", "returned", "Change 9", "writer goes on"}));
}

TEST_F(ToolkitRulesTest, KeyPressDecidesWhatACharacterDoesAndNeverSeesEditingKeys) {
  const std::tuple<const char*, bool, QString> table[] = {
      {"3", false, "123"}, {"x", false, "12"},  // 0 drops the key
      {"y", false, "12"},                       // 13 inserts nothing
      {"z", false, "12Z"},                      // a replaced code is inserted instead
      {"\b", false, "1"},  {"5", true, "5"}};   // a character replaces the selection
  field.Widget()->setFocus();
  for (const auto& [keys, select_all, text] : table) {
    field.SetText(u"12");
    log.clear();
    if (select_all) Edit()->selectAll();
    QTest::keyClicks(field.Widget(), keys);
    EXPECT_EQ(Edit()->text(), text) << keys;
    EXPECT_EQ(log.front(), "KeyPress " + std::to_string(int(keys[0]))) << keys;
  }
  QInputMethodEvent commit;  // an input method's text passes the same filter
  commit.setCommitString("3x");
  QApplication::sendEvent(field.Widget(), &commit);
  EXPECT_EQ(Edit()->text(), "53");
  // Editing keys and commands never reach KeyPress.
  QApplication::clipboard()->setText("99");
  log.clear();
  Send(Qt::Key_Left, "");
  Send(Qt::Key_Delete, "\x7f");
  Send(Qt::Key_A, "\x01", Qt::ControlModifier);
  Send(Qt::Key_V, "\x16", Qt::ControlModifier);
  Send(Qt::Key_Z, "\x1a", Qt::ControlModifier);
  Send(Qt::Key_Insert, "", Qt::ShiftModifier);  // pastes over the undone text
  EXPECT_EQ(log, (Log{"Change 5", "Change 99", "Change 5", "Change 99"}));
}

TEST_F(ToolkitRulesTest, PressesRaiseMouseDownBeforeFocusAndWindowSwitchesRaiseNothing) {
  QTest::mouseClick(field.Widget(), Qt::LeftButton, {}, QPoint(5, 5));
  other.Widget()->setFocus(Qt::TabFocusReason);
  field.Widget()->setFocus(Qt::TabFocusReason);
  QMainWindow elsewhere;
  elsewhere.show();
  QApplication::setActiveWindow(&elsewhere);
  QApplication::setActiveWindow(form.Window());
  // The form's client area raises its own MouseDown, for any button.
  QTest::mouseClick(form.Client(), Qt::RightButton, {}, QPoint(200, 140));
  QTest::mouseClick(form.Client(), Qt::MiddleButton, {}, QPoint(200, 140));
  EXPECT_EQ(log, (Log{"MouseDown", "GotFocus", "MouseUp", "GotFocus", "form 2", "form 4"}));
}

TEST_F(ToolkitRulesTest, ScrollBarChangesOnlyForANewValueInRange) {
  for (int twice = 0; twice < 2; ++twice) bar.SetValue(5);
  for (Qt::Key key : {Qt::Key_Right, Qt::Key_End, Qt::Key_End, Qt::Key_Left, Qt::Key_Home}) {
    QTest::keyClick(bar.Widget(), key);
  }
  EXPECT_EQ(log, (Log{"bar 5", "bar 6", "bar 255", "bar 254", "bar 0"}));
  for (int16_t refused : {-1, 256}) EXPECT_THROW(bar.SetValue(refused), toolkit::RuntimeError);
  EXPECT_EQ(bar.Value(), 0);
}

}  // namespace
