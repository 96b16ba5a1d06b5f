// The toolkit's rules for keys and the context menu, on the red field of the real form, whose
// key filter admits digits and Backspace.
#include <gtest/gtest-spi.h>

#include <QContextMenuEvent>
#include <QInputMethodEvent>

#include "tests/support/form_fixture.h"
#include "toolkit/runtime_error.h"

namespace {

using ToolkitRulesTest = FormTest;

// Keys held with Alt or Meta type nothing, as on Windows; AltGr, which Windows reports as
// Ctrl+Alt, types through the key filter. Editing keys are the field's own and pass no filter.
TEST_F(ToolkitRulesTest, OnlyCharacterKeysMeetTheKeyFilterAndAltOrMetaTypeNothing) {
  constexpr auto kAlt = Qt::AltModifier, kCtrl = Qt::ControlModifier;
  // Each key is pressed with the caret at the start of "12".
  const std::tuple<const char*, Qt::Key, const char*, Qt::KeyboardModifiers, std::string> rows[] = {
      {"Alt", Qt::Key_1, "1", kAlt, "12"},
      {"Meta", Qt::Key_1, "1", Qt::MetaModifier, "12"},
      {"AltGr", Qt::Key_1, "1", kCtrl | kAlt, "112"},
      {"AltGr and a letter", Qt::Key_G, "g", kCtrl | kAlt, "12"},
      {"Delete", Qt::Key_Delete, "\x7f", {}, "2"}};
  for (const auto& [row, key, text, modifiers, after] : rows) {
    Do({Paste(R, "12"), Select(R, 0, 0)});
    QTest::sendKeyEvent(QTest::Click, form().TxtR.Widget(), key, text, modifiers);
    EXPECT_EQ(Utf8(form().TxtR.Text()), after) << row;
  }
  Do({Paste(R, "1")});
  QInputMethodEvent commit;  // an input method's text meets the same filter
  commit.setCommitString("3x");
  QApplication::sendEvent(form().TxtR.Widget(), &commit);
  EXPECT_EQ(form().TxtR.Text(), u"13");
}

// A right click brings the focus back and opens the field's menu; closed with Escape, it leaves
// the caret where it was and selects nothing.
TEST_F(ToolkitRulesTest, ARightClickAndTheContextMenuLeaveTheCaret) {
  Do({Paste(R, "123"), Select(R, 1, 0)});
  form().CmdGet.Widget()->setFocus(Qt::OtherFocusReason);
  const QPoint inside(5, 9);
  ClickAt(form().TxtR.Widget(), inside, Qt::RightButton);
  QContextMenuEvent menu(QContextMenuEvent::Mouse, inside,
                         form().TxtR.Widget()->mapToGlobal(inside));
  QApplication::sendEvent(form().TxtR.Widget(), &menu);
  ASSERT_TRUE(QApplication::activePopupWidget()) << "no menu";
  QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
  EXPECT_EQ(std::pair(form().TxtR.SelStart(), form().TxtR.SelLength()), std::pair(1, 0));
}

// No error ends the program: it abandons the one handler it reached and leaves one line,
// and a test that did not expect it fails.
TEST(DispatchTest, AnUntrappedErrorAbandonsItsHandlerAloneAndLeavesOneLine) {
  toolkit::Event<> inner, outer;
  std::vector<std::string> ran;
  inner.Connect("Inner", [] { throw toolkit::RuntimeError(toolkit::ErrorNumber::Overflow); });
  outer.Connect("Outer", [&] { ran.push_back("before"), inner.Raise(), ran.push_back("after"); });
  testing::internal::CaptureStderr();
  EXPECT_NONFATAL_FAILURE(outer.Raise(), "untrapped error in Inner");
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "kolwe: untrapped error in Inner: runtime error 6 (overflow)\n");
  EXPECT_EQ(ran, (std::vector<std::string>{"before", "after"}));
}

}  // namespace
