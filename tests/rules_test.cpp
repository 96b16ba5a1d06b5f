// The rules that need no window, checked directly: the runtime's conversions, the colour
// fields' key filters and tidy rules, the rounding of the desktop portal's colour, and where a
// wlroots output's pixel lies in its screen copy and what colour it is there.
#include <cmath>

#include "color/field_rules.h"
#include "tests/support/form_fixture.h"
#include "toolkit/portal/portal_pick.h"
#include "toolkit/runtime_error.h"
#include "toolkit/wayland/output_pixels.h"
#include "toolkit/x11/reply.h"

namespace {

using namespace color;

// The number a text converts to, or the error's name.
std::string Converted(const Text& text) {
  try {
    return std::to_string(toolkit::CInt(text));
  } catch (const toolkit::RuntimeError& error) {
    return error.what();
  }
}

TEST(ConversionsTest, TextToA16BitNumber) {
  const std::string kMismatch = "runtime error 13 (type mismatch)",
                    kOverflow = "runtime error 6 (overflow)";
  const std::tuple<const char*, Text, std::string> rows[] = {
      {"blanks around", u" 12 ", "12"},
      {"a sign", u"+7", "7"},
      {"the highest", u"32767", "32767"},
      {"the lowest", u"-32768", "-32768"},
      {"one above", u"32768", kOverflow},
      {"one below", u"-32769", kOverflow},
      {"hex", u"&h1a", "26"},
      {"hex as a 16-bit pattern", u"&HFFFF", "-1"},
      {"hex over 16 bits", u"&H10000", kOverflow},
      {"empty", u"", kMismatch},
      {"a fraction", u"1.5", kMismatch},
      {"a blank after the sign", u"+ 5", kMismatch},
      {"full-width digits", u"１２", kMismatch},
      {"hex without digits", u"&H", kMismatch}};
  for (const auto& [row, text, converted] : rows) EXPECT_EQ(Converted(text), converted) << row;
}

// Each row: the field's filter, the key, the field's length, how many characters are selected,
// the key applied.
TEST(FieldRulesTest, KeyFilters) {
  const auto decimal = DecimalFieldKey, hex = HexFieldKey;
  const std::tuple<const char*, decltype(decimal), int16_t, int32_t, int32_t, int16_t> rows[] = {
      {"decimal: a digit", decimal, u'7', 2, 0, u'7'},
      {"decimal: a letter", decimal, u'a', 0, 0, kDropKey},
      {"decimal: the character before 0", decimal, u'/', 0, 0, kDropKey},
      {"decimal: the character after 9", decimal, u':', 0, 0, kDropKey},
      {"decimal: Backspace in a full field", decimal, kBackspace, 3, 0, kBackspace},
      {"decimal: a digit in a full field", decimal, u'7', 3, 0, kFullFieldKey},
      {"decimal: a digit over a selection", decimal, u'7', 3, 1, u'7'},
      {"decimal: a letter in a full field", decimal, u'a', 3, 0, kFullFieldKey},
      {"decimal: Backspace in an overfull field", decimal, kBackspace, 4, 0, kFullFieldKey},
      {"decimal: a digit over an overfull selection", decimal, u'7', 4, 4, kFullFieldKey},
      {"hex: a lower-case digit", hex, u'a', 0, 0, u'a'},
      {"hex: an upper-case digit", hex, u'F', 5, 0, u'F'},
      {"hex: a letter past F", hex, u'g', 0, 0, kDropKey},
      {"hex: G", hex, u'G', 0, 0, kDropKey},
      {"hex: the character before A", hex, u'@', 0, 0, kDropKey},
      {"hex: the character before a", hex, u'`', 0, 0, kDropKey},
      {"hex: a digit in a full field", hex, u'7', 6, 0, kFullFieldKey},
      {"hex: Backspace in an overfull field", hex, kBackspace, 7, 0, kFullFieldKey}};
  for (const auto& [row, filter, key, length, selected, applied] : rows) {
    EXPECT_EQ(filter(key, length, selected), applied) << row;
  }
}

TEST(FieldRulesTest, LeadingZeroAndColourText) {
  const std::pair<Text, std::optional<Text>> tidied[] = {
      {u"07", u"7"}, {u"007", u"07"}, {u"025", u"25"}, {u"0 ", u" "}, {u"0", {}},
      {u"7", {}},    {u"", {}},       {u"10", {}},     {u"0123", {}}};
  for (const auto& [text, without] : tidied) EXPECT_EQ(WithoutLeadingZero(text), without);
  const std::pair<Text, bool> colours[] = {{u"1a2B3c", true},   {u"000000", true},
                                           {u"12345G", false},  {u"12345", false},
                                           {u"1234567", false}, {u"１２３４５６", false}};
  for (const auto& [text, colour] : colours) EXPECT_EQ(IsColourText(text), colour);
}

TEST(PortalRulesTest, AChannelFrom0To1IsRoundedToTheNearestOf0To255) {
  const std::pair<double, int32_t> rows[] = {
      {0.498, 127}, {0.5, 128}, {-0.1, 0}, {1.5, 255}, {std::nan(""), 0}};
  for (const auto& [fraction, channel] : rows) EXPECT_EQ(toolkit::PortalChannel(fraction), channel);
}

// An X error on a reply's way, as the X server would send it, is said once or handed on.
TEST(X11ReplyTest, AnXErrorIsOneLineNamingTheRequestOrTheCallersToSay) {
  const auto refused = [](xcb_generic_error_t** error) {
    *error = static_cast<xcb_generic_error_t*>(std::calloc(1, sizeof(xcb_generic_error_t)));
    (*error)->error_code = 8;  // BadMatch
    return static_cast<xcb_get_image_reply_t*>(nullptr);
  };
  std::string words;
  testing::internal::CaptureStderr();
  EXPECT_FALSE(toolkit::ReplyTo("GetImage", refused));
  EXPECT_FALSE(toolkit::ReplyTo("GrabPointer", refused, &words));
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "kolwe: the X server refused GetImage: error 8\n");
  EXPECT_EQ(words, "the X server refused GrabPointer: error 8");
}

