// The channel scroll bars: steps, the jump to the pointer over the track column, the typed
// value the pointer never overrides, and the thumb drag.
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <ostream>

#include "tests/support/form_fixture.h"
#include "toolkit/units.h"

namespace {

// A step of the focused red bar from 100, by a key or a click on an arrow, with the pointer at
// x (y lies below the window: only x counts). Outside the track column a step moves by one or
// to an end; inside it, the bar jumps to the pointer. At 120 dpi the column runs 100 to 180.
enum Trigger { kLeftArrow = 1, kRightArrow = 2 };  // any other trigger is a Qt key
struct StepRow {
  int dpi, trigger, pointer_x, value;
};
void PrintTo(const StepRow& row, std::ostream* out) {
  *out << row.dpi << " dpi, trigger " << row.trigger << ", pointer x " << row.pointer_x;
}

const StepRow kSteps[] = {
    {96, kRightArrow, 79, 101},    {96, kRightArrow, 80, 0},     {96, kRightArrow, 81, 4},
    {96, kRightArrow, 96, 64},     {96, kRightArrow, 112, 128},  {96, kRightArrow, 128, 191},
    {96, kRightArrow, 143, 251},   {96, kRightArrow, 144, 255},  {96, kRightArrow, 145, 101},
    {120, kRightArrow, 108, 26},   {120, kRightArrow, 124, 76},  {96, kLeftArrow, 68, 99},
    {96, Qt::Key_Right, 200, 101}, {96, Qt::Key_Down, 200, 101}, {96, Qt::Key_PageDown, 200, 101},
    {96, Qt::Key_End, 200, 255},   {96, Qt::Key_Left, 200, 99},  {96, Qt::Key_Up, 200, 99},
    {96, Qt::Key_PageUp, 200, 99}, {96, Qt::Key_Home, 200, 0},   {96, Qt::Key_Left, 128, 99},
};

class StepTest : public FormTest, public ::testing::WithParamInterface<StepRow> {
 protected:
  void SetUp() override {
    toolkit::SetDotsPerInch(GetParam().dpi);
    FormTest::SetUp();
  }
  void TearDown() override {
    FormTest::TearDown();
    toolkit::SetDotsPerInch(toolkit::kDesignDotsPerInch);
  }
};

TEST_P(StepTest, MovesByOneOrToAnEndOrToThePointerInTheColumnAndWritesTheField) {
  const StepRow row = GetParam();
  QWidget* bar = form().HSclRed.Widget();
  Type(form().TxtR, "100");
  Tab();
  ASSERT_EQ(Focused(), bar);
  PointerAt(row.pointer_x, 300);
  if (row.trigger == kLeftArrow || row.trigger == kRightArrow) {
    ClickAt(bar, QPoint(row.trigger == kLeftArrow ? 5 : bar->width() - 5, 8));
  } else {
    Key(bar, row.trigger);
  }
  EXPECT_EQ(Shown(), InStep(row.value, 0, 0));
}

INSTANTIATE_TEST_SUITE_P(RedFrom100, StepTest, ::testing::ValuesIn(kSteps));

using ScrollBarTest = FormTest;

TEST_F(ScrollBarTest, ATrackClickAtX112SetsOnlyThatBarAndItsField) {
  toolkit::ScrollBar* bars[] = {&form().HSclRed, &form().HSclGreen, &form().HSclBlue};
  int values[3] = {0, 0, 0};
  for (int index = 0; index < 3; ++index) {
    QWidget* bar = bars[index]->Widget();
    PointerAt(112, bar->y() + 8);
    ClickAt(bar, QPoint(112 - bar->x(), 8));
    values[index] = 128;
    EXPECT_EQ(Shown(), InStep(values[0], values[1], values[2])) << "bar " << index;
  }
}

TEST_F(ScrollBarTest, ATypedValueIsNotReplacedByThePointerOverTheColumn) {
  PointerAt(112, 16);  // resting on the red bar's track
  Type(form().TxtR, "200");
  EXPECT_EQ(Shown(), InStep(200, 0, 0));
  EXPECT_EQ(form().TextBusy, 0);
}

TEST_F(ScrollBarTest, AThumbDragChangesOnceAtTheReleaseToThePointersValueInTheColumn) {
  auto* bar = qobject_cast<QScrollBar*>(form().HSclRed.Widget());
  const QPoint grab(24, 8), dropped(54, 8);  // the thumb at 0 covers the first 16 of the column
  PointerAt(96, 16);
  auto& trace = TraceHandlers();
  QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, grab);
  QTest::mouseMove(bar, dropped);
  ASSERT_GT(bar->sliderPosition(), 0) << "the thumb did not follow the drag";
  EXPECT_TRUE(trace.empty());
  QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, dropped);
  EXPECT_EQ(std::count(trace.begin(), trace.end(), "Frmkolwe_HSclRed_Change@0"), 1);
  EXPECT_EQ(Shown(), InStep(64, 0, 0));
}

}  // namespace
