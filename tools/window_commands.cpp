// The window and clipboard commands: always on top, clear and copy.
#include "app/frmkolwe.h"

void Frmkolwe::Frmkolwe_ChkTop_Click() { SetFormTop(); }

int32_t Frmkolwe::SetFormTop() {
  constexpr int32_t kKeepPlace =
      toolkit::kSwpNoSize | toolkit::kSwpNoMove | toolkit::kSwpShowWindow;
  const int32_t insert_after =
      ChkTop.Value() == 0 ? toolkit::kHwndNoTopmost : toolkit::kHwndTopmost;
  return services_.mlmouse.SetWindowPos(Form.hWnd(), insert_after, 0, 0, 0, 0, kKeepPlace);
}

void Frmkolwe::Frmkolwe_CmdClear1_Click() {
  Txt16.SetText(u"");
  TxtR.SetText(u"0");
  TxtG.SetText(u"0");
  TxtB.SetText(u"0");
  LblColor.SetBackColor(toolkit::Rgb(0, 0, 0));
}

void Frmkolwe::Frmkolwe_CmdClip_Click() { services_.clipboard.SetText(Txt16.Text()); }
