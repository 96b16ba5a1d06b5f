#include "app/frmkolwe.h"

#include "app/kolwe.xpm"
#include "toolkit/accessibility.h"

using toolkit::Label;
using toolkit::LineShape;
using toolkit::Rgb;
using toolkit::ScrollBar;

namespace {

constexpr int32_t kGray = 128 + 256 * 128 + 65536 * 128;
constexpr int32_t kHighlight = LineShape::kHighlight;
constexpr int32_t kBlack = 0;
constexpr int kGrayWidth = 2;
constexpr int kHighlightWidth = 1;
constexpr ScrollBar::Range kChannelRange{0, 255, 1, 1};

// The etched frames: each edge is a gray line with a highlight line over it.
constexpr toolkit::TwipLine kOuterTop{120, 120, 3480, 120};
constexpr toolkit::TwipLine kOuterRight{3480, 120, 3480, 1920};
constexpr toolkit::TwipLine kOuterBottom{120, 1920, 3480, 1920};
constexpr toolkit::TwipLine kOuterLeft{120, 120, 120, 1920};
constexpr toolkit::TwipLine kButtonsTop{2520, 360, 3360, 360};
constexpr toolkit::TwipLine kButtonsRight{3360, 360, 3360, 1680};
constexpr toolkit::TwipLine kButtonsBottom{2520, 1680, 3360, 1680};
constexpr toolkit::TwipLine kButtonsLeft{2520, 360, 2520, 1680};
// Along the top of the client area the highlight lies under the gray line.
constexpr toolkit::TwipLine kClientTop{3600, 0, 0, 0};

}  // namespace

Frmkolwe::Frmkolwe(FormServices services)
    : Line6(Form, kOuterBottom, kGrayWidth, kGray),
      Line3(Form, kOuterLeft, kGrayWidth, kGray),
      Line14(Form, kButtonsBottom, kGrayWidth, kGray),
      Line11(Form, kButtonsLeft, kGrayWidth, kGray),
      Line12(Form, kButtonsRight, kGrayWidth, kGray),
      Line13(Form, kButtonsTop, kGrayWidth, kGray),
      Line4(Form, kOuterRight, kGrayWidth, kGray),
      Line5(Form, kOuterTop, kGrayWidth, kGray),
      Line1(Form, kClientTop, 4, kHighlight),
      Label1(Form, {240, 240, 120, 180}, Label::Style::Caption, u"R", Rgb(255, 0, 0), kBlack),
      LblColor(Form, {1920, 1320, 495, 495}, Label::Style::Swatch, u"", kBlack, Rgb(0, 0, 0)),
      Label3(Form, {240, 960, 120, 180}, Label::Style::Caption, u"B", Rgb(0, 0, 128), kBlack),
      Label2(Form, {240, 600, 120, 180}, Label::Style::Caption, u"G", Rgb(0, 128, 0), kBlack),
      Label16(Form, {240, 1440, 660, 180}, Label::Style::Caption, u"16進数", Label::kDefaultColor,
              Label::kDefaultColor),
      Line18(Form, kButtonsRight, kHighlightWidth, kHighlight),
      Line17(Form, kButtonsLeft, kHighlightWidth, kHighlight),
      Line16(Form, kButtonsBottom, kHighlightWidth, kHighlight),
      Line15(Form, kButtonsTop, kHighlightWidth, kHighlight),
      Line10(Form, kOuterTop, kHighlightWidth, kHighlight),
      Line8(Form, kOuterRight, kHighlightWidth, kHighlight),
      Line7(Form, kOuterLeft, kHighlightWidth, kHighlight),
      Line2(Form, kClientTop, kGrayWidth, kGray),
      Line9(Form, kOuterBottom, kHighlightWidth, kHighlight),
      TxtR(Form, {480, 240, 375, 270}, u"0"),
      HSclRed(Form, {960, 240, 1455, 255}, kChannelRange, 0),
      TxtG(Form, {480, 600, 375, 270}, u"0"),
      HSclGreen(Form, {960, 600, 1455, 255}, kChannelRange, 0),
      TxtB(Form, {480, 960, 375, 270}, u"0"),
      HSclBlue(Form, {960, 960, 1455, 255}, kChannelRange, 0),
      Txt16(Form, {840, 1440, 855, 270}, u"000000"),
      CmdClip(Form, {2640, 480, 615, 375}, u"copy"),
      CmdClear1(Form, {2640, 840, 615, 375}, u"clear"),
      CmdGet(Form, {2640, 1200, 615, 375}, u"get"),
      ChkTop(Form, {120, 2040, 2055, 255}, u"常に最前面に表示する"),
      IDMend(Form, u"終了(&X)"),
      services_(services) {
  Form.SetCaption(u"ミロカver1.10");
  Form.SetClientSize(3600, 2295);
  Form.SetDesignPosition(3960, 3225);
  Form.SetIcon(kolwe_xpm);
  Form.SetTabOrder({TxtR.Widget(), HSclRed.Widget(), TxtG.Widget(), HSclGreen.Widget(),
                    TxtB.Widget(), HSclBlue.Widget(), Txt16.Widget(), CmdClip.Widget(),
                    CmdClear1.Widget(), CmdGet.Widget(), ChkTop.Widget()});
  NameForScreenReaders();
  WireEvents();
}

// A screen reader names each field and bar by its channel, linked to the visible letter or
// text beside it; the swatch describes its own colour.
void Frmkolwe::NameForScreenReaders() {
  const struct {
    QWidget* control;
    Text name;
    const Label& label;
  } kNamed[] = {{TxtR.Widget(), u"赤", Label1},      {HSclRed.Widget(), u"赤", Label1},
                {TxtG.Widget(), u"緑", Label2},      {HSclGreen.Widget(), u"緑", Label2},
                {TxtB.Widget(), u"青", Label3},      {HSclBlue.Widget(), u"青", Label3},
                {Txt16.Widget(), u"16進数", Label16}};
  for (const auto& named : kNamed) {
    toolkit::SetAccessibleName(named.control, named.name);
    toolkit::SetLabelFor(named.label.Widget(), named.control);
  }
  toolkit::SetAccessibleName(LblColor.Widget(), u"色見本");
}

void Frmkolwe::Start() { Form.Show(); }

Frmkolwe::Channel Frmkolwe::Red() {
  return {TxtR, HSclRed, LenR, PrevR, MouseDownR, RefreshOrder::SwatchFirst};
}

Frmkolwe::Channel Frmkolwe::Green() {
  return {TxtG, HSclGreen, LenG, PrevG, MouseDownG, RefreshOrder::SwatchFirst};
}

// Blue writes the hex text before it paints the swatch, as the window always has. Both
// orders end with the same views: SetLblColor and SetHexText read the same three fields, and
// fail on the same texts.
Frmkolwe::Channel Frmkolwe::Blue() {
  return {TxtB, HSclBlue, LenB, PrevB, MouseDownB, RefreshOrder::SwatchLast};
}
