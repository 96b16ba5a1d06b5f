// The decimal fields TxtR, TxtG and TxtB: the hub every colour change passes through. Each
// change is tidied, checked, carried to the field's scroll bar and, once no field is empty,
// to the swatch and the hexadecimal text.
#include "app/frmkolwe.h"
#include "color/field_rules.h"

namespace {

// TextBusy is 1 while a decimal field's change runs and 0 after it, however it ends. A plain
// flag, not a count: a nested run clears it at its own end.
class BusyWhileRunning {
 public:
  explicit BusyWhileRunning(uint8_t& flag) : flag_(flag) { flag_ = 1; }
  ~BusyWhileRunning() { flag_ = 0; }
  BusyWhileRunning(const BusyWhileRunning&) = delete;
  BusyWhileRunning& operator=(const BusyWhileRunning&) = delete;

 private:
  uint8_t& flag_;
};

}  // namespace

void Frmkolwe::DecimalFieldChange(Channel channel) {
  toolkit::TextBox& field = channel.field;
  const BusyWhileRunning busy(TextBusy);
  LenB = static_cast<int32_t>(TxtB.Text().size());
  LenR = static_cast<int32_t>(TxtR.Text().size());
  LenG = static_cast<int32_t>(TxtG.Text().size());

  // An emptied field is refilled with a selected "0" while the hex field holds a colour.
  if (channel.len == 0 && HexLen == color::kFullHexField && color::IsColourText(Txt16.Text())) {
    field.SetText(u"0");
    field.SelectWholeText();
  }

  // Each write runs this handler again, so "007" becomes "07", then "7".
  if (const auto tidied = color::WithoutLeadingZero(field.Text())) field.SetText(*tidied);

  try {
    // A value above 255, or below 0 (only a paste can bring one), gives the last accepted
    // text back, selected.
    const int16_t value = toolkit::CInt(field.Text());
    if (value > 255 || value < 0) {
      field.SetText(channel.prev);
      field.SelectWholeText();
    }
    channel.prev = field.Text();
    channel.bar.SetValue(toolkit::CInt(channel.prev));

    if (LenR >= 1 && LenG >= 1 && LenB >= 1) {
      if (channel.refresh_order == RefreshOrder::SwatchFirst) {
        SetLblColor();
        SetHexText();
        CmdClip.SetEnabled(true);
      } else {
        SetHexText();
        CmdClip.SetEnabled(true);
        SetLblColor();
      }
    }
  } catch (...) {
    // The change is abandoned silently; the last accepted colour stays everywhere else.
  }
}

void Frmkolwe::DecimalFieldKeyPress(Channel channel, int16_t& key_ascii) {
  channel.len = static_cast<int32_t>(channel.field.Text().size());
  key_ascii = color::DecimalFieldKey(key_ascii, channel.len, channel.field.SelLength());
}

void Frmkolwe::DecimalFieldGotFocus(Channel channel) {
  if (!channel.mouse_down) channel.field.SelectWholeText();
}

void Frmkolwe::Frmkolwe_TxtR_Change() { DecimalFieldChange(Red()); }
void Frmkolwe::Frmkolwe_TxtG_Change() { DecimalFieldChange(Green()); }
void Frmkolwe::Frmkolwe_TxtB_Change() { DecimalFieldChange(Blue()); }

void Frmkolwe::Frmkolwe_TxtR_KeyPress(int16_t& key_ascii) {
  DecimalFieldKeyPress(Red(), key_ascii);
}
void Frmkolwe::Frmkolwe_TxtG_KeyPress(int16_t& key_ascii) {
  DecimalFieldKeyPress(Green(), key_ascii);
}
void Frmkolwe::Frmkolwe_TxtB_KeyPress(int16_t& key_ascii) {
  DecimalFieldKeyPress(Blue(), key_ascii);
}

void Frmkolwe::Frmkolwe_TxtR_GotFocus() { DecimalFieldGotFocus(Red()); }
void Frmkolwe::Frmkolwe_TxtG_GotFocus() { DecimalFieldGotFocus(Green()); }
void Frmkolwe::Frmkolwe_TxtB_GotFocus() { DecimalFieldGotFocus(Blue()); }

void Frmkolwe::Frmkolwe_TxtR_MouseDown() { MouseDownR = true; }
void Frmkolwe::Frmkolwe_TxtG_MouseDown() { MouseDownG = true; }
void Frmkolwe::Frmkolwe_TxtB_MouseDown() { MouseDownB = true; }
void Frmkolwe::Frmkolwe_TxtR_MouseUp() { MouseDownR = false; }
void Frmkolwe::Frmkolwe_TxtG_MouseUp() { MouseDownG = false; }
void Frmkolwe::Frmkolwe_TxtB_MouseUp() { MouseDownB = false; }
