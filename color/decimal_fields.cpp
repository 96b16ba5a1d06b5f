// The decimal fields TxtR, TxtG and TxtB: the hub every colour change passes through. Each
// change is tidied, checked, carried to the field's scroll bar and, once no field is empty,
// to the swatch and the hexadecimal text.
#include "app/frmkolwe.h"
#include "color/field_keys.h"

namespace {
constexpr int32_t kFullField = 3;
}  // namespace

void Frmkolwe::DecimalFieldChange(Channel channel) {
  toolkit::TextBox& field = channel.field;
  TextBusy = 1;
  LenB = static_cast<int32_t>(TxtB.Text().size());
  LenR = static_cast<int32_t>(TxtR.Text().size());
  LenG = static_cast<int32_t>(TxtG.Text().size());

  // An emptied field is refilled with a selected "0" while the hex field holds a colour.
  if (channel.len == 0 && HexLen == 6 && HexFieldHoldsColour()) {
    field.SetText(u"0");
    SelectWholeText(field);
  }

  // Leading zero: each write runs this handler again, so "007" becomes "07", then "7".
  const Text text = field.Text();
  if (!text.empty() && text[0] == u'0' && channel.len == 2) {
    field.SetText(text.substr(1, 1));
  } else if (!text.empty() && text[0] == u'0' && channel.len == 3) {
    field.SetText(text.substr(1, 2));
  }

  try {
    // A value above 255, or below 0 (only a paste can bring one), gives the last accepted
    // text back, selected.
    const int16_t value = toolkit::CInt(field.Text());
    if (value > 255 || value < 0) {
      field.SetText(channel.prev);
      SelectWholeText(field);
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
  TextBusy = 0;
}

void Frmkolwe::DecimalFieldKeyPress(Channel channel, int16_t& key_ascii) {
  if ((key_ascii < u'0' || key_ascii > u'9') && key_ascii != kBackspace) key_ascii = 0;
  channel.len = static_cast<int32_t>(channel.field.Text().size());
  if (channel.len == kFullField) {
    if (channel.field.SelLength() < 1 && key_ascii != kBackspace) key_ascii = kRefused;
  } else if (channel.len > kFullField) {
    key_ascii = kRefused;
  }
}

void Frmkolwe::DecimalFieldGotFocus(Channel channel) {
  if (!channel.mouse_down) SelectWholeText(channel.field);
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