using namespace toolkit::wayland;

// What a mirror or a turn does to a corner pixel of a 4 x 2 output, as the user sees it: it
// lands on the corner of the copy that the transform sends it to.
TEST(WlrOutputRulesTest, TheCopiedPixelFollowsTheTransformAndTheRowOrder) {
  const QSize mode(4, 2);
  const std::tuple<int32_t, bool, QPoint> rows[] = {
      {kNormal, false, {0, 0}},    {kNormal, true, {0, 1}},      {k90, false, {0, 1}},
      {k180, false, {3, 1}},       {k270, false, {3, 0}},        {kFlipped, false, {3, 0}},
      {kFlipped90, false, {0, 0}}, {kFlipped180, false, {0, 1}}, {kFlipped270, false, {3, 1}}};
  for (const auto& [transform, y_invert, copied] : rows) {
    const OutputShape shape{ShownSize({mode, mode, transform}), mode, transform};
    EXPECT_EQ(CopiedPixel({0, 0}, shape, y_invert), copied) << "transform " << transform;
  }
}

TEST(WlrOutputRulesTest, EachSharedMemoryFormatGivesTheSameColour) {
  const int32_t colour = 0x336699;  // red 0x99, green 0x66, blue 0x33
  // 0x99 of 255 is 0x267 of 1023 and back; 0x66 is 0x199, 0x33 is 0xcc.
  const std::pair<uint32_t, uint32_t> rows[] = {
      {kXrgb8888, 0x00996633},
      {kArgb8888, 0xff996633},
      {kXbgr8888, 0x00336699},
      {kAbgr8888, 0xff336699},
      {kXrgb2101010, 0x267u << 20 | 0x199u << 10 | 0xccu},
      {kXbgr2101010, 0xccu << 20 | 0x199u << 10 | 0x267u}};
  for (const auto& [format, pixel] : rows) EXPECT_EQ(ColourOf(format, pixel), colour) << format;
  EXPECT_EQ(ColourOf(0x34325241 /* RGBA8888 */, 0x99663300), std::nullopt);
}

}  // namespace
