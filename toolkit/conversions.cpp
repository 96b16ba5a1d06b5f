#include "toolkit/conversions.h"

#include <cmath>
#include <limits>

#include "toolkit/runtime_error.h"

namespace toolkit {
namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

int HexDigitValue(char16_t c) {
  if (IsDigit(c)) return c - u'0';
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  return -1;
}

[[noreturn]] void Fail(ErrorNumber number) { throw RuntimeError(number); }

int16_t ParseHexPattern(const Text& digits) {
  if (digits.empty()) Fail(ErrorNumber::TypeMismatch);
  uint32_t value = 0;
  for (char16_t c : digits) {
    const int digit = HexDigitValue(c);
    if (digit < 0) Fail(ErrorNumber::TypeMismatch);
    value = value * 16 + static_cast<uint32_t>(digit);
    if (value > 0xFFFF) Fail(ErrorNumber::Overflow);
  }
  return static_cast<int16_t>(static_cast<uint16_t>(value));
}

int16_t ParseDecimal(const Text& body) {
  size_t pos = 0;
  bool negative = false;
  if (pos < body.size() && (body[pos] == u'+' || body[pos] == u'-')) {
    negative = body[pos] == u'-';
    ++pos;
  }
  if (pos == body.size()) Fail(ErrorNumber::TypeMismatch);
  int64_t value = 0;
  bool overflow = false;
  for (; pos < body.size(); ++pos) {
    if (!IsDigit(body[pos])) Fail(ErrorNumber::TypeMismatch);
    if (!overflow) {
      value = value * 10 + (body[pos] - u'0');
      overflow = value > 32768;
    }
  }
  if (negative) value = -value;
  if (overflow || value < std::numeric_limits<int16_t>::min() ||
      value > std::numeric_limits<int16_t>::max()) {
    Fail(ErrorNumber::Overflow);
  }
  return static_cast<int16_t>(value);
}

}  // namespace

int16_t CInt(const Text& text) {
  const size_t first = text.find_first_not_of(u' ');
  if (first == Text::npos) Fail(ErrorNumber::TypeMismatch);
  const size_t last = text.find_last_not_of(u' ');
  const Text body = text.substr(first, last - first + 1);
  if (body.size() >= 2 && body[0] == u'&' && (body[1] == u'H' || body[1] == u'h')) {
    return ParseHexPattern(body.substr(2));
  }
  return ParseDecimal(body);
}

Text Str(int32_t value) {
  const std::string digits = std::to_string(value);
  return Text(digits.begin(), digits.end());
}

Text Hex(int32_t value) {
  static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
  uint32_t pattern = static_cast<uint32_t>(value);
  Text text;
  do {
    text.insert(text.begin(), kDigits[pattern % 16]);
    pattern /= 16;
  } while (pattern != 0);
  return text;
}

namespace {

template <typename Int>
Int RoundHalfEven(double value) {
  const double rounded = std::nearbyint(value);  // the default rounding mode is to even
  if (!(rounded >= std::numeric_limits<Int>::min() && rounded <= std::numeric_limits<Int>::max())) {
    Fail(ErrorNumber::Overflow);
  }
  return static_cast<Int>(rounded);
}

}  // namespace

int16_t RoundToInt16(double value) { return RoundHalfEven<int16_t>(value); }

int32_t Rgb(int32_t red, int32_t green, int32_t blue) { return red + 256 * green + 65536 * blue; }

}  // namespace toolkit
