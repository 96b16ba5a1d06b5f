// The screen colour pick and the commands clear, copy and always on top, with the pointer,
// the screen's pixels and the clipboard standing in for the machine's.
#include <algorithm>

#include "tests/support/form_fixture.h"

namespace {

using Calls = std::vector<std::string>;
const Views kStart = InStep(0x33, 0x66, 0x99), kBlack = InStep(0, 0, 0);

// The trace entries that start with prefix.
long Count(const Calls& trace, const std::string& prefix) {
  return std::count_if(trace.begin(), trace.end(),
                       [&](const std::string& entry) { return entry.rfind(prefix, 0) == 0; });
}

// From "336699", a pick with the pointer at 500, 400 over a pixel, by a press of any button on
// a bare part of the client area. The swatch refuses an unreadable pixel: the colour stays.
struct PickRow {
  Qt::MouseButton button;
  int32_t pixel;
  Views shown;
};
const PickRow kPicks[] = {
    {Qt::LeftButton, toolkit::Rgb(153, 102, 51), InStep(153, 102, 51)},  // "996633", green kept
    {Qt::RightButton, toolkit::Rgb(200, 150, 250), InStep(200, 150, 250)},
    {Qt::MiddleButton, toolkit::Rgb(200, 150, 250), InStep(200, 150, 250)},
    {Qt::LeftButton, toolkit::kClrInvalid, kStart},
};
void PrintTo(const PickRow& row, std::ostream* out) {
  *out << "button " << row.button << ", pixel " << row.pixel;
}

class PickTest : public FormTest, public ::testing::WithParamInterface<PickRow> {};

TEST_P(PickTest, WhileIdleAPressDoesNothingOnceArmedItLoadsThePixelAndReleasesAll) {
  const PickRow row = GetParam();
  PasteOver(form().Txt16, "336699");
  mouse.cursor = {500, 400};
  mouse.pixel = row.pixel;
  mouse.calls.clear();
  auto& trace = TraceHandlers();
  ClickAt(form().Form.Client(), QPoint(230, 145), row.button);
  EXPECT_EQ(trace, Calls{"Frmkolwe_Form_MouseDown@0"});  // and nothing else
  EXPECT_TRUE(mouse.calls.empty());
  Click(form().CmdGet.Widget());
  EXPECT_TRUE(form().PickArmed == 1 && !form().CmdGet.Enabled() && mouse.captured);
  EXPECT_EQ(mouse.calls, (Calls{"GetDC(0)", "SetCapture"}));
  trace.clear();
  ClickAt(form().Form.Client(), QPoint(230, 145), row.button);
  EXPECT_EQ(Shown(), row.shown);
  EXPECT_TRUE(form().PickArmed == 0 && form().CmdGet.Enabled() && !mouse.captured);
  // The pick's own calls, in order, once the scroll bars' pointer reads are taken out.
  for (auto at = mouse.calls.begin();
       (at = std::find(at, mouse.calls.end(), "ScreenToClient")) != mouse.calls.end();) {
    at = mouse.calls.erase(at - 1, at + 1);  // GetCursorPos, ScreenToClient
  }
  EXPECT_EQ(mouse.calls, (Calls{"GetDC(0)", "SetCapture", "GetCursorPos", "GetPixel(77,500,400)",
                                "ReleaseDC(0,77)", "ReleaseCapture"}));
  // A channel equal to its field's text raises no Change there; any other raises exactly one.
  EXPECT_EQ(Count(trace, "Frmkolwe_TxtR_Change@"), row.shown.red != kStart.red);
  EXPECT_EQ(Count(trace, "Frmkolwe_TxtG_Change@"), row.shown.green != kStart.green);
  EXPECT_EQ(Count(trace, "Frmkolwe_TxtB_Change@"), row.shown.blue != kStart.blue);
}

INSTANTIATE_TEST_SUITE_P(From336699, PickTest, ::testing::ValuesIn(kPicks));

using CommandTest = FormTest;

TEST_F(CommandTest, CopyAndThenClearFromAHalfTypedHexTextAndAgain) {
  PasteOver(form().Txt16, "996633");
  Click(form().CmdClip.Widget());
  EXPECT_EQ(clipboard.writes, 1);
  EXPECT_EQ(clipboard.text, u"996633");  // exactly the hex text
  Key(form().Txt16.Widget(), Qt::Key_A, Qt::ControlModifier);
  Key(form().Txt16.Widget(), Qt::Key_Backspace);
  Type(form().Txt16, "12");
  ASSERT_EQ(Shown(), (Views{"", "", "", "12", 153, 102, 51, toolkit::Rgb(153, 102, 51), false}));
  Click(form().CmdClear1.Widget());
  EXPECT_EQ(Shown(), kBlack);
  auto& trace = TraceHandlers();
  Click(form().CmdClear1.Widget());
  EXPECT_EQ(Shown(), kBlack);
  EXPECT_EQ(Count(trace, "Frmkolwe_TxtR_Change@2"), 1);  // emptied by the hex field
  EXPECT_EQ(Count(trace, "Frmkolwe_TxtR_Change@1"), 1);  // refilled with "0"
}

TEST_F(CommandTest, AlwaysOnTopFollowsEachClickOnTheBox) {
  for (const int checked : {1, 0}) {
    mouse.calls.clear();
    ClickAt(form().ChkTop.Widget(), QPoint(7, 8));  // on the indicator
    EXPECT_EQ(form().ChkTop.Value(), checked);
    // Topmost (-1) or not (-2), in place: 67 is no size, no move, show window (0x43).
    EXPECT_EQ(mouse.calls,
              Calls{checked ? "SetWindowPos(-1,0,0,0,0,67)" : "SetWindowPos(-2,0,0,0,0,67)"});
  }
}

}  // namespace
