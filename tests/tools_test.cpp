// The screen colour pick and the commands clear, copy and always on top, with the pointer,
// the screen's pixels and the clipboard standing in for the machine's.
#include <QWidget>
#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/form_fixture.h"

namespace {

constexpr int32_t kPicked = 153 + 256 * 102 + 65536 * 51;
const Views kPickedViews = InStep(153, 102, 51);  // "996633"
const Views kBlack = InStep(0, 0, 0);
// Everything a completed pick asks of the platform, in order, for a press at 500, 400.
const std::vector<std::string> kPickCalls = {"GetDC(0)",        "SetCapture",
                                             "GetCursorPos",    "GetPixel(77,500,400)",
                                             "ReleaseDC(0,77)", "ReleaseCapture"};

long Count(const std::vector<std::string>& trace, const std::string& entry) {
  return std::count(trace.begin(), trace.end(), entry);
}

long CountRuns(const std::vector<std::string>& trace, const std::string& handler) {
  return std::count_if(trace.begin(), trace.end(), [&](const std::string& entry) {
    return entry.rfind(handler + "@", 0) == 0;
  });
}

class PickTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    mouse.cursor = {500, 400};
  }

  void Arm() { Click(form().CmdGet.Widget()); }

  // A press on a bare part of the client area, clear of every control.
  void PressOnForm(Qt::MouseButton button = Qt::LeftButton) {
    ClickAt(form().Form.Client(), QPoint(230, 145), button);
  }

  bool Idle() { return form().PickArmed == 0 && form().CmdGet.Enabled() && !mouse.captured; }

  // The pick's own calls: the scroll bars' pointer reads (GetCursorPos directly followed by
  // ScreenToClient) during the cascades are left out.
  std::vector<std::string> PickCalls() const {
    std::vector<std::string> pick;
    const auto& calls = mouse.calls;
    for (size_t i = 0; i < calls.size(); ++i) {
      if (calls[i] == "ScreenToClient") continue;
      if (calls[i] == "GetCursorPos" && i + 1 < calls.size() && calls[i + 1] == "ScreenToClient") {
        continue;
      }
      pick.push_back(calls[i]);
    }
    return pick;
  }
};

TEST_F(PickTest, GetArmsThePickAndHoldsTheScreenAndTheCapture) {
  ASSERT_TRUE(Idle());
  Arm();
  EXPECT_EQ(form().PickArmed, 1);
  EXPECT_FALSE(form().CmdGet.Enabled());
  EXPECT_TRUE(mouse.captured);
  EXPECT_EQ(mouse.calls, (std::vector<std::string>{"GetDC(0)", "SetCapture"}));
  EXPECT_EQ(Shown(), kBlack);
}

TEST_F(PickTest, AClickOnTheDisabledGetWhileArmedCannotArmAgain) {
  mouse.pixel = kPicked;
  Arm();
  auto& trace = TraceHandlers();
  Click(form().CmdGet.Widget());
  EXPECT_EQ(Count(trace, "Frmkolwe_CmdGet_Click@0"), 0);
  // The one pick armed completes at the next press, and releases what it took once.
  PressOnForm();
  EXPECT_EQ(PickCalls(), kPickCalls);
  EXPECT_EQ(Shown(), kPickedViews);
  EXPECT_TRUE(Idle());
}

class PickButtonTest : public PickTest, public ::testing::WithParamInterface<Qt::MouseButton> {};

TEST_P(PickButtonTest, AnyButtonTakesThePixelIntoEveryViewAndReleasesAll) {
  mouse.pixel = kPicked;
  Arm();
  PressOnForm(GetParam());
  EXPECT_EQ(Shown(), kPickedViews);
  EXPECT_EQ(PickCalls(), kPickCalls);
  EXPECT_TRUE(Idle());
}

INSTANTIATE_TEST_SUITE_P(EachButton, PickButtonTest,
                         ::testing::Values(Qt::LeftButton, Qt::RightButton, Qt::MiddleButton));

