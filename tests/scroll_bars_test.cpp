// The channel scroll bars: arrow, track and keyboard steps, the jump to the pointer over the
// track column, the typed value that the pointer never overrides, and the thumb drag.
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "tests/support/form_fixture.h"
#include "toolkit/units.h"

namespace {

constexpr int kNotPositioned = -1;
constexpr int kBarMiddle = 8;  // a y inside every bar, in the bar's own coordinates

struct Channel {
  toolkit::ScrollBar& bar;
  toolkit::TextBox& field;
  std::string change;  // the bar's Change handler
};

Channel ChannelOf(Frmkolwe& form, int index) {
  switch (index) {
    case 0:
      return {form.HSclRed, form.TxtR, "Frmkolwe_HSclRed_Change"};
    case 1:
      return {form.HSclGreen, form.TxtG, "Frmkolwe_HSclGreen_Change"};
    default:
      return {form.HSclBlue, form.TxtB, "Frmkolwe_HSclBlue_Change"};
  }
}

QScrollBar* BarWidget(toolkit::ScrollBar& bar) {
  return qobject_cast<QScrollBar*>(bar.Widget());
}

QRect ThumbRect(QScrollBar* bar) {
  QStyleOptionSlider option;
  option.initFrom(bar);
  option.subControls = QStyle::SC_All;
  option.orientation = Qt::Horizontal;
  option.state |= QStyle::State_Horizontal;
  option.minimum = bar->minimum();
  option.maximum = bar->maximum();
  option.sliderPosition = bar->sliderPosition();
  option.sliderValue = bar->value();
  option.singleStep = bar->singleStep();
  option.pageStep = bar->pageStep();
  return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider,
                                      bar);
}

long Count(const std::vector<std::string>& trace, const std::string& entry) {
  return std::count(trace.begin(), trace.end(), entry);
}

class ScrollBarTest : public FormTest {
 protected:
  // Red at 100 (typed), focus on its bar.
  void RedAt100WithBarFocused() {
    Type(form().TxtR, "100");
    Tab();
    ASSERT_EQ(Focused(), form().HSclRed.Widget());
    ASSERT_EQ(form().HSclRed.Value(), 100);
  }

  // A click on a bar at a client x, with the pointer really there.
  void ClickBarAt(toolkit::ScrollBar& bar, int client_x) {
    QWidget* widget = bar.Widget();
    PointerAt(client_x, widget->y() + kBarMiddle);
    ClickAt(widget, QPoint(client_x - widget->x(), kBarMiddle));
  }
};

// Pointer x, and the value a step of the red bar ends at (from 100; a step alone gives 101).
struct PositionRow {
  int pointer_x;
  int value;
};

enum class Trigger { KeyStep, ArrowClick };

void PrintTo(const PositionRow& row, std::ostream* out) {
  *out << "pointer x " << row.pointer_x;
}
void PrintTo(Trigger trigger, std::ostream* out) {
  *out << (trigger == Trigger::KeyStep ? "key step" : "arrow click");
}

class ClickToPositionTest : public ScrollBarTest,
                            public ::testing::WithParamInterface<std::tuple<PositionRow, Trigger>> {
};

TEST_P(ClickToPositionTest, AStepWithThePointerInTheColumnJumpsToThePointer) {
  const auto [row, trigger] = GetParam();
  RedAt100WithBarFocused();
  PointerAt(row.pointer_x, 300);  // only x counts: y lies well below the window
  if (trigger == Trigger::KeyStep) {
    Key(form().HSclRed.Widget(), Qt::Key_Right);
  } else {
    QWidget* bar = form().HSclRed.Widget();
    ClickAt(bar, QPoint(bar->width() - 5, kBarMiddle));  // the right arrow
  }
  EXPECT_EQ(Shown(), InStep(row.value == kNotPositioned ? 101 : row.value, 0, 0));
}

