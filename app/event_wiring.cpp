// Which events have handlers: exactly these, in one table. Every other event of the form
// and its controls goes unhandled.
#include "app/frmkolwe.h"

void Frmkolwe::WireEvents() {
  Form.Load.Connect("Frmkolwe_Form_Load", [this] { Frmkolwe_Form_Load(); });
  Form.MouseDown.Connect("Frmkolwe_Form_MouseDown",
                         [this](auto, auto, auto, auto) { Frmkolwe_Form_MouseDown(); });

  TxtR.Change.Connect("Frmkolwe_TxtR_Change", [this] { Frmkolwe_TxtR_Change(); });
  TxtR.GotFocus.Connect("Frmkolwe_TxtR_GotFocus", [this] { Frmkolwe_TxtR_GotFocus(); });
  TxtR.KeyPress.Connect("Frmkolwe_TxtR_KeyPress",
                        [this](int16_t& key) { Frmkolwe_TxtR_KeyPress(key); });
  TxtR.MouseDown.Connect("Frmkolwe_TxtR_MouseDown",
                         [this](auto, auto, auto, auto) { Frmkolwe_TxtR_MouseDown(); });
  TxtR.MouseUp.Connect("Frmkolwe_TxtR_MouseUp",
                       [this](auto, auto, auto, auto) { Frmkolwe_TxtR_MouseUp(); });

  TxtG.Change.Connect("Frmkolwe_TxtG_Change", [this] { Frmkolwe_TxtG_Change(); });
  TxtG.GotFocus.Connect("Frmkolwe_TxtG_GotFocus", [this] { Frmkolwe_TxtG_GotFocus(); });
  TxtG.KeyPress.Connect("Frmkolwe_TxtG_KeyPress",
                        [this](int16_t& key) { Frmkolwe_TxtG_KeyPress(key); });
  TxtG.MouseDown.Connect("Frmkolwe_TxtG_MouseDown",
                         [this](auto, auto, auto, auto) { Frmkolwe_TxtG_MouseDown(); });
  TxtG.MouseUp.Connect("Frmkolwe_TxtG_MouseUp",
                       [this](auto, auto, auto, auto) { Frmkolwe_TxtG_MouseUp(); });

  TxtB.Change.Connect("Frmkolwe_TxtB_Change", [this] { Frmkolwe_TxtB_Change(); });
  TxtB.GotFocus.Connect("Frmkolwe_TxtB_GotFocus", [this] { Frmkolwe_TxtB_GotFocus(); });
  TxtB.KeyPress.Connect("Frmkolwe_TxtB_KeyPress",
                        [this](int16_t& key) { Frmkolwe_TxtB_KeyPress(key); });
  TxtB.MouseDown.Connect("Frmkolwe_TxtB_MouseDown",
                         [this](auto, auto, auto, auto) { Frmkolwe_TxtB_MouseDown(); });
  TxtB.MouseUp.Connect("Frmkolwe_TxtB_MouseUp",
                       [this](auto, auto, auto, auto) { Frmkolwe_TxtB_MouseUp(); });

  Txt16.Change.Connect("Frmkolwe_Txt16_Change", [this] { Frmkolwe_Txt16_Change(); });
  Txt16.GotFocus.Connect("Frmkolwe_Txt16_GotFocus", [this] { Frmkolwe_Txt16_GotFocus(); });
  Txt16.KeyPress.Connect("Frmkolwe_Txt16_KeyPress",
                         [this](int16_t& key) { Frmkolwe_Txt16_KeyPress(key); });
  Txt16.MouseDown.Connect("Frmkolwe_Txt16_MouseDown",
                          [this](auto, auto, auto, auto) { Frmkolwe_Txt16_MouseDown(); });
  Txt16.MouseUp.Connect("Frmkolwe_Txt16_MouseUp",
                        [this](auto, auto, auto, auto) { Frmkolwe_Txt16_MouseUp(); });

  HSclRed.Change.Connect("Frmkolwe_HSclRed_Change", [this] { Frmkolwe_HSclRed_Change(); });
  HSclGreen.Change.Connect("Frmkolwe_HSclGreen_Change",
                           [this] { Frmkolwe_HSclGreen_Change(); });
  HSclBlue.Change.Connect("Frmkolwe_HSclBlue_Change", [this] { Frmkolwe_HSclBlue_Change(); });

  CmdGet.Click.Connect("Frmkolwe_CmdGet_Click", [this] { Frmkolwe_CmdGet_Click(); });
  CmdClear1.Click.Connect("Frmkolwe_CmdClear1_Click", [this] { Frmkolwe_CmdClear1_Click(); });
  CmdClip.Click.Connect("Frmkolwe_CmdClip_Click", [this] { Frmkolwe_CmdClip_Click(); });
  ChkTop.Click.Connect("Frmkolwe_ChkTop_Click", [this] { Frmkolwe_ChkTop_Click(); });

  IDMend.Click.Connect("Frmkolwe_IDMend_Click", [this] { Frmkolwe_IDMend_Click(); });
}
