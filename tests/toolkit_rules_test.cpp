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
#include "toolkit/label.h"
#include "toolkit/runtime_error.h"
#include "toolkit/scroll_bar.h"
#include "toolkit/text_box.h"

namespace {

using toolkit::Text;

class ToolkitRulesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    first.Change.Connect("first_Change", [this] { log.push_back("Change " + Utf8(first.Text())); });
    first.KeyPress.Connect("first_KeyPress", [this](int16_t& code) {
      log.push_back("KeyPress " + std::to_string(code));
      if (code == 'x') code = 0;
      if (code == 'y') code = 13;
      if (code == 'z') code = 'Z';
    });
    first.GotFocus.Connect("first_GotFocus", [this] { log.push_back("GotFocus"); });
    first.MouseDown.Connect("first_MouseDown",
                            [this](auto, auto, auto, auto) { log.push_back("MouseDown"); });
    first.MouseUp.Connect("first_MouseUp",
                          [this](auto, auto, auto, auto) { log.push_back("MouseUp"); });
    bar.Change.Connect("bar_Change",
                       [this] { log.push_back("bar Change " + std::to_string(bar.Value())); });
    form.SetClientSize(3600, 2295);
    form.Show();
    QApplication::setActiveWindow(form.Window());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.Window()));
    second.Widget()->setFocus();
    log.clear();
  }

  static std::string Utf8(const Text& text) {
    return QString::fromUtf16(text.data(), qsizetype(text.size())).toStdString();
  }
  QLineEdit* Edit() { return static_cast<QLineEdit*>(first.Widget()); }
  void Send(QWidget* widget, int key, const QString& text,
            Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(widget, &press);
  }

  toolkit::Form form;
  toolkit::TextBox first{form, {0, 0, 900, 300}, u"12"};
  toolkit::TextBox second{form, {0, 600, 900, 300}, u""};
  toolkit::ScrollBar bar{form, {0, 1200, 1500, 255}, {0, 255, 1, 1}, 0};
  std::vector<std::string> log;
};

TEST_F(ToolkitRulesTest, DesignTimeValuesRaiseNothing) {
  EXPECT_EQ(first.Text(), u"12");
  EXPECT_EQ(bar.Value(), 0);
  EXPECT_TRUE(log.empty());
}

TEST_F(ToolkitRulesTest, CodeWritesRaiseChangeNestedAndOnlyWhenDifferent) {
  first.Change.Connect("first_Change", [this] {
    log.push_back("Change " + Utf8(first.Text()));
    if (first.Text() == u"007") first.SetText(u"7");  // re-entrant write
  });
  first.SetText(u"007");
  log.push_back("returned");
  first.SetText(u"7");
  EXPECT_EQ(log, (std::vector<std::string>{"Change 007", "Change 7", "returned"}));
}

TEST_F(ToolkitRulesTest, AnEqualWriteLeavesCaretAndSelectionAlone) {
  Edit()->setSelection(0, 1);
  first.SetText(u"12");
  EXPECT_EQ(first.SelStart(), 0);
  EXPECT_EQ(first.SelLength(), 1);
  EXPECT_TRUE(log.empty());
}

TEST_F(ToolkitRulesTest, KeyPressDecidesWhatATypedCharacterDoes) {
  const struct {
    const char* keys;
    Text text;       // after typing at the end of "12"
    size_t presses;  // KeyPress events raised
  } table[] = {
      {"3", u"123", 1},  {"x", u"12", 1},     // 0 drops the key
      {"y", u"12", 1},                        // 13 inserts nothing
      {"z", u"12Z", 1},                       // a replaced code is inserted instead
      {"\b", u"1", 1},                        // Backspace is a character
  };
  for (const auto& row : table) {
    first.SetText(u"12");
    first.Widget()->setFocus();
    Edit()->end(false);
    log.clear();
    QTest::keyClicks(first.Widget(), row.keys);
    EXPECT_EQ(first.Text(), row.text) << row.keys;
    EXPECT_EQ(std::count_if(log.begin(), log.end(),
                            [](const std::string& e) { return e.rfind("KeyPress", 0) == 0; }),
              long(row.presses))
        << row.keys;
  }
}

TEST_F(ToolkitRulesTest, ATypedCharacterReplacesTheSelection) {
  first.Widget()->setFocus();
  Edit()->selectAll();
  log.clear();
  QTest::keyClick(first.Widget(), '5');
  EXPECT_EQ(first.Text(), u"5");
  EXPECT_EQ(log, (std::vector<std::string>{"KeyPress 53", "Change 5"}));
}