TEST_F(PickTest, AnUnreadablePixelKeepsTheColourAndStillReleasesAll) {
  PasteOver(form().Txt16, "336699");
  const Views before = Shown();
  ASSERT_EQ(before.hex, "336699");
  mouse.pixel = toolkit::kClrInvalid;
  mouse.calls.clear();
  Arm();
  PressOnForm();
  EXPECT_EQ(Shown(), before);  // never pure red
  EXPECT_EQ(mouse.calls, kPickCalls);
  EXPECT_TRUE(Idle());
}

TEST_F(PickTest, APressOnTheFormWhileIdleChangesNothing) {
  mouse.pixel = kPicked;
  auto& trace = TraceHandlers();
  PressOnForm();
  EXPECT_EQ(trace, (std::vector<std::string>{"Frmkolwe_Form_MouseDown@0"}));
  EXPECT_TRUE(mouse.calls.empty());
  EXPECT_EQ(Shown(), kBlack);
  EXPECT_TRUE(Idle());
}

TEST_F(PickTest, AChannelEqualToItsFieldRaisesNoChangeThere) {
  mouse.pixel = 153 + 65536 * 51;  // green 0, as the field already holds
  Arm();
  auto& trace = TraceHandlers();
  PressOnForm();
  EXPECT_EQ(CountRuns(trace, "Frmkolwe_TxtG_Change"), 0);
  EXPECT_EQ(Count(trace, "Frmkolwe_TxtR_Change@1"), 1);
  EXPECT_EQ(Count(trace, "Frmkolwe_TxtB_Change@1"), 1);
  EXPECT_EQ(Shown(), InStep(153, 0, 51));
}

using CommandTest = FormTest;

TEST_F(CommandTest, ClearFromAHalfTypedHexTextEndsBlack) {
  PasteOver(form().Txt16, "996633");
  Key(form().Txt16.Widget(), Qt::Key_A, Qt::ControlModifier);
  Key(form().Txt16.Widget(), Qt::Key_Backspace);
  Type(form().Txt16, "12");
  ASSERT_EQ(Shown(), (Views{"", "", "", "12", 153, 102, 51, kPicked, false}));
  Click(form().CmdClear1.Widget());
  EXPECT_EQ(Shown(), kBlack);
}

TEST_F(CommandTest, ClearTwiceEmptiesAndRefillsTheFieldsAgain) {
  PasteOver(form().Txt16, "996633");
  Click(form().CmdClear1.Widget());
  ASSERT_EQ(Shown(), kBlack);
  auto& trace = TraceHandlers();
  Click(form().CmdClear1.Widget());
  EXPECT_EQ(Shown(), kBlack);
  EXPECT_EQ(Count(trace, "Frmkolwe_Txt16_Change@1"), 1);
  EXPECT_EQ(Count(trace, "Frmkolwe_TxtR_Change@2"), 1);  // emptied by the hex field
  EXPECT_EQ(Count(trace, "Frmkolwe_TxtR_Change@1"), 1);  // refilled with "0"
}

TEST_F(CommandTest, CopyPutsExactlyTheHexTextOnTheClipboard) {
  PasteOver(form().Txt16, "996633");
  Click(form().CmdClip.Widget());
  EXPECT_EQ(clipboard.writes, 1);
  EXPECT_EQ(clipboard.text, u"996633");
}

TEST_F(CommandTest, AlwaysOnTopFollowsEachToggleOfTheBox) {
  QWidget* box = form().ChkTop.Widget();
  const QPoint indicator(7, box->height() / 2);
  struct Toggle {
    bool by_space;
    int16_t checked;
    std::string call;
  };
  const Toggle toggles[] = {{false, 1, "SetWindowPos(-1,0,0,0,0,67)"},
                            {false, 0, "SetWindowPos(-2,0,0,0,0,67)"},
                            {true, 1, "SetWindowPos(-1,0,0,0,0,67)"},
                            {true, 0, "SetWindowPos(-2,0,0,0,0,67)"}};
  for (const Toggle& toggle : toggles) {
    mouse.calls.clear();
    if (toggle.by_space) {
      box->setFocus(Qt::TabFocusReason);
      Key(box, Qt::Key_Space);
    } else {
      ClickAt(box, indicator);
    }
    EXPECT_EQ(form().ChkTop.Value(), toggle.checked);
    EXPECT_EQ(mouse.calls, std::vector<std::string>{toggle.call});
  }
  EXPECT_EQ(Shown(), kBlack);
}

}  // namespace
