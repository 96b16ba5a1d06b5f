// The window as it opens, the exit question, the tab order and the layout's scaling.
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QTest>

#include "tests/support/form_fixture.h"
#include "toolkit/units.h"

namespace {

using StartupTest = FormTest;

TEST_F(StartupTest, OpensBlackWithEveryControlInItsStartState) {
  EXPECT_EQ(Shown(), (Views{"0", "0", "0", "000000", 0, 0, 0, 0, true}));
  EXPECT_EQ(form().ChkTop.Value(), 0);
  EXPECT_TRUE(form().CmdGet.Enabled());
  EXPECT_EQ(Focused(), form().TxtR.Widget());
  EXPECT_EQ(form().TxtR.SelStart(), 0);
  EXPECT_EQ(form().TxtR.SelLength(), 1);
  EXPECT_EQ(form().Form.Caption(), u"ミロカver1.10");
  EXPECT_EQ(form().Form.Client()->size(), QSize(240, 153));
  EXPECT_EQ(form().Form.Window()->menuBar()->actions().at(0)->text(), "終了(&X)");
}

TEST_F(StartupTest, NoChangeHandlerRanForTheDesignTimeValues) {
  const Frmkolwe& f = form();
  EXPECT_TRUE(f.PrevR.empty() && f.PrevG.empty() && f.PrevB.empty());
  EXPECT_EQ(f.HexLen, 0);
  EXPECT_EQ(f.LenB, 0);
  EXPECT_EQ(f.TextBusy, 0);
  EXPECT_EQ(f.PickArmed, 0);
  EXPECT_EQ(f.Answer, 0);
  EXPECT_FALSE(f.MouseDownR || f.MouseDownG || f.MouseDownB || f.MouseDown16);
}

TEST_F(StartupTest, LoadComputesTheTrackColumnAtDesignResolution) {
  EXPECT_EQ(form().HSclRed.Left(), 64);
  EXPECT_FLOAT_EQ(form().BarLo, 80);
  EXPECT_FLOAT_EQ(form().BarHi, 144);
  EXPECT_EQ(form().BarSpan, 64);
}

TEST_F(StartupTest, ExitAnsweredNoLeavesEverythingAsItWas) {
  Type(form().TxtR, "5");
  const Views before = Shown();
  const Text prev_r = form().PrevR;
  QTest::keyClick(form().TxtR.Widget(), Qt::Key_X, Qt::AltModifier);  // the menu's access key
  EXPECT_EQ(message_box.shown, 1);
  EXPECT_EQ(message_box.prompt, u"終了しますか？");
  EXPECT_EQ(message_box.title, u"ミロカver1.10");
  EXPECT_EQ(message_box.style, 4);
  EXPECT_EQ(form().Answer, 7);
  EXPECT_EQ(end.ended, 0);
  EXPECT_EQ(Shown(), before);
  EXPECT_EQ(form().PrevR, prev_r);
}

TEST_F(StartupTest, ExitAnsweredYesEndsTheProgram) {
  message_box.answer = toolkit::kMsgBoxYes;
  form().Form.Window()->menuBar()->actions().at(0)->trigger();
  EXPECT_EQ(form().Answer, 6);
  EXPECT_EQ(end.ended, 1);
}

TEST_F(StartupTest, ClosingTheWindowAsksNothing) {
  form().Form.Window()->close();
  EXPECT_EQ(message_box.shown, 0);
  EXPECT_FALSE(form().Form.Window()->isVisible());
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

TEST(ScaledLayoutTest, At120DotsPerInchTheTrackColumnScalesWithTheBars) {
  toolkit::SetDotsPerInch(120);
  FakeMlmouse mouse;
  FakeMessageBox message_box;
  FakeClipboard clipboard;
  FakeEnd end;
  {
    Frmkolwe form({mouse, message_box, clipboard, end});
    form.Start();
    EXPECT_EQ(form.HSclRed.Left(), 80);
    EXPECT_FLOAT_EQ(form.BarLo, 100);
    EXPECT_FLOAT_EQ(form.BarHi, 180);
    EXPECT_EQ(form.BarSpan, 80);
    EXPECT_EQ(form.Form.Client()->size(), QSize(300, 191));
  }
  toolkit::SetDotsPerInch(toolkit::kDesignDotsPerInch);
}

}  // namespace
