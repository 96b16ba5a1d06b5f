// The screen colour pick and the commands clear, copy and always on top, with the pointer,
// the screen's pixels and the clipboard standing in for the machine's.
#include "tests/support/form_fixture.h"

namespace {

using ToolsTest = FormTest;

// From "336699", a press of any button on a bare part of the client area does nothing while
// idle and, once armed, picks the pixel under the pointer. The swatch refuses an unreadable
// pixel: the colour stays; a press after the pick picks nothing. "clear" ends black.
TEST_F(ToolsTest, APickLoadsThePixelUnderThePointerAndClearEndsBlack) {
  const QString start = "H=336699 p500 x3368601 *1 *2 *4 ";
  ExpectRows({{start, InStep(0x33, 0x66, 0x99)},
              {start + "get *1", InStep(153, 102, 51)},
              {start + "x16422600 get *2", InStep(200, 150, 250)},
              {start + "get *4", InStep(153, 102, 51)},
              {start + "x-1 get *1", InStep(0x33, 0x66, 0x99)},
              {start + "get *1 x16422600 *1", InStep(153, 102, 51)},
              {"H=99aa33 H@0,6 H+12 clear clear", InStep(0, 0, 0)}});
}

// A field the pick leaves as it was raises nothing; "copy" takes the hex text as it stands.
TEST_F(ToolsTest, APickHoldsTheCaptureUntilThePressAndCopyTakesTheHexTextAsItStands) {
  Do("H=996633 p500 x3368601 get");
  EXPECT_TRUE(form().PickArmed == 1 && !form().CmdGet.Enabled() && mouse.captured);
  Raised("Frmkolwe_TxtG_Change");
  Do("*1");
  EXPECT_TRUE(form().PickArmed == 0 && form().CmdGet.Enabled() && !mouse.captured);
  EXPECT_EQ(std::pair(mouse.dcs_held, Raised("Frmkolwe_TxtG_Change")), std::pair(0, 0));
  Do("H=99aa33 copy H=99aa33~ copy");
  EXPECT_EQ(services.copied, (std::vector<Text>{u"99AA33", u"99aa33"}));
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
