// The channel scroll bars: steps, the jump to the pointer over the track column after a
// mouse action, the keyboard step the pointer never overrides, the held click and the drag.
#include <QAbstractEventDispatcher>
#include <QScrollBar>

#include "tests/support/form_fixture.h"
#include "toolkit/units.h"

namespace {

using ScrollBarTest = FormTest;
enum Trigger { kLeftArrow = 1, kRightArrow = 2 };  // any other trigger is a Qt key

// A step of the focused red bar from 100, by a key or a click on an arrow, with the pointer at
// x (y at the top edge, off the bars: only x counts). A click with the pointer in the track column
// makes the bar jump to the pointer; a key always steps. At 120 dpi the column runs 100 to 180.
TEST_F(ScrollBarTest, StepsByOneOrToAnEndOrAfterAClickToThePointerInTheColumn) {
  const int rows[][4] = {
      {96, kRightArrow, 79, 101},  {96, kRightArrow, 80, 0},         {96, kRightArrow, 81, 4},
      {96, kRightArrow, 96, 64},   {96, kRightArrow, 128, 191},      {96, kRightArrow, 143, 251},
      {96, kRightArrow, 144, 255}, {96, kRightArrow, 145, 101},      {120, kRightArrow, 108, 26},
      {120, kRightArrow, 124, 76}, {96, kLeftArrow, 68, 99},         {96, Qt::Key_Right, 112, 101},
      {96, Qt::Key_Down, 80, 101}, {96, Qt::Key_PageDown, 144, 101}, {96, Qt::Key_End, 96, 255},
      {96, Qt::Key_Left, 128, 99}, {96, Qt::Key_Up, 200, 99},        {96, Qt::Key_PageUp, 81, 99},
      {96, Qt::Key_Home, 143, 0},  {120, Qt::Key_Right, 124, 101}};
  for (const auto& [dpi, trigger, pointer_x, value] : rows) {
    toolkit::SetDotsPerInch(dpi);
    SetUp();
    toolkit::SetDotsPerInch(toolkit::kDesignDotsPerInch);
    QWidget* bar = form().HSclRed.Widget();
    Do("R+100 p" + std::to_string(pointer_x));
    Tab();
    if (trigger == kLeftArrow || trigger == kRightArrow) {
      ClickAt(bar, QPoint(trigger == kLeftArrow ? 5 : bar->width() - 5, 8));
    } else {
      Key(bar, trigger);
    }
    EXPECT_EQ(Shown(), InStep(value, 0, 0)) << dpi << " dpi, " << trigger << " at " << pointer_x;
  }
}

TEST_F(ScrollBarTest, ATrackClickAtX112SetsOnlyThatBarAndItsField) {
  toolkit::ScrollBar* bars[] = {&form().HSclRed, &form().HSclGreen, &form().HSclBlue};
  int values[3] = {0, 0, 0};
  for (int index = 0; index < 3; ++index) {
    Do("p112");
    ClickAt(bars[index]->Widget(), QPoint(112 - bars[index]->Widget()->x(), 8));
    values[index] = 128;
    EXPECT_EQ(Shown(), InStep(values[0], values[1], values[2])) << "bar " << index;
  }
}

// The bar's repeat timer is fired by hand, as often as a long hold would fire it.
TEST_F(ScrollBarTest, AHeldTrackClickChangesOnceAndStopsWhereThePointerIs) {
  QWidget* bar = form().HSclRed.Widget();
  const QPoint at(112 - bar->x(), 8);
  Do("p112");
  QTest::mouseMove(bar, at);
  QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, at);
  for (int repeat = 0; repeat < 20; ++repeat) {
    for (const auto& timer : QAbstractEventDispatcher::instance()->registeredTimers(bar)) {
      QTimerEvent tick(timer.timerId);
      QApplication::sendEvent(bar, &tick);
    }
  }
  QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, at);
  EXPECT_EQ(Raised("Frmkolwe_HSclRed_Change"), 1);
  EXPECT_EQ(Shown(), InStep(128, 0, 0));
}

TEST_F(ScrollBarTest, AThumbDragChangesOnceAtTheReleaseToThePointersValueInTheColumn) {
  auto* bar = qobject_cast<QScrollBar*>(form().HSclRed.Widget());
  const QPoint grab(24, 8), dropped(54, 8);  // the thumb at 0 covers the first 16 of the column
  Do("p96");
  QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, grab);
  QTest::mouseMove(bar, dropped);
  ASSERT_GT(bar->sliderPosition(), 0) << "the thumb did not follow the drag";
  EXPECT_EQ(Raised("Frmkolwe_HSclRed_Change"), 0);
  QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, dropped);
  EXPECT_EQ(Raised("Frmkolwe_HSclRed_Change"), 1);
  EXPECT_EQ(Shown(), InStep(64, 0, 0));
}

}  // namespace
