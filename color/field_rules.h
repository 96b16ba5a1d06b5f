// The rules of the colour fields that need no window: which keys a field takes, how a
// decimal field tidies its text, and when the hexadecimal text holds a colour. The handlers
// in decimal_fields.cpp and hex_field.cpp apply them; tests check them directly.
#pragma once

#include <cstdint>
#include <optional>

#include "toolkit/conversions.h"
#include "toolkit/text_box.h"

namespace color {

using toolkit::kBackspace;
// What a key filter gives back to refuse a key: the character filter drops it outright, and
// a full field answers with a carriage return, which a single-line field does not insert.
constexpr int16_t kDropKey = 0;
constexpr int16_t kFullFieldKey = 13;

constexpr int32_t kFullDecimalField = 3;
constexpr int32_t kFullHexField = 6;

// The key a decimal field applies: digits and Backspace pass the character filter; a full
// field takes a digit only in place of a selection, and a longer one takes nothing at all.
int16_t DecimalFieldKey(int16_t key, int32_t length, int32_t selected);

// The key the hex field applies: hexadecimal digits and Backspace pass; a full field takes a
// digit only in place of a selection, or Backspace; a longer one takes nothing.
int16_t HexFieldKey(int16_t key, int32_t length, int32_t selected);

// The leading-zero rule, one step of it: "0" before one or two more characters goes, so "07"
// gives "7" and "007" gives "07". Nothing for any other text.
std::optional<toolkit::Text> WithoutLeadingZero(const toolkit::Text& text);

// Six hexadecimal digits, in either case.
bool IsColourText(const toolkit::Text& text);

}  // namespace color
