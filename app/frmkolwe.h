// The main window Frmkolwe: every control with its design-time properties, every form-level
// variable, and the event handlers, which are defined in the folders of the subsystems they
// belong to (color/, tools/, and the exit command here in app/).
#pragma once

#include <cstdint>
#include <string>

#include "toolkit/check_box.h"
#include "toolkit/command_button.h"
#include "toolkit/form.h"
#include "toolkit/label.h"
#include "toolkit/line_shape.h"
#include "toolkit/menu_item.h"
#include "toolkit/mlmouse.h"
#include "toolkit/scroll_bar.h"
#include "toolkit/services.h"
#include "toolkit/text_box.h"

using toolkit::Text;

// What the form calls outside itself; a test can stand in for any of them.
struct FormServices {
  toolkit::Mlmouse& mlmouse;
  toolkit::MessageBoxService& message_box;
  toolkit::ClipboardService& clipboard;
  toolkit::EndService& end;
};

class Frmkolwe {
 public:
  explicit Frmkolwe(FormServices services);
  Frmkolwe(const Frmkolwe&) = delete;
  Frmkolwe& operator=(const Frmkolwe&) = delete;

  // Runs Load, shows the window and puts the focus in TxtR.
  void Start();

  int32_t SetFormTop();

  // The window itself; declared first so that it outlives its controls.
  toolkit::Form Form;

  // Lines and labels, in drawing order (first drawn lowest).
  toolkit::LineShape Line6, Line3, Line14, Line11, Line12, Line13, Line4, Line5, Line1;
  toolkit::Label Label1, LblColor, Label3, Label2, Label16;
  toolkit::LineShape Line18, Line17, Line16, Line15, Line10, Line8, Line7, Line2, Line9;

  // Controls, in tab order.
  toolkit::TextBox TxtR;
  toolkit::ScrollBar HSclRed;
  toolkit::TextBox TxtG;
  toolkit::ScrollBar HSclGreen;
  toolkit::TextBox TxtB;
  toolkit::ScrollBar HSclBlue;
  toolkit::TextBox Txt16;
  toolkit::CommandButton CmdClip;
  toolkit::CommandButton CmdClear1;
  toolkit::CommandButton CmdGet;
  toolkit::CheckBox ChkTop;

  toolkit::MenuItem IDMend;

  // Form-level variables.
  Text PrevR, PrevG, PrevB;                          // last accepted text of each decimal field
  int16_t HexChanR = 0, HexChanG = 0, HexChanB = 0;  // channels read by SetHexText
  int16_t SwatchR = 0, SwatchG = 0, SwatchB = 0;     // channels read by SetLblColor
  int16_t HexLen = 0;                                // length of Txt16's text as last measured
  int32_t LenR = 0, LenG = 0, LenB = 0;  // length of each decimal field's text as last measured
  int16_t Answer = 0;                    // the button chosen in the exit question
  bool MouseDown16 = false, MouseDownR = false, MouseDownG = false, MouseDownB = false;
  int32_t ScreenDC = 0;        // the screen's device context while a pick is armed
  toolkit::PointApi CurPos;    // last pointer position read
  uint8_t TextBusy = 0;        // 1 while a decimal field's Change handler runs
  uint8_t PickArmed = 0;       // 1 from a click on CmdGet until the pick completes
  float BarLo = 0, BarHi = 0;  // client x where the scroll bars' track column lies
  int16_t BarSpan = 0;         // BarHi - BarLo: up to 512 device pixels at a scale of 8

 private:
  // One decimal channel: its field, bar and variables, and where its refresh differs.
  enum class RefreshOrder { SwatchFirst, SwatchLast };
  struct Channel {
    toolkit::TextBox& field;
    toolkit::ScrollBar& bar;
    int32_t& len;
    Text& prev;
    bool& mouse_down;
    RefreshOrder refresh_order;
  };
  Channel Red();
  Channel Green();
  Channel Blue();

  void NameForScreenReaders();

  // A text box's five events: Change, GotFocus, KeyPress, MouseDown, MouseUp.
  struct FieldHandlers {
    void (Frmkolwe::*change)();
    void (Frmkolwe::*got_focus)();
    void (Frmkolwe::*key_press)(int16_t&);
    void (Frmkolwe::*mouse_down)();
    void (Frmkolwe::*mouse_up)();
  };
  void WireEvents();
  void WireField(toolkit::TextBox& field, const std::string& name, FieldHandlers handlers);

  // Start-up and exit.
  void Frmkolwe_IDMend_Click();

  // Hex text and swatch.
  void SetHexText();
  void SetLblColor();

  // Decimal channel fields.
  void DecimalFieldChange(Channel channel);
  void DecimalFieldKeyPress(Channel channel, int16_t& key_ascii);
  void DecimalFieldGotFocus(Channel channel);
  void Frmkolwe_TxtR_Change();
  void Frmkolwe_TxtG_Change();
  void Frmkolwe_TxtB_Change();
  void Frmkolwe_TxtR_KeyPress(int16_t& key_ascii);
  void Frmkolwe_TxtG_KeyPress(int16_t& key_ascii);
  void Frmkolwe_TxtB_KeyPress(int16_t& key_ascii);
  void Frmkolwe_TxtR_GotFocus();
  void Frmkolwe_TxtG_GotFocus();
  void Frmkolwe_TxtB_GotFocus();
  void Frmkolwe_TxtR_MouseDown();
  void Frmkolwe_TxtG_MouseDown();
  void Frmkolwe_TxtB_MouseDown();
  void Frmkolwe_TxtR_MouseUp();
  void Frmkolwe_TxtG_MouseUp();
  void Frmkolwe_TxtB_MouseUp();

  // Hex field.
  void Frmkolwe_Txt16_Change();
  void Frmkolwe_Txt16_KeyPress(int16_t& key_ascii);
  void Frmkolwe_Txt16_GotFocus();
  void Frmkolwe_Txt16_MouseDown();
  void Frmkolwe_Txt16_MouseUp();

  // Channel scroll bars.
  void Frmkolwe_Form_Load();
  void SetTrackColumn();
  void GetMousePos();
  void ScrollBarChange(toolkit::ScrollBar& bar, toolkit::TextBox& field);
  void Frmkolwe_HSclRed_Change();
  void Frmkolwe_HSclGreen_Change();
  void Frmkolwe_HSclBlue_Change();

  // Screen colour pick.
  void Frmkolwe_CmdGet_Click();
  void Frmkolwe_Form_MouseDown();

  // Window and clipboard commands.
  void Frmkolwe_ChkTop_Click();
  void Frmkolwe_CmdClear1_Click();
  void Frmkolwe_CmdClip_Click();

  FormServices services_;
};
