// The exit command: ask, and end the program on Yes.
#include "app/frmkolwe.h"

void Frmkolwe::Frmkolwe_IDMend_Click() {
  Answer = services_.message_box.MsgBox(u"終了しますか？", u"ミロカver1.10");
  if (Answer == toolkit::kMsgBoxYes) services_.end.End();
}
