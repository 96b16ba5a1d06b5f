// The channel scroll bars: steps, the jump to the pointer over the track column after a
// mouse action, the keyboard step the pointer never overrides, the held click and the drag.
#include <QAbstractEventDispatcher>
#include <QScrollBar>

#include "tests/support/form_fixture.h"

namespace {

using ScrollBarTest = FormTest;

// The red bar steps from 100 by a click on an arrow or a key, with the pointer at client x.
// After a click with the pointer in the track column (80 to 144, at 120 dpi 100 to 180) the
// bar jumps to the pointer; a key always steps.
TEST_F(ScrollBarTest, StepsByOneOrToAnEndOrAfterAClickToThePointerInTheColumn) {
  const Step at_100 = Type(R, "100");
  ExpectRows(
      {Row("left of it", {at_100, PointerAt(79), ClickRightArrow(RedBar)}, InStep(101, 0, 0)),
       Row("its start", {at_100, PointerAt(80), ClickRightArrow(RedBar)}, InStep(0, 0, 0)),
       Row("one in", {at_100, PointerAt(81), ClickRightArrow(RedBar)}, InStep(4, 0, 0)),
       Row("its end", {at_100, PointerAt(144), ClickRightArrow(RedBar)}, InStep(255, 0, 0)),
       Row("right of it", {at_100, PointerAt(145), ClickRightArrow(RedBar)}, InStep(101, 0, 0)),
       Row("120 dpi", {OpenAtDpi(120), at_100, PointerAt(108), ClickRightArrow(RedBar)},
           InStep(26, 0, 0)),
       Row("a tie, even", {OpenAtDpi(120), at_100, PointerAt(124), ClickRightArrow(RedBar)},
           InStep(76, 0, 0)),
       Row("PgDn", {at_100, PointerAt(144), Press(RedBar, Qt::Key_PageDown)}, InStep(101, 0, 0)),
       Row("End", {at_100, PointerAt(96), Press(RedBar, Qt::Key_End)}, InStep(255, 0, 0)),
       Row("Home", {at_100, PointerAt(143), Press(RedBar, Qt::Key_Home)}, InStep(0, 0, 0)),
       Row("a click on each track",
           {ClickTrack(RedBar, 112), ClickTrack(GreenBar, 128), ClickTrack(BlueBar, 144)},
           InStep(128, 191, 255))});
}

// The bar's repeat timer is fired by hand, as often as a long hold would fire it.
TEST_F(ScrollBarTest, AHeldTrackClickChangesOnceAndStopsWhereThePointerIs) {
  QWidget* bar = form().HSclRed.Widget();
  const QPoint at(112 - bar->x(), 8);
  Do({PointerAt(112)});
  QTest::mouseMove(bar, at);
  QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, at);
  for (int repeat = 0; repeat < 20; ++repeat) {
    for (const auto& timer : QAbstractEventDispatcher::instance()->registeredTimers(bar)) {
      QTimerEvent tick(timer.timerId);
      QApplication::sendEvent(bar, &tick);
    }
  }
  QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, at);
  EXPECT_EQ(std::pair(Raised("Frmkolwe_HSclRed_Change"), Shown()), std::pair(1, InStep(128, 0, 0)));
}

TEST_F(ScrollBarTest, AThumbDragChangesOnceAtTheReleaseToThePointersValueInTheColumn) {
  auto* bar = qobject_cast<QScrollBar*>(form().HSclRed.Widget());
  const QPoint grab(24, 8), dropped(54, 8);  // the thumb at 0 covers the first 16 of the column
  Do({PointerAt(96)});
  QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, grab);
  // A key while the mouse holds the thumb steps by one all the same.
  QTest::keyClick(bar, Qt::Key_Right);
  EXPECT_EQ(std::pair(Raised("Frmkolwe_HSclRed_Change"), Shown()), std::pair(1, InStep(1, 0, 0)));
  QTest::mouseMove(bar, dropped);
  ASSERT_GT(bar->sliderPosition(), 0) << "the thumb did not follow the drag";
  EXPECT_EQ(Raised("Frmkolwe_HSclRed_Change"), 0);
  QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, dropped);
  EXPECT_EQ(std::pair(Raised("Frmkolwe_HSclRed_Change"), Shown()), std::pair(1, InStep(64, 0, 0)));
}

// The bar's handler must leave a typed value alone even while the mouse holds its thumb.
TEST_F(ScrollBarTest, AValueTypedWhileTheThumbIsHeldStays) {
  QWidget* bar = form().HSclRed.Widget();
  Do({PointerAt(112)});
  QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, QPoint(24, 8));
  ShiftTab();  // to the red field
  Do({Type(R, "7")});
  EXPECT_EQ(Shown(), InStep(7, 0, 0));
  QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, QPoint(24, 8));
}

}  // namespace
