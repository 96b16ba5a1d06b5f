// The window as it opens, the exit question, the tab order and the layout's scaling.
#include <QLineEdit>
#include <QMenuBar>

#include "tests/support/form_fixture.h"
#include "toolkit/units.h"

namespace {

using StartupTest = FormTest;

// The scroll bars' column and what Load derived from it, and the client area's size.
auto Layout(const Frmkolwe& f) {
  return std::tuple(f.HSclRed.Left(), f.BarLo, f.BarHi, int(f.BarSpan), f.Form.Client()->width(),
                    f.Form.Client()->height());
}

TEST_F(StartupTest, OpensBlackWithEveryControlAndVariableInItsStartState) {
  const Frmkolwe& f = form();
  EXPECT_EQ(Shown(), (Views{"0", "0", "0", "000000", 0, 0, 0, 0, true}));
  EXPECT_TRUE(f.ChkTop.Value() == 0 && f.CmdGet.Enabled());
  EXPECT_EQ(Focused(), f.TxtR.Widget());
  EXPECT_EQ(std::pair(f.TxtR.SelStart(), f.TxtR.SelLength()), std::pair(0, 1));
  EXPECT_EQ(f.Form.Caption(), u"ミロカver1.10");
  EXPECT_EQ(f.Form.Window()->menuBar()->actions().at(0)->text(), "終了(&X)");
  EXPECT_EQ(Layout(f), std::tuple(64, 80.f, 144.f, 64, 240, 153));
  // No Change handler ran for the design-time values.
  EXPECT_TRUE(f.PrevR.empty() && f.PrevG.empty() && f.PrevB.empty());
  EXPECT_EQ((std::vector<int>{f.HexLen, f.LenR, f.LenG, f.LenB, f.TextBusy, f.PickArmed, f.Answer,
                              f.MouseDownR, f.MouseDownG, f.MouseDownB, f.MouseDown16}),
            std::vector<int>(11, 0));
}

TEST_F(StartupTest, At120DotsPerInchTheTrackColumnScalesWithTheBars) {
  toolkit::SetDotsPerInch(120);
  Frmkolwe scaled({mouse, message_box, clipboard, end});
  scaled.Start();
  toolkit::SetDotsPerInch(toolkit::kDesignDotsPerInch);
  EXPECT_EQ(Layout(scaled), std::tuple(80, 100.f, 180.f, 80, 300, 191));
}

TEST_F(StartupTest, ExitAnsweredNoLeavesEverythingAsItWas) {
  Type(form().TxtR, "5");
  const Views before = Shown();
  const Text prev_r = form().PrevR;
  QTest::keyClick(form().TxtR.Widget(), Qt::Key_X, Qt::AltModifier);  // the menu's access key
  EXPECT_EQ(message_box.prompt, u"終了しますか？");
  EXPECT_EQ(message_box.title, u"ミロカver1.10");
  EXPECT_EQ(std::tuple(message_box.shown, message_box.style, int(form().Answer), end.ended),
            std::tuple(1, 4, 7, 0));
  EXPECT_EQ(Shown(), before);
  EXPECT_EQ(form().PrevR, prev_r);
}

TEST_F(StartupTest, ExitAnsweredYesEndsTheProgram) {
  message_box.answer = toolkit::kMsgBoxYes;
  form().Form.Window()->menuBar()->actions().at(0)->trigger();
  EXPECT_EQ(std::pair(int(form().Answer), end.ended), std::pair(6, 1));
}

TEST_F(StartupTest, ClosingTheWindowAsksNothing) {
  form().Form.Window()->close();
  EXPECT_EQ(message_box.shown, 0);
  EXPECT_FALSE(form().Form.Window()->isVisible());
}

// Also run with Latin fonts only: whichever font the program found, "255" shows whole, so
// showing its end scrolls nothing.
TEST_F(StartupTest, AFullChannelFitsItsField) {
  Type(form().TxtR, "255");
  auto* edit = static_cast<QLineEdit*>(form().TxtR.Widget());
  edit->clearFocus();
  edit->setCursorPosition(0);
  const QImage start = edit->grab().toImage();
  edit->setCursorPosition(3);
  EXPECT_EQ(edit->grab().toImage(), start);
}

TEST_F(StartupTest, TabVisitsTheControlsInOrderBothWays) {
  Frmkolwe& f = form();
  const std::vector<QWidget*> order = {
      f.TxtR.Widget(),      f.HSclRed.Widget(),  f.TxtG.Widget(),   f.HSclGreen.Widget(),
      f.TxtB.Widget(),      f.HSclBlue.Widget(), f.Txt16.Widget(),  f.CmdClip.Widget(),
      f.CmdClear1.Widget(), f.CmdGet.Widget(),   f.ChkTop.Widget(), f.TxtR.Widget()};
  for (size_t i = 1; i < order.size(); ++i) {
    Tab();
    EXPECT_EQ(Focused(), order[i]) << "forward step " << i;
  }
  for (size_t i = order.size() - 1; i-- > 0;) {
    Tab(Qt::ShiftModifier);
    EXPECT_EQ(Focused(), order[i]) << "backward step " << i;
  }
}

}  // namespace