INSTANTIATE_TEST_SUITE_P(
    DesignColumn, ClickToPositionTest,
    ::testing::Combine(::testing::Values(PositionRow{79, kNotPositioned}, PositionRow{80, 0},
                                         PositionRow{81, 4}, PositionRow{96, 64},
                                         PositionRow{112, 128}, PositionRow{128, 191},
                                         PositionRow{143, 251}, PositionRow{144, 255},
                                         PositionRow{145, kNotPositioned}),
                       ::testing::Values(Trigger::KeyStep, Trigger::ArrowClick)),
    [](const auto& info) {
      return "X" + std::to_string(std::get<PositionRow>(info.param).pointer_x) +
             (std::get<Trigger>(info.param) == Trigger::KeyStep ? "_KeyStep" : "_ArrowClick");
    });

// At 120 dots per inch the bars' left edge is 80 pixels and the column runs from 100 to 180.
class ScaledClickToPositionTest : public ScrollBarTest,
                                  public ::testing::WithParamInterface<PositionRow> {
 protected:
  void SetUp() override {
    toolkit::SetDotsPerInch(120);
    ScrollBarTest::SetUp();
  }
  void TearDown() override {
    ScrollBarTest::TearDown();
    toolkit::SetDotsPerInch(toolkit::kDesignDotsPerInch);
  }
};

TEST_P(ScaledClickToPositionTest, TheColumnScalesWithTheBarsAndTiesGoToEven) {
  const PositionRow row = GetParam();
  RedAt100WithBarFocused();
  PointerAt(row.pointer_x, 30);
  Key(form().HSclRed.Widget(), Qt::Key_Right);
  EXPECT_EQ(Shown(), InStep(row.value == kNotPositioned ? 101 : row.value, 0, 0));
}

INSTANTIATE_TEST_SUITE_P(At120Dpi, ScaledClickToPositionTest,
                         ::testing::Values(PositionRow{99, kNotPositioned}, PositionRow{100, 0},
                                           PositionRow{108, 26}, PositionRow{124, 76},
                                           PositionRow{180, 255}, PositionRow{181, kNotPositioned}),
                         [](const auto& info) {
                           return "X" + std::to_string(info.param.pointer_x);
                         });

class TrackClickTest : public ScrollBarTest, public ::testing::WithParamInterface<int> {};

TEST_P(TrackClickTest, SetsOnlyThatBarAndItsFieldAndNestsOnce) {
  const int index = GetParam();
  const Channel channel = ChannelOf(form(), index);
  auto& trace = TraceHandlers();
  ClickBarAt(channel.bar, 112);

  int values[3] = {0, 0, 0};
  values[index] = 128;
  EXPECT_EQ(Shown(), InStep(values[0], values[1], values[2]));
  // The track's own step, then the jump to the pointer, which raises the handler once more.
  EXPECT_EQ(Count(trace, channel.change + "@0"), 1);
  EXPECT_EQ(Count(trace, channel.change + "@1"), 1);
  EXPECT_EQ(Count(trace, channel.change + "@2"), 0);
}

std::string BarName(const ::testing::TestParamInfo<int>& info) {
  return info.param == 0 ? "Red" : info.param == 1 ? "Green" : "Blue";
}

INSTANTIATE_TEST_SUITE_P(EachBar, TrackClickTest, ::testing::Values(0, 1, 2), BarName);

// Steps with the pointer away from the column: each moves the value by one, or to an end.
struct StepRow {
  const char* name;
  int key;       // a key on the focused bar, or 0 for a click
  int click_x;   // client x of the click, where the pointer also stands
  int expected;  // starting from 100
};

class StepTest : public ScrollBarTest, public ::testing::WithParamInterface<StepRow> {};

TEST_P(StepTest, StepsByOneAndWritesTheField) {
  const StepRow row = GetParam();
  RedAt100WithBarFocused();
  if (row.key != 0) {
    PointerAt(200, 24);
    Key(form().HSclRed.Widget(), row.key);
  } else {
    ClickBarAt(form().HSclRed, row.click_x);
  }
  EXPECT_EQ(Shown(), InStep(row.expected, 0, 0));
}

