// The screen colour pick and the commands clear, copy and always on top, with the pointer,
// the screen's pixels and the clipboard standing in for the machine's.
#include "tests/support/form_fixture.h"

namespace {

using ToolsTest = FormTest;

// A press of any button on a bare part of the client area does nothing while idle and, once
// armed, picks the pixel under the pointer, wherever it is. The swatch refuses an unreadable
// pixel: the colour stays; a press after the pick picks nothing. "clear" ends black.
TEST_F(ToolsTest, APickLoadsThePixelUnderThePointerAndClearEndsBlack) {
  const int32_t kBlueish = 0x336699, kRedish = 0xFA96C8;
  ExpectRows(
      {Row("presses while idle",
           {ScreenShows(kBlueish), PressMouse(Qt::LeftButton), PressMouse(Qt::RightButton),
            PressMouse(Qt::MiddleButton)},
           InStep(0, 0, 0)),
       Row("a left press picks", {PointerAt(500), Pick(kBlueish)}, InStep(0x99, 0x66, 0x33)),
       Row("a right press picks", {ScreenShows(kRedish), ClickGet(), PressMouse(Qt::RightButton)},
           InStep(0xC8, 0x96, 0xFA)),
       Row("a middle press picks",
           {ScreenShows(kBlueish), ClickGet(), PressMouse(Qt::MiddleButton)},
           InStep(0x99, 0x66, 0x33)),
       Row("an unreadable pixel", {Paste(Hex, "336699"), Pick(-1)}, InStep(0x33, 0x66, 0x99)),
       Row("a press after the pick",
           {Pick(kBlueish), ScreenShows(kRedish), PressMouse(Qt::LeftButton)},
           InStep(0x99, 0x66, 0x33)),
       Row("clear",
           {Paste(Hex, "99aa33"), Select(Hex, 0, 6), Type(Hex, "12"), ClickClear(), ClickClear()},
           InStep(0, 0, 0))});
}

// A field the pick leaves as it was raises nothing; "copy" takes the hex text as it stands.
TEST_F(ToolsTest, APickHoldsTheCaptureUntilThePressAndCopyTakesTheHexTextAsItStands) {
  Do({Paste(Hex, "996633"), ScreenShows(0x336699), ClickGet()});
  EXPECT_EQ(std::tuple(int(form().PickArmed), form().CmdGet.Enabled(), mouse.captured),
            std::tuple(1, false, true));
  raised.clear();
  Do({PressMouse(Qt::LeftButton)});
  EXPECT_EQ(std::tuple(int(form().PickArmed), form().CmdGet.Enabled(), mouse.captured,
                       mouse.dcs_held, Raised("Frmkolwe_TxtG_Change")),
            std::tuple(0, true, false, 0, 0));
  Do({Paste(Hex, "99aa33"), ClickCopy(), Paste(Hex, "99aa33\r\n"), ClickCopy()});
  EXPECT_EQ(services.copied, (std::vector<Text>{u"99AA33", u"99aa33"}));
}

}  // namespace
