// The screen colour pick and "clear", with the pointer and the screen's pixels standing in for
// the machine's.
#include "tests/support/form_fixture.h"

namespace {

using ToolsTest = FormTest;

// A press of any button on a bare part of the client area does nothing while idle and, once
// armed, picks the pixel under the pointer, wherever it is, and no later press picks again. The
// swatch refuses an unreadable pixel: the colour stays. "clear" ends black.
TEST_F(ToolsTest, APickLoadsThePixelUnderThePointerAndClearEndsBlack) {
  const int32_t kBlueish = 0x336699, kRedish = 0xFA96C8;
  ExpectRows(
      {Row("presses while idle",
           {ScreenShows(kBlueish), PressMouse(Qt::LeftButton), PressMouse(Qt::RightButton),
            PressMouse(Qt::MiddleButton)},
           InStep(0, 0, 0)),
       Row("a left press picks, the next press nothing",
           {PointerAt(500), Pick(kBlueish), ScreenShows(kRedish), PressMouse(Qt::LeftButton)},
           InStep(0x99, 0x66, 0x33)),
       Row("a right press picks", {ScreenShows(kRedish), ClickGet(), PressMouse(Qt::RightButton)},
           InStep(0xC8, 0x96, 0xFA)),
       Row("a middle press picks",
           {ScreenShows(kBlueish), ClickGet(), PressMouse(Qt::MiddleButton)},
           InStep(0x99, 0x66, 0x33)),
       Row("an unreadable pixel", {Paste(Hex, "336699"), Pick(-1)}, InStep(0x33, 0x66, 0x99)),
       Row("clear",
           {Paste(Hex, "99aa33"), Select(Hex, 0, 6), Type(Hex, "12"), ClickClear(), ClickClear()},
           InStep(0, 0, 0))});
}

}  // namespace
