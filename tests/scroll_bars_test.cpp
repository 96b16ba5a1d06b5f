// The channel scroll bars: steps, the jump to the pointer over the track column after a
// mouse action, the keyboard step the pointer never overrides, the held click and the drag.
#include <QAbstractEventDispatcher>
#include <QScrollBar>

#include "tests/support/form_fixture.h"

namespace {

using ScrollBarTest = FormTest;

// The red bar steps from 100 by a click on an arrow or a key, with the pointer at x. After a
// click with the pointer in the track column the bar jumps to the pointer; a key always steps.
// At 120 dpi the column runs from 100 to 180.
TEST_F(ScrollBarTest, StepsByOneOrToAnEndOrAfterAClickToThePointerInTheColumn) {
  const std::pair<const char*, int> red_after[] = {
      {"R+100 p79 r)", 101},        {"R+100 p80 r)", 0},           {"R+100 p81 r)", 4},
      {"R+100 p128 r)", 191},       {"R+100 p143 r)", 251},        {"R+100 p144 r)", 255},
      {"R+100 p145 r)", 101},       {"R+100 p68 r(", 99},          {"dpi120 R+100 p108 r)", 26},
      {"dpi120 R+100 p124 r)", 76}, {"dpi120 R+100 p124 r>", 101}, {"R+100 p112 r>", 101},
      {"R+100 p144 r}", 101},       {"R+100 p96 r]", 255},         {"R+100 p128 r<", 99},
      {"R+100 p200 r^", 99},        {"R+100 p81 r{", 99},          {"R+100 p143 r[", 0},
      {"p112 r#112", 128}};
  for (const auto& [script, red] : red_after) {
    SetUp();
    Do(script);
    EXPECT_EQ(Shown(), InStep(red, 0, 0)) << script;
  }
  ExpectRows({{"p112 g#112", InStep(0, 128, 0)}, {"p112 b#112", InStep(0, 0, 128)}});
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
  EXPECT_EQ(std::pair(Raised("Frmkolwe_HSclRed_Change"), Shown()), std::pair(1, InStep(128, 0, 0)));
}

TEST_F(ScrollBarTest, AThumbDragChangesOnceAtTheReleaseToThePointersValueInTheColumn) {
  auto* bar = qobject_cast<QScrollBar*>(form().HSclRed.Widget());
  const QPoint grab(24, 8), dropped(54, 8);  // the thumb at 0 covers the first 16 of the column
  Do("p96");
  QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, grab);
  Key(bar, Qt::Key_Right);  // a key while the mouse holds the thumb steps by one all the same
  EXPECT_EQ(std::pair(Raised("Frmkolwe_HSclRed_Change"), Shown()), std::pair(1, InStep(1, 0, 0)));
  QTest::mouseMove(bar, dropped);
  ASSERT_GT(bar->sliderPosition(), 0) << "the thumb did not follow the drag";
  EXPECT_EQ(Raised("Frmkolwe_HSclRed_Change"), 0);
  QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, dropped);
  EXPECT_EQ(std::pair(Raised("Frmkolwe_HSclRed_Change"), Shown()), std::pair(1, InStep(64, 0, 0)));
}

}  // namespace
