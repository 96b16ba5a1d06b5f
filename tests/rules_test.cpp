// The rules that need no window, checked directly: the runtime's conversions, the colour
// fields' key filters and tidy rules, and the rounding of the desktop portal's colour.
#include <cmath>

#include "color/field_rules.h"
#include "tests/support/form_fixture.h"
#include "toolkit/portal_pick.h"
#include "toolkit/runtime_error.h"

namespace {

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
      {"digits", u"255", "255"},
      {"blanks around", u" 12 ", "12"},
      {"a sign", u"+7", "7"},
      {"negative", u"-5", "-5"},
      {"the highest", u"32767", "32767"},
      {"the lowest", u"-32768", "-32768"},
      {"one above", u"32768", kOverflow},
      {"one below", u"-32769", kOverflow},
      {"far above", u"99999999999999999999", kOverflow},
      {"hex", u"&h1a", "26"},
      {"hex as a 16-bit pattern", u"&HFFFF", "-1"},
      {"hex over 16 bits", u"&H10000", kOverflow},
      {"empty", u"", kMismatch},
      {"blanks only", u"  ", kMismatch},
      {"a fraction", u"1.5", kMismatch},
      {"a blank after the sign", u"+ 5", kMismatch},
      {"full-width digits", u"１２", kMismatch},
      {"hex without digits", u"&H", kMismatch},
      {"a letter after digits", u"12a", kMismatch}};
  for (const auto& [row, text, converted] : rows) EXPECT_EQ(Converted(text), converted) << row;
}

TEST(ConversionsTest, NumbersToTextRoundingAndTheColourValue) {
  EXPECT_EQ(std::vector<Text>({toolkit::Str(0), toolkit::Str(255), toolkit::Str(-5)}),
            std::vector<Text>({u"0", u"255", u"-5"}));
  EXPECT_EQ(std::vector<Text>(
                {toolkit::Hex(0), toolkit::Hex(15), toolkit::Hex(0x1A2B3C), toolkit::Hex(-1)}),
            std::vector<Text>({u"0", u"F", u"1A2B3C", u"FFFFFFFF"}));
  // Ties go to the even neighbour.
  const std::pair<double, int> rounded[] = {{0.5, 0},     {1.5, 2},           {76.5, 76},
                                            {127.5, 128}, {-32768.5, -32768}, {32767.4, 32767}};
  for (const auto& [real, integer] : rounded) EXPECT_EQ(toolkit::RoundToInt16(real), integer);
  for (const double beyond : {32767.5, -32769.0, std::nan("")}) {
    EXPECT_THROW(toolkit::RoundToInt16(beyond), toolkit::RuntimeError) << beyond;
  }
  EXPECT_EQ(toolkit::Rgb(0x11, 0x22, 0x33), 0x332211);
}

// Each row: the key, the field's length, how many characters are selected, the key applied.
TEST(FieldRulesTest, KeyFilters) {
  const std::tuple<const char*, int16_t, int32_t, int32_t, int16_t> decimal_rows[] = {
      {"a digit", u'7', 2, 0, u'7'},
      {"a letter", u'a', 0, 0, kDropKey},
      {"the character before 0", u'/', 0, 0, kDropKey},
      {"the character after 9", u':', 0, 0, kDropKey},
      {"a negative code", -1, 0, 0, kDropKey},
      {"Backspace in a full field", kBackspace, 3, 0, kBackspace},
      {"a digit in a full field", u'7', 3, 0, kFullFieldKey},
      {"a digit over a selection", u'7', 3, 1, u'7'},
      {"a letter in a full field", u'a', 3, 0, kFullFieldKey},
      {"Backspace in an overfull field", kBackspace, 4, 0, kFullFieldKey},
      {"a digit over an overfull selection", u'7', 4, 4, kFullFieldKey}};
  for (const auto& [row, key, length, selected, applied] : decimal_rows) {
    EXPECT_EQ(DecimalFieldKey(key, length, selected), applied) << "decimal: " << row;
  }
  const std::tuple<const char*, int16_t, int32_t, int32_t, int16_t> hex_rows[] = {
      {"a lower-case digit", u'a', 0, 0, u'a'},
      {"an upper-case digit", u'F', 5, 0, u'F'},
      {"a letter past F", u'g', 0, 0, kDropKey},
      {"G", u'G', 0, 0, kDropKey},
      {"the character before A", u'@', 0, 0, kDropKey},
      {"the character before a", u'`', 0, 0, kDropKey},
      {"a digit in a full field", u'7', 6, 0, kFullFieldKey},
      {"a digit over a selection", u'7', 6, 1, u'7'},
      {"Backspace in a full field", kBackspace, 6, 0, kBackspace},
      {"Backspace in an overfull field", kBackspace, 7, 0, kFullFieldKey}};
  for (const auto& [row, key, length, selected, applied] : hex_rows) {
    EXPECT_EQ(HexFieldKey(key, length, selected), applied) << "hex: " << row;
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
  const std::pair<double, int32_t> rows[] = {{0.0, 0},   {0.2, 51},        {0.498, 127},
                                             {0.5, 128}, {1.0, 255},       {-0.1, 0},
                                             {1.5, 255}, {std::nan(""), 0}};
  for (const auto& [fraction, channel] : rows) EXPECT_EQ(toolkit::PortalChannel(fraction), channel);
}

}  // namespace
