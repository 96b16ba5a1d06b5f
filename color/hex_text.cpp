// The hexadecimal text and the swatch, both derived from the three decimal fields.
#include "app/frmkolwe.h"
#include "toolkit/runtime_error.h"

using toolkit::CInt;
using toolkit::Hex;

namespace {

constexpr int16_t kOneDigit = 15;
constexpr int16_t kTwoDigits = 255;

// Each row gives the highest value of red, green and blue it admits; a channel admitted
// only up to one hexadecimal digit gets a leading "0". The first row that admits all
// three builds the text.
struct HexRow {
  int16_t red, green, blue;
};
constexpr HexRow kHexRows[] = {
    {kOneDigit, kOneDigit, kOneDigit},   {kTwoDigits, kOneDigit, kOneDigit},
    {kOneDigit, kTwoDigits, kOneDigit},  {kOneDigit, kOneDigit, kTwoDigits},
    {kOneDigit, kTwoDigits, kTwoDigits}, {kTwoDigits, kOneDigit, kTwoDigits},
    {kTwoDigits, kTwoDigits, kOneDigit}, {kTwoDigits, kTwoDigits, kTwoDigits},
};

Text HexPiece(int16_t value, int16_t row_limit) {
  Text piece = Hex(value);
  if (row_limit == kOneDigit) piece.insert(piece.begin(), u'0');
  return piece;
}

// Only a real colour is shown: a channel outside 0..255 (a pasted negative number, say)
// would otherwise build a text of the wrong length or a wrong colour.
void RequireChannels(int16_t red, int16_t green, int16_t blue) {
  for (int16_t channel : {red, green, blue}) {
    if (channel < 0 || channel > kTwoDigits) {
      throw toolkit::RuntimeError(toolkit::ErrorNumber::InvalidPropertyValue);
    }
  }
}

}  // namespace

void Frmkolwe::SetHexText() {
  HexChanR = CInt(TxtR.Text());
  HexChanG = CInt(TxtG.Text());
  HexChanB = CInt(TxtB.Text());
  RequireChannels(HexChanR, HexChanG, HexChanB);
  for (const HexRow& row : kHexRows) {
    if (HexChanR <= row.red && HexChanG <= row.green && HexChanB <= row.blue) {
      const Text text = HexPiece(HexChanR, row.red) + HexPiece(HexChanG, row.green) +
                        HexPiece(HexChanB, row.blue);
      Txt16.SetText(text);  // last: the Change it raises may run this procedure again
      return;
    }
  }
}

void Frmkolwe::SetLblColor() {
  SwatchR = CInt(TxtR.Text());
  SwatchG = CInt(TxtG.Text());
  SwatchB = CInt(TxtB.Text());
  RequireChannels(SwatchR, SwatchG, SwatchB);
  LblColor.SetBackColor(toolkit::Rgb(SwatchR, SwatchG, SwatchB));
}
