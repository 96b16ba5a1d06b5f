// The toolkit's event rules, on bare controls of a form of their own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QTest>
#include <string>
#include <vector>

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
    });
    field.KeyPress.Connect("KeyPress", [this](int16_t& code) {
      log.push_back("KeyPress " + std::to_string(code));
      if (code == 'x') code = 0;
      if (code == 'y') code = 13;
      if (code == 'z') code = 'Z';
    });
    field.GotFocus.Connect("GotFocus", [this] { log.push_back("GotFocus"); });
    field.MouseDown.Connect("MouseDown", [this](auto...) { log.push_back("MouseDown"); });
    field.MouseUp.Connect("MouseUp", [this](auto...) { log.push_back("MouseUp"); });
    bar.Change.Connect("bar", [this] { log.push_back("bar " + std::to_string(bar.Value())); });
    form.SetClientSize(3600, 2295);
    form.Show();
    QApplication::setActiveWindow(form.Window());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.Window()));
    other.Widget()->setFocus();
    log.clear();
  }

  QLineEdit* Edit() { return static_cast<QLineEdit*>(field.Widget()); }
  void FocusAtEnd() {
    field.Widget()->setFocus();
    Edit()->end(false);
    log.clear();
  }
  void Send(int key, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(field.Widget(), &press);
  }

  toolkit::Form form;
  toolkit::TextBox field{form, {0, 0, 900, 300}, u"12"};  // loading raises nothing
  toolkit::TextBox other{form, {0, 600, 900, 300}, u""};
  toolkit::ScrollBar bar{form, {0, 1200, 1500, 255}, {0, 255, 1, 1}, 0};
  Log log;
};

TEST_F(ToolkitRulesTest, CodeWritesRaiseChangeNestedAndOnlyWhenDifferent) {
  Edit()->setSelection(0, 1);
  field.SetText(u"12");  // equal: raises nothing and keeps the selection
  EXPECT_EQ(field.SelLength(), 1);
  field.SetText(u"007");
  log.push_back("returned");
  field.SetText(u"7");
  EXPECT_EQ(log, (Log{"Change 007", "Change 7", "returned"}));
}

TEST_F(ToolkitRulesTest, KeyPressDecidesWhatATypedCharacterDoes) {
  const struct {
    const char* keys;
    bool select_all;
    QString text;
  } table[] = {{"3", false, "123"}, {"x", false, "12"},  // 0 drops the key
               {"y", false, "12"},                       // 13 inserts nothing
               {"z", false, "12Z"},                      // a replaced code is inserted instead
               {"\b", false, "1"},  {"5", true, "5"}};   // a character replaces the selection
  for (const auto& row : table) {
    field.SetText(u"12");
    FocusAtEnd();
    if (row.select_all) Edit()->selectAll();
    QTest::keyClicks(field.Widget(), row.keys);
    EXPECT_EQ(Edit()->text(), row.text) << row.keys;
    EXPECT_EQ(log.front(), "KeyPress " + std::to_string(int(row.keys[0]))) << row.keys;
  }
}

TEST_F(ToolkitRulesTest, EditingKeysAndCommandsNeverReachKeyPress) {
  QApplication::clipboard()->setText("99");
  FocusAtEnd();
  // As the X11 platform reports them: Ctrl+letter and Delete as control characters.
  Send(Qt::Key_Left, "");
  Send(Qt::Key_Delete, "\x7f");
  Send(Qt::Key_A, "\x01", Qt::ControlModifier);
  Send(Qt::Key_V, "\x16", Qt::ControlModifier);
  Send(Qt::Key_Z, "\x1a", Qt::ControlModifier);
  Send(Qt::Key_Insert, "", Qt::ShiftModifier);  // pastes over the undone text
  EXPECT_EQ(log, (Log{"Change 1", "Change 99", "Change 1", "Change 99"}));
}

TEST_F(ToolkitRulesTest, AnInputMethodCannotBypassTheKeyFilter) {
  FocusAtEnd();
  QInputMethodEvent commit;
  commit.setCommitString("3x");
  QApplication::sendEvent(field.Widget(), &commit);
  EXPECT_EQ(Edit()->text(), "123");
}

TEST_F(ToolkitRulesTest, FocusFromAClickComesAfterMouseDownAndWindowSwitchesRaiseNothing) {
  QTest::mouseClick(field.Widget(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(log, (Log{"MouseDown", "GotFocus", "MouseUp"}));
  other.Widget()->setFocus(Qt::TabFocusReason);
  field.Widget()->setFocus(Qt::TabFocusReason);
  QMainWindow elsewhere;
  elsewhere.show();
  QApplication::setActiveWindow(&elsewhere);
  QApplication::setActiveWindow(form.Window());
  EXPECT_EQ(log, (Log{"MouseDown", "GotFocus", "MouseUp", "GotFocus"}));
}

TEST_F(ToolkitRulesTest, ScrollBarChangesOnlyForANewValueInRange) {
  bar.SetValue(5);
  bar.SetValue(5);
  bar.Widget()->setFocus();
  for (Qt::Key key : {Qt::Key_Right, Qt::Key_End, Qt::Key_End, Qt::Key_Left, Qt::Key_Home}) {
    QTest::keyClick(bar.Widget(), key);
  }
  EXPECT_EQ(log, (Log{"bar 5", "bar 6", "bar 255", "bar 254", "bar 0"}));
  for (int16_t refused : {-1, 256}) EXPECT_THROW(bar.SetValue(refused), toolkit::RuntimeError);
  EXPECT_EQ(bar.Value(), 0);
}

TEST_F(ToolkitRulesTest, AnErrorEndsOnlyTheHandlerItReaches) {
  field.Change.Connect("Change", [this] {
    log.push_back("Change");
    throw toolkit::RuntimeError(toolkit::ErrorNumber::TypeMismatch);
  });
  field.SetText(u"3");
  log.push_back("writer goes on");
  EXPECT_EQ(log, (Log{"Change", "writer goes on"}));
}

TEST_F(ToolkitRulesTest, FormRaisesMouseDownForPressesOnItsClientArea) {
  std::vector<toolkit::MouseButton> buttons;
  form.MouseDown.Connect("form",
                         [&](toolkit::MouseButton button, auto...) { buttons.push_back(button); });
  QTest::mouseClick(form.Client(), Qt::RightButton, {}, QPoint(200, 140));
  QTest::mouseClick(form.Client(), Qt::MiddleButton, {}, QPoint(200, 140));
  EXPECT_EQ(buttons, (std::vector{toolkit::MouseButton::Right, toolkit::MouseButton::Middle}));
}

}  // namespace