TEST_F(ToolkitRulesTest, EditingKeysAndCommandsNeverReachKeyPress) {
  QApplication::clipboard()->setText("99");
  first.Widget()->setFocus();
  Edit()->end(false);
  log.clear();
  // As the X11 platform reports them: Ctrl+letter and Delete as control characters.
  Send(first.Widget(), Qt::Key_Left, "");
  Send(first.Widget(), Qt::Key_Delete, "\x7f");
  Send(first.Widget(), Qt::Key_A, "\x01", Qt::ControlModifier);
  Send(first.Widget(), Qt::Key_V, "\x16", Qt::ControlModifier);
  Send(first.Widget(), Qt::Key_Z, "\x1a", Qt::ControlModifier);
  Send(first.Widget(), Qt::Key_Insert, "", Qt::ShiftModifier);  // pastes over the undone text
  EXPECT_EQ(first.Text(), u"99");
  EXPECT_EQ(log, (std::vector<std::string>{"Change 1", "Change 99", "Change 1", "Change 99"}));
}

TEST_F(ToolkitRulesTest, AnInputMethodCannotBypassTheKeyFilter) {
  first.Widget()->setFocus();
  Edit()->end(false);
  QInputMethodEvent commit;
  commit.setCommitString("3x");
  QApplication::sendEvent(first.Widget(), &commit);
  EXPECT_EQ(first.Text(), u"123");
}

TEST_F(ToolkitRulesTest, AClickIntoTheFieldRaisesMouseDownBeforeGotFocus) {
  QTest::mouseClick(first.Widget(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(log, (std::vector<std::string>{"MouseDown", "GotFocus", "MouseUp"}));
}

TEST_F(ToolkitRulesTest, TabRaisesGotFocusAloneAndWindowSwitchesRaiseNothing) {
  first.Widget()->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(log, (std::vector<std::string>{"GotFocus"}));
  QMainWindow other;
  other.show();
  QApplication::setActiveWindow(&other);
  QApplication::setActiveWindow(form.Window());
  EXPECT_EQ(log, (std::vector<std::string>{"GotFocus"}));
}

TEST_F(ToolkitRulesTest, ScrollBarChangesOnlyForANewValueInRange) {
  bar.SetValue(5);
  bar.SetValue(5);
  bar.Widget()->setFocus();
  QTest::keyClick(bar.Widget(), Qt::Key_Right);
  QTest::keyClick(bar.Widget(), Qt::Key_End);
  QTest::keyClick(bar.Widget(), Qt::Key_End);
  QTest::keyClick(bar.Widget(), Qt::Key_Left);
  QTest::keyClick(bar.Widget(), Qt::Key_Home);
  EXPECT_EQ(log, (std::vector<std::string>{"bar Change 5", "bar Change 6", "bar Change 255",
                                           "bar Change 254", "bar Change 0"}));
  for (int16_t refused : {-1, 256}) {
    try {
      bar.SetValue(refused);
      ADD_FAILURE() << refused << " was accepted";
    } catch (const toolkit::RuntimeError& error) {
      EXPECT_EQ(error.Number(), toolkit::ErrorNumber::InvalidPropertyValue);
    }
  }
  EXPECT_EQ(bar.Value(), 0);
}

TEST_F(ToolkitRulesTest, AnErrorEndsOnlyTheHandlerItReaches) {
  first.Change.Connect("first_Change", [this] {
    log.push_back("Change " + Utf8(first.Text()));
    throw toolkit::RuntimeError(toolkit::ErrorNumber::TypeMismatch);
  });
  first.SetText(u"3");
  log.push_back("writer goes on");
  EXPECT_EQ(log, (std::vector<std::string>{"Change 3", "writer goes on"}));
}

TEST_F(ToolkitRulesTest, SwatchRefusesWhatIsNoColour) {
  toolkit::Label swatch(form, {0, 0, 300, 300}, toolkit::Label::Style::Swatch, u"", 0, 0);
  swatch.SetBackColor(0xFFFFFF);
  for (int32_t refused : {-1, 0x1000000}) {
    EXPECT_THROW(swatch.SetBackColor(refused), toolkit::RuntimeError);
  }
  EXPECT_EQ(swatch.BackColor(), 0xFFFFFF);
}

TEST_F(ToolkitRulesTest, FormRaisesMouseDownForPressesOnItsClientArea) {
  std::vector<toolkit::MouseButton> buttons;
  form.MouseDown.Connect("form_MouseDown",
                         [&](toolkit::MouseButton button, auto, auto, auto) { buttons.push_back(button); });
  QTest::mouseClick(form.Client(), Qt::RightButton, {}, QPoint(200, 140));
  QTest::mouseClick(form.Client(), Qt::MiddleButton, {}, QPoint(200, 140));
  EXPECT_EQ(buttons, (std::vector{toolkit::MouseButton::Right, toolkit::MouseButton::Middle}));
}

}  // namespace
