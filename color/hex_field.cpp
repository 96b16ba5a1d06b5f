// The hexadecimal field Txt16: six digits RRGGBB set the three decimal fields and the
// swatch; any other text empties the decimal fields until the colour is complete again.
#include "app/frmkolwe.h"
#include "color/field_rules.h"

// Six characters that are not all hexadecimal digits (only a paste brings them) are not a
// colour: they count as an incomplete text everywhere.
void Frmkolwe::Frmkolwe_Txt16_Change() {
  const Text text = Txt16.Text();
  HexLen = static_cast<int16_t>(text.size());  // first: the decimal handlers below read it
  if (color::IsColourText(text)) {
    // This run's own values: a nested run must not change what it writes.
    const Text HexPartR = text.substr(0, 2);
    const Text HexPartG = text.substr(2, 2);
    const Text HexPartB = text.substr(4, 2);
    const int16_t HexValR = toolkit::CInt(u"&H" + HexPartR);
    const int16_t HexValG = toolkit::CInt(u"&H" + HexPartG);
    const int16_t HexValB = toolkit::CInt(u"&H" + HexPartB);
    TxtR.SetText(toolkit::Str(HexValR));
    TxtG.SetText(toolkit::Str(HexValG));
    TxtB.SetText(toolkit::Str(HexValB));
    LblColor.SetBackColor(toolkit::Rgb(HexValR, HexValG, HexValB));
    CmdClip.SetEnabled(true);
  } else {
    TxtR.SetText(u"");
    TxtG.SetText(u"");
    TxtB.SetText(u"");
    CmdClip.SetEnabled(false);
  }
}

void Frmkolwe::Frmkolwe_Txt16_KeyPress(int16_t& key_ascii) {
  HexLen = static_cast<int16_t>(Txt16.Text().size());
  key_ascii = color::HexFieldKey(key_ascii, HexLen, Txt16.SelLength());
}

void Frmkolwe::Frmkolwe_Txt16_GotFocus() {
  if (!MouseDown16) Txt16.SelectWholeText();
}

void Frmkolwe::Frmkolwe_Txt16_MouseDown() { MouseDown16 = true; }
void Frmkolwe::Frmkolwe_Txt16_MouseUp() { MouseDown16 = false; }
