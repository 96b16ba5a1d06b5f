// The screen colour pick: "get" arms it, and the form's next mouse press, anywhere on the
// screen, loads the colour of the pixel under the pointer.
#include "app/frmkolwe.h"

void Frmkolwe::Frmkolwe_CmdGet_Click() {
  CmdGet.SetEnabled(false);  // a pick cannot be armed twice
  ScreenDC = services_.mlmouse.GetDC(0);
  services_.mlmouse.SetCapture(Form.hWnd());
  PickArmed = 1;
}

void Frmkolwe::Frmkolwe_Form_MouseDown() {
  if (PickArmed != 1) return;
  services_.mlmouse.GetCursorPos(CurPos);
  const int32_t c = services_.mlmouse.GetPixel(ScreenDC, CurPos.x, CurPos.y);
  const int32_t red = c & 255;
  const int32_t green = (c / 256) & 255;
  const int32_t blue = (c / 65536) & 255;
  try {
    // An unreadable pixel (all bits set) is refused by the swatch, and the colour stays.
    LblColor.SetBackColor(c);
    TxtR.SetText(toolkit::Str(red));
    TxtG.SetText(toolkit::Str(green));
    TxtB.SetText(toolkit::Str(blue));
  } catch (...) {
    // The remaining assignments are skipped; the pick is released all the same.
  }
  services_.mlmouse.ReleaseDC(0, ScreenDC);
  services_.mlmouse.ReleaseCapture();
  CmdGet.SetEnabled(true);
  PickArmed = 0;
}
