// The runtime's conversions, by tables.
#include <gtest/gtest.h>

#include <optional>

#include "toolkit/conversions.h"
#include "toolkit/runtime_error.h"

namespace {

using toolkit::ErrorNumber;
using toolkit::RuntimeError;
using toolkit::Text;

template <typename Convert>
std::optional<ErrorNumber> ErrorOf(Convert convert) {
  try {
    convert();
  } catch (const RuntimeError& error) {
    return error.Number();
  }
  return std::nullopt;
}

struct TextToInteger {
  Text text;
  int value;                       // when it converts
  std::optional<ErrorNumber> error;
};

TEST(ConversionsTest, TextToInteger) {
  const TextToInteger table[] = {
      {u"0", 0, {}},
      {u"255", 255, {}},
      {u"007", 7, {}},
      {u" 12 ", 12, {}},
      {u"+5", 5, {}},
      {u"-5", -5, {}},
      {u"32767", 32767, {}},
      {u"-32768", -32768, {}},
      {u"&H1A", 26, {}},
      {u"&hff", 255, {}},
      {u"&HFFFF", -1, {}},  // a 16-bit pattern
      {u"32768", 0, ErrorNumber::Overflow},
      {u"-32769", 0, ErrorNumber::Overflow},
      {u"99999999999999999999", 0, ErrorNumber::Overflow},
      {u"&H10000", 0, ErrorNumber::Overflow},
      {u"", 0, ErrorNumber::TypeMismatch},
      {u"   ", 0, ErrorNumber::TypeMismatch},
      {u"-", 0, ErrorNumber::TypeMismatch},
      {u"1.5", 0, ErrorNumber::TypeMismatch},
      {u"1e2", 0, ErrorNumber::TypeMismatch},
      {u"1,0", 0, ErrorNumber::TypeMismatch},
      {u"1 2", 0, ErrorNumber::TypeMismatch},
      {u"- 5", 0, ErrorNumber::TypeMismatch},
      {u"１２", 0, ErrorNumber::TypeMismatch},  // full-width digits
      {u"&H", 0, ErrorNumber::TypeMismatch},
      {u"&HG", 0, ErrorNumber::TypeMismatch},
      {u"0x1A", 0, ErrorNumber::TypeMismatch},
      {u"abc", 0, ErrorNumber::TypeMismatch},
  };
  for (const TextToInteger& row : table) {
    SCOPED_TRACE(std::string(row.text.begin(), row.text.end()));
    EXPECT_EQ(ErrorOf([&] { toolkit::CInt(row.text); }), row.error);
    if (!row.error) {
      EXPECT_EQ(toolkit::CInt(row.text), row.value);
    }
  }
}

TEST(ConversionsTest, IntegerToDecimalAndHexadecimalText) {
  const struct {
    int32_t value;
    Text decimal, hex;
  } table[] = {{0, u"0", u"0"},       {15, u"15", u"F"},    {16, u"16", u"10"},
               {255, u"255", u"FF"}, {-5, u"-5", u"FFFFFFFB"}, {3368601, u"3368601", u"336699"}};
  for (const auto& row : table) {
    EXPECT_EQ(toolkit::Str(row.value), row.decimal);
    EXPECT_EQ(toolkit::Hex(row.value), row.hex);
  }
}

TEST(ConversionsTest, RoundingGoesHalfToEvenAndOverflowsOutsideTheType) {
  const struct {
    double value;
    int rounded;
  } table[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {3.984375, 4}, {63.75, 64},
               {127.5, 128}, {191.25, 191}, {76.5, 76}, {25.5, 26}, {-0.5, 0}, {-1.5, -2}};
  for (const auto& row : table) EXPECT_EQ(toolkit::RoundToInt16(row.value), row.rounded);
  EXPECT_EQ(toolkit::RoundToByte(254.5), 254);
  EXPECT_EQ(toolkit::RoundToByte(64.0), 64);
  EXPECT_EQ(ErrorOf([] { toolkit::RoundToByte(255.6); }), ErrorNumber::Overflow);
  EXPECT_EQ(ErrorOf([] { toolkit::RoundToByte(-0.6); }), ErrorNumber::Overflow);
  EXPECT_EQ(ErrorOf([] { toolkit::RoundToInt16(32767.5); }), ErrorNumber::Overflow);
}

TEST(ConversionsTest, ColourValueIsRedPlus256GreenPlus65536Blue) {
  EXPECT_EQ(toolkit::Rgb(0, 0, 0), 0);
  EXPECT_EQ(toolkit::Rgb(255, 128, 0), 255 + 256 * 128);
  EXPECT_EQ(toolkit::Rgb(153, 102, 51), 3368601);
  EXPECT_EQ(toolkit::Rgb(255, 255, 255), 0xFFFFFF);
}

}  // namespace
