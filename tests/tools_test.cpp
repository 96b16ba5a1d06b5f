// The screen colour pick and the commands clear, copy and always on top, with the pointer,
// the screen's pixels and the clipboard standing in for the machine's.
#include "tests/support/form_fixture.h"

namespace {

using ToolsTest = FormTest;

// From "336699", a press of any button on a bare part of the client area does nothing while
// idle and, once armed, picks the pixel under the pointer at 500, 400 (the field that keeps
// its text raises no Change). The swatch refuses an unreadable pixel: the colour stays.
TEST_F(ToolsTest, APressOnceArmedLoadsThePixelUnderThePointerAndReleasesAll) {
  const std::tuple<Qt::MouseButton, int32_t, Views> rows[] = {
      {Qt::LeftButton, toolkit::Rgb(153, 102, 51), InStep(153, 102, 51)},
      {Qt::RightButton, toolkit::Rgb(200, 150, 250), InStep(200, 150, 250)},
      {Qt::MiddleButton, toolkit::Rgb(200, 150, 250), InStep(200, 150, 250)},
      {Qt::LeftButton, toolkit::kClrInvalid, InStep(0x33, 0x66, 0x99)}};
  for (const auto& [button, pixel, shown] : rows) {
    SetUp();
    std::tie(mouse.cursor, mouse.pixel) = std::pair(toolkit::PointApi{500, 400}, pixel);
    Do("H=336699");
    ClickAt(form().Form.Client(), QPoint(230, 145), button);
    EXPECT_EQ(Shown(), InStep(0x33, 0x66, 0x99));
    Do("get");
    EXPECT_TRUE(form().PickArmed == 1 && !form().CmdGet.Enabled() && mouse.captured);
    Raised("Frmkolwe_TxtG_Change");
    ClickAt(form().Form.Client(), QPoint(230, 145), button);
    EXPECT_EQ(Shown(), shown) << pixel;
    EXPECT_TRUE(form().PickArmed == 0 && form().CmdGet.Enabled() && !mouse.captured);
    EXPECT_EQ(std::pair(mouse.dcs_held, Raised("Frmkolwe_TxtG_Change")), std::pair(0, 0));
  }
}

// "copy" takes the hex text as it stands, lower case too; "clear" ends black whatever it meets.
TEST_F(ToolsTest, CopyTakesTheHexTextAsItStandsAndClearEndsBlackFromHalfTypedText) {
  Do("H=99aa33 copy H=99aa33~ copy H@0,6 H+12");
  EXPECT_EQ(services.copied, (std::vector<Text>{u"99AA33", u"99aa33"}));
  ASSERT_EQ(Shown(), (Views{"", "", "", "12", 153, 170, 51, toolkit::Rgb(153, 170, 51), false}));
  Do("clear");
  EXPECT_EQ(Shown(), InStep(0, 0, 0));
  Do("clear");
  EXPECT_EQ(Shown(), InStep(0, 0, 0));
}

TEST_F(ToolsTest, AlwaysOnTopFollowsEachClickOnTheBox) {
  for (const int checked : {1, 0}) {
    ClickAt(form().ChkTop.Widget(), QPoint(7, 8));  // on the indicator
    EXPECT_EQ(form().ChkTop.Value(), checked);
    // Topmost (-1) or not (-2), in place: 0x43 is no size, no move, show window.
    EXPECT_EQ(mouse.window_pos, (std::vector<int32_t>{checked ? -1 : -2, 0, 0, 0, 0, 0x43}));
  }
}

}  // namespace
