// The channel scroll bars: a bar's change writes its value into its decimal field, and a
// change the mouse made on the bar while the pointer stands over the track column moves the
// bar to the pointer.
#include "app/frmkolwe.h"

namespace {

// Where the track column lies, in proportion to the bars' left edge: the design layout puts
// the bar's left edge at 64 and its arrows outside the column from 80 to 144.
constexpr double kTrackStartPerLeft = 80.0 / 64.0;
constexpr double kTrackEndPerLeft = 144.0 / 64.0;

}  // namespace

void Frmkolwe::Frmkolwe_Form_Load() {
  TextBusy = 0;
  SetTrackColumn();
}

// The column is in device pixels, so it is measured again before each use: the window may
// have moved to a monitor of another scale since load, or its monitor changed scale.
void Frmkolwe::SetTrackColumn() {
  const int32_t left = HSclRed.Left();
  BarLo = static_cast<float>(left * kTrackStartPerLeft);
  BarHi = static_cast<float>(left * kTrackEndPerLeft);
  BarSpan = toolkit::RoundToInt16(static_cast<double>(BarHi) - static_cast<double>(BarLo));
}

void Frmkolwe::GetMousePos() {
  services_.mlmouse.GetCursorPos(CurPos);
  services_.mlmouse.ScreenToClient(Form.hWnd(), CurPos);
}

void Frmkolwe::ScrollBarChange(toolkit::ScrollBar& bar, toolkit::TextBox& field) {
  SetTrackColumn();
  GetMousePos();
  // Only a change the mouse made on this bar takes the pointer's position: a keyboard step
  // moves by its step, and a value typed into a field (TextBusy) is never replaced.
  if (bar.MouseCaused() && CurPos.x >= BarLo && CurPos.x <= BarHi && TextBusy == 0) {
    const double v = ((CurPos.x - static_cast<double>(BarLo)) / BarSpan) * 255;
    bar.SetValue(toolkit::RoundToInt16(v));  // runs this handler again, nested
  }
  field.SetText(toolkit::Str(bar.Value()));
}

void Frmkolwe::Frmkolwe_HSclRed_Change() { ScrollBarChange(HSclRed, TxtR); }
void Frmkolwe::Frmkolwe_HSclGreen_Change() { ScrollBarChange(HSclGreen, TxtG); }
void Frmkolwe::Frmkolwe_HSclBlue_Change() { ScrollBarChange(HSclBlue, TxtB); }
