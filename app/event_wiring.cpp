// Which events have handlers: exactly these, in one table. Every other event of the form
// and its controls goes unhandled.
#include "app/frmkolwe.h"

void Frmkolwe::WireField(toolkit::TextBox& field, const std::string& name, FieldHandlers handlers) {
  const std::string prefix = "Frmkolwe_" + name + "_";
  field.Change.Connect(prefix + "Change", [this, handlers] { (this->*handlers.change)(); });
  field.GotFocus.Connect(prefix + "GotFocus", [this, handlers] { (this->*handlers.got_focus)(); });
  field.KeyPress.Connect(prefix + "KeyPress",
                         [this, handlers](int16_t& key) { (this->*handlers.key_press)(key); });
  field.MouseDown.Connect(prefix + "MouseDown", [this, handlers](auto, auto, auto, auto) {
    (this->*handlers.mouse_down)();
  });
  field.MouseUp.Connect(prefix + "MouseUp",
                        [this, handlers](auto, auto, auto, auto) { (this->*handlers.mouse_up)(); });
}

void Frmkolwe::WireEvents() {
  Form.Load.Connect("Frmkolwe_Form_Load", [this] { Frmkolwe_Form_Load(); });
  Form.MouseDown.Connect("Frmkolwe_Form_MouseDown",
                         [this](auto, auto, auto, auto) { Frmkolwe_Form_MouseDown(); });

  WireField(TxtR, "TxtR",
            {&Frmkolwe::Frmkolwe_TxtR_Change, &Frmkolwe::Frmkolwe_TxtR_GotFocus,
             &Frmkolwe::Frmkolwe_TxtR_KeyPress, &Frmkolwe::Frmkolwe_TxtR_MouseDown,
             &Frmkolwe::Frmkolwe_TxtR_MouseUp});
  WireField(TxtG, "TxtG",
            {&Frmkolwe::Frmkolwe_TxtG_Change, &Frmkolwe::Frmkolwe_TxtG_GotFocus,
             &Frmkolwe::Frmkolwe_TxtG_KeyPress, &Frmkolwe::Frmkolwe_TxtG_MouseDown,
             &Frmkolwe::Frmkolwe_TxtG_MouseUp});
  WireField(TxtB, "TxtB",
            {&Frmkolwe::Frmkolwe_TxtB_Change, &Frmkolwe::Frmkolwe_TxtB_GotFocus,
             &Frmkolwe::Frmkolwe_TxtB_KeyPress, &Frmkolwe::Frmkolwe_TxtB_MouseDown,
             &Frmkolwe::Frmkolwe_TxtB_MouseUp});
  WireField(Txt16, "Txt16",
            {&Frmkolwe::Frmkolwe_Txt16_Change, &Frmkolwe::Frmkolwe_Txt16_GotFocus,
             &Frmkolwe::Frmkolwe_Txt16_KeyPress, &Frmkolwe::Frmkolwe_Txt16_MouseDown,
             &Frmkolwe::Frmkolwe_Txt16_MouseUp});

  HSclRed.Change.Connect("Frmkolwe_HSclRed_Change", [this] { Frmkolwe_HSclRed_Change(); });
  HSclGreen.Change.Connect("Frmkolwe_HSclGreen_Change", [this] { Frmkolwe_HSclGreen_Change(); });
  HSclBlue.Change.Connect("Frmkolwe_HSclBlue_Change", [this] { Frmkolwe_HSclBlue_Change(); });

  CmdGet.Click.Connect("Frmkolwe_CmdGet_Click", [this] { Frmkolwe_CmdGet_Click(); });
  CmdClear1.Click.Connect("Frmkolwe_CmdClear1_Click", [this] { Frmkolwe_CmdClear1_Click(); });
  CmdClip.Click.Connect("Frmkolwe_CmdClip_Click", [this] { Frmkolwe_CmdClip_Click(); });
  ChkTop.Click.Connect("Frmkolwe_ChkTop_Click", [this] { Frmkolwe_ChkTop_Click(); });

  IDMend.Click.Connect("Frmkolwe_IDMend_Click", [this] { Frmkolwe_IDMend_Click(); });
}
