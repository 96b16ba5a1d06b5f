#include "color/field_rules.h"

namespace {

bool IsDigit(int16_t key) { return key >= u'0' && key <= u'9'; }

bool IsHexDigit(int16_t key) {
  return IsDigit(key) || (key >= u'A' && key <= u'F') || (key >= u'a' && key <= u'f');
}

}  // namespace

int16_t DecimalFieldKey(int16_t key, int32_t length, int32_t selected) {
  if (!IsDigit(key) && key != kBackspace) key = kDropKey;
  if (length > kFullDecimalField) return kFullFieldKey;
  if (length == kFullDecimalField && selected < 1 && key != kBackspace) return kFullFieldKey;
  return key;
}

int16_t HexFieldKey(int16_t key, int32_t length, int32_t selected) {
  if (!IsHexDigit(key) && key != kBackspace) key = kDropKey;
  if (length > kFullHexField) return kFullFieldKey;
  if (length == kFullHexField && selected < 1 && key != kBackspace) return kFullFieldKey;
  return key;
}

std::optional<toolkit::Text> WithoutLeadingZero(const toolkit::Text& text) {
  if (text.empty() || text[0] != u'0' || text.size() < 2 || text.size() > 3) return std::nullopt;
  return text.substr(1);
}

bool IsColourText(const toolkit::Text& text) {
  if (text.size() != static_cast<size_t>(kFullHexField)) return false;
  for (char16_t c : text) {
    if (!IsHexDigit(static_cast<int16_t>(c))) return false;
  }
  return true;
}