INSTANTIATE_TEST_SUITE_P(
    PointerOutside, StepTest,
    ::testing::Values(StepRow{"LeftArrow", 0, 68, 99}, StepRow{"RightArrow", 0, 156, 101},
                      StepRow{"Right", Qt::Key_Right, 0, 101},
                      StepRow{"Down", Qt::Key_Down, 0, 101},
                      StepRow{"PageDown", Qt::Key_PageDown, 0, 101},
                      StepRow{"End", Qt::Key_End, 0, 255}, StepRow{"Left", Qt::Key_Left, 0, 99},
                      StepRow{"Up", Qt::Key_Up, 0, 99}, StepRow{"PageUp", Qt::Key_PageUp, 0, 99},
                      StepRow{"Home", Qt::Key_Home, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ScrollBarTest, AKeyStepWithThePointerRestingInTheColumnJumpsToIt) {
  RedAt100WithBarFocused();
  PointerAt(128, 40);  // over the green bar: only x counts
  Key(form().HSclRed.Widget(), Qt::Key_Left);
  EXPECT_EQ(Shown(), InStep(191, 0, 0));
}

TEST_F(ScrollBarTest, ATypedValueIsNotReplacedByThePointerOverTheColumn) {
  PointerAt(112, 16);  // resting on the red bar's track
  Type(form().TxtR, "200");
  EXPECT_EQ(Shown(), InStep(200, 0, 0));
  EXPECT_EQ(form().TextBusy, 0);
}

class ThumbDragTest : public ScrollBarTest {
 protected:
  // Presses on the red thumb and drags it 30 pixels right; nothing reaches the form yet.
  void DragRedThumb(const std::vector<std::string>& trace) {
    QScrollBar* bar = BarWidget(form().HSclRed);
    grab_ = ThumbRect(bar).center();
    QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, grab_);
    QTest::mouseMove(bar, grab_ + QPoint(30, 0));
    ASSERT_GT(bar->sliderPosition(), 0) << "the thumb did not follow the drag";
    EXPECT_TRUE(trace.empty());
    EXPECT_EQ(Shown().red, "0");
  }
  void Release() {
    QTest::mouseRelease(BarWidget(form().HSclRed), Qt::LeftButton, Qt::NoModifier,
                        grab_ + QPoint(30, 0));
  }
  QPoint grab_;
};

TEST_F(ThumbDragTest, ChangesOnceAtTheReleaseToTheThumbsPosition) {
  PointerAt(200, 16);
  auto& trace = TraceHandlers();
  DragRedThumb(trace);
  const int dropped_at = BarWidget(form().HSclRed)->sliderPosition();
  Release();
  EXPECT_EQ(Count(trace, "Frmkolwe_HSclRed_Change@0"), 1);
  EXPECT_EQ(Shown(), InStep(dropped_at, 0, 0));
}

TEST_F(ThumbDragTest, ReleasedInsideTheColumnTakesThePointersValue) {
  PointerAt(96, 16);
  auto& trace = TraceHandlers();
  DragRedThumb(trace);
  Release();
  EXPECT_EQ(Count(trace, "Frmkolwe_HSclRed_Change@0"), 1);
  EXPECT_EQ(Shown(), InStep(64, 0, 0));
}

TEST_F(ScrollBarTest, EachBarIsATabStopWhoseKeysMoveOnlyItself) {
  for (int index = 0; index < 3; ++index) {
    const Channel channel = ChannelOf(form(), index);
    Tab();
    ASSERT_EQ(Focused(), channel.bar.Widget()) << "bar " << index;
    Key(Focused(), Qt::Key_Right);
    Tab();
    ASSERT_EQ(Focused(),
              index < 2 ? ChannelOf(form(), index + 1).field.Widget() : form().Txt16.Widget());
  }
  EXPECT_EQ(Shown(), InStep(1, 1, 1));
}

}  // namespace
