// The runtime's conversions, by tables.
#include "toolkit/conversions.h"

#include <gtest/gtest.h>

#include <optional>

#include "toolkit/runtime_error.h"

namespace {

using toolkit::ErrorNumber;
using toolkit::Text;

template <typename Convert>
std::optional<ErrorNumber> ErrorOf(Convert convert) {
  try {
    convert();
  } catch (const toolkit::RuntimeError& error) {
    return error.Number();
  }
  return std::nullopt;
}

TEST(ConversionsTest, TextToInteger) {
  const struct {
    Text text;
    int value;
  } converts[] = {{u"0", 0},      {u"007", 7},       {u" 12 ", 12},       {u"+5", 5},
                  {u"-5", -5},    {u"32767", 32767}, {u"-32768", -32768}, {u"&H1A", 26},
                  {u"&hff", 255}, {u"&HFFFF", -1}};
  for (const auto& row : converts) EXPECT_EQ(toolkit::CInt(row.text), row.value);

  const struct {
    Text text;
    ErrorNumber error;
  } fails[] = {{u"32768", ErrorNumber::Overflow},
               {u"-32769", ErrorNumber::Overflow},
               {u"99999999999999999999", ErrorNumber::Overflow},
               {u"&H10000", ErrorNumber::Overflow},
               {u"", ErrorNumber::TypeMismatch},
               {u"   ", ErrorNumber::TypeMismatch},
               {u"-", ErrorNumber::TypeMismatch},
               {u"1.5", ErrorNumber::TypeMismatch},
               {u"1e2", ErrorNumber::TypeMismatch},
               {u"1,0", ErrorNumber::TypeMismatch},
               {u"1 2", ErrorNumber::TypeMismatch},
               {u"- 5", ErrorNumber::TypeMismatch},
               {u"１２", ErrorNumber::TypeMismatch},
               {u"&H", ErrorNumber::TypeMismatch},
               {u"&HG", ErrorNumber::TypeMismatch},
               {u"0x1A", ErrorNumber::TypeMismatch}};
  for (const auto& row : fails) {
    EXPECT_EQ(ErrorOf([&] { toolkit::CInt(row.text); }), row.error)
        << std::string(row.text.begin(), row.text.end());
  }
}

TEST(ConversionsTest, IntegerToDecimalAndHexadecimalText) {
  const struct {
    int32_t value;
    Text decimal, hex;
  } table[] = {{0, u"0", u"0"},      {15, u"15", u"F"},        {16, u"16", u"10"},
               {255, u"255", u"FF"}, {-5, u"-5", u"FFFFFFFB"}, {3368601, u"3368601", u"336699"}};
  for (const auto& row : table) {
    EXPECT_EQ(toolkit::Str(row.value), row.decimal);
    EXPECT_EQ(toolkit::Hex(row.value), row.hex);
  }
}

TEST(ConversionsTest, RoundingGoesHalfToEvenAndOverflowsOutsideTheType) {
  const std::pair<double, int> table[] = {{0.5, 0},     {1.5, 2},      {2.5, 2},   {3.984375, 4},
                                          {127.5, 128}, {191.25, 191}, {76.5, 76}, {25.5, 26},
                                          {-0.5, 0},    {-1.5, -2}};
  for (const auto& [value, rounded] : table) EXPECT_EQ(toolkit::RoundToInt16(value), rounded);
  EXPECT_EQ(toolkit::RoundToByte(254.5), 254);
  EXPECT_EQ(ErrorOf([] { toolkit::RoundToByte(255.6); }), ErrorNumber::Overflow);
  EXPECT_EQ(ErrorOf([] { toolkit::RoundToByte(-0.6); }), ErrorNumber::Overflow);
  EXPECT_EQ(ErrorOf([] { toolkit::RoundToInt16(32767.5); }), ErrorNumber::Overflow);
  EXPECT_EQ(toolkit::Rgb(153, 102, 51), 3368601);
}

}  // namespace
