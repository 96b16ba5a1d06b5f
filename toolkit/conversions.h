// The runtime's value conversions: text to a 16-bit integer, integers to decimal and
// hexadecimal text, rounding of reals, and the colour value. All of them are pure.
#pragma once

#include <cstdint>
#include <string>

namespace toolkit {

using Text = std::u16string;

// Decimal digits with optional surrounding blanks and one sign, or "&H" with hexadecimal
// digits (four at most, read as a 16-bit pattern). Anything else is a type mismatch; a
// decimal value outside -32768..32767 is an overflow.
int16_t CInt(const Text& text);

// Decimal digits, a minus sign for negatives, no blanks or leading zeros.
Text Str(int32_t value);

// Upper-case hexadecimal digits without leading zeros; negatives as their 32-bit pattern.
Text Hex(int32_t value);

// Round to the nearest integer, ties to even; a result outside the type's range overflows.
int16_t RoundToInt16(double value);

// red + 256 x green + 65536 x blue.
int32_t Rgb(int32_t red, int32_t green, int32_t blue);

}  // namespace toolkit
