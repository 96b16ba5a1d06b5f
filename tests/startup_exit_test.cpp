// The window as it opens, its layout in device pixels, the exit question and the tab order.
#include <QCursor>
#include <QLineEdit>
#include <QMenuBar>

#include "tests/support/form_fixture.h"
#include "toolkit/qt_mlmouse.h"
#include "toolkit/qt_units.h"

namespace {

using StartupTest = FormTest;

// Every control at its place in pixels at 96 dpi times the screen's scale, captions fitting;
// under a dark palette Label16 takes the palette's text colour, the letters keep their own.
TEST_F(StartupTest, OpensBlackWithEveryControlAtItsPlaceInDevicePixels) {
  const QPalette light = QApplication::palette();
  QApplication::setPalette(QPalette(Qt::white, Qt::black));  // white text on black
  SetUp();
  QApplication::setPalette(light);
  Frmkolwe& f = form();
  for (const auto& [label, colour] :
       {std::pair(&f.Label16, QColor(Qt::white)), std::pair(&f.Label1, QColor(255, 0, 0)),
        std::pair(&f.Label2, QColor(0, 128, 0)), std::pair(&f.Label3, QColor(0, 0, 128))}) {
    EXPECT_EQ(label->Widget()->palette().color(QPalette::WindowText), colour);
  }
  EXPECT_EQ(std::tuple(Shown(), int(f.ChkTop.Value()), f.CmdGet.Enabled(), f.TxtR.SelLength()),
            std::tuple(InStep(0, 0, 0), 0, true, 1));
  EXPECT_EQ(f.Form.MenuBar()->actions().at(0)->text(), "終了(&X)");
  const double scale = f.Form.Window()->devicePixelRatioF();
  const auto device = [scale](int pixels) { return int(std::lround(pixels * scale)); };
  const std::pair<QWidget*, std::array<int, 4>> layout[] = {
      {f.Label1.Widget(), {16, 16, 8, 12}},     {f.LblColor.Widget(), {128, 88, 33, 33}},
      {f.Label3.Widget(), {16, 64, 8, 12}},     {f.Label2.Widget(), {16, 40, 8, 12}},
      {f.Label16.Widget(), {16, 96, 44, 12}},   {f.TxtR.Widget(), {32, 16, 25, 18}},
      {f.HSclRed.Widget(), {64, 16, 97, 17}},   {f.TxtG.Widget(), {32, 40, 25, 18}},
      {f.HSclGreen.Widget(), {64, 40, 97, 17}}, {f.TxtB.Widget(), {32, 64, 25, 18}},
      {f.HSclBlue.Widget(), {64, 64, 97, 17}},  {f.Txt16.Widget(), {56, 96, 57, 18}},
      {f.CmdClip.Widget(), {176, 32, 41, 25}},  {f.CmdClear1.Widget(), {176, 56, 41, 25}},
      {f.CmdGet.Widget(), {176, 80, 41, 25}},   {f.ChkTop.Widget(), {8, 136, 137, 17}}};
  for (const auto& [widget, px] : layout) {
    SCOPED_TRACE(testing::Message() << px[0] << "," << px[1]);
    EXPECT_EQ(toolkit::DeviceRect(widget),
              QRect(device(px[0]), device(px[1]), device(px[2]), device(px[3])));
    if (widget->inherits("QLabel") || widget->inherits("QCheckBox")) {  // the caption fits
      EXPECT_LE(widget->sizeHint().width(), widget->width());
      EXPECT_LE(widget->fontMetrics().height(), widget->height());
    }
  }
  EXPECT_EQ(toolkit::DeviceRect(f.Form.Client()).size(), QSize(device(240), device(153)));
  EXPECT_EQ(std::tuple(f.HSclRed.Left(), f.BarLo, f.BarHi, int(f.BarSpan)),
            std::tuple(device(64), device(80) * 1.f, device(144) * 1.f, device(64)));
  QCursor::setPos(f.HSclRed.Widget()->mapToGlobal(QPoint(0, 0)));  // the real pointer calls
  toolkit::QtMlmouse real;
  real.GetCursorPos(f.CurPos);
  real.ScreenToClient(f.Form.hWnd(), f.CurPos);
  EXPECT_EQ(f.CurPos.x, f.HSclRed.Left());
}

TEST_F(StartupTest, ExitAnsweredNoLeavesEverythingAsItWasYesEndsAndClosingAsksNothing) {
  Do({Type(R, "5")});
  QTest::keyClick(form().TxtR.Widget(), Qt::Key_X, Qt::AltModifier);  // the menu's access key
  EXPECT_EQ(services.asked, (std::vector<Text>{u"終了しますか？", u"ミロカver1.10"}));
  EXPECT_EQ(std::tuple(int(form().Answer), services.ended, Shown()),
            std::tuple(7, 0, InStep(5, 0, 0)));
  services.answer = toolkit::kMsgBoxYes;
  form().Form.MenuBar()->actions().at(0)->trigger();
  EXPECT_EQ(std::pair(int(form().Answer), services.ended), std::pair(6, 1));
  SetUp();
  form().Form.Window()->close();
  EXPECT_EQ(std::pair(services.asked.size(), form().Form.Window()->isVisible()),
            std::pair(size_t(4), false));
}

// Also run with Latin fonts only: whichever font the program found, "255" shows whole, so
// showing its end scrolls nothing.
TEST_F(StartupTest, AFullChannelFitsItsField) {
  Do({Paste(R, "255")});
  auto* edit = static_cast<QLineEdit*>(form().TxtR.Widget());
  edit->clearFocus();
  edit->setCursorPosition(0);
  const QImage start = edit->grab().toImage();
  edit->setCursorPosition(3);
  EXPECT_EQ(edit->grab().toImage(), start);
}

TEST_F(StartupTest, TabVisitsTheControlsInOrderBothWays) {
  Frmkolwe& f = form();
  const QWidget* order[] = {f.TxtR.Widget(),      f.HSclRed.Widget(), f.TxtG.Widget(),
                            f.HSclGreen.Widget(), f.TxtB.Widget(),    f.HSclBlue.Widget(),
                            f.Txt16.Widget(),     f.CmdClip.Widget(), f.CmdClear1.Widget(),
                            f.CmdGet.Widget(),    f.ChkTop.Widget()};
  for (int step = 1; step <= 22; ++step) {  // round and back again
    step <= 11 ? Tab() : ShiftTab();
    EXPECT_EQ(QApplication::focusWidget(), order[step <= 11 ? step % 11 : 22 - step]) << step;
  }
}

}  // namespace
