#include "color/field_rules.h"

namespace color {
namespace {

bool IsDigit(int16_t key) { return key >= u'0' && key <= u'9'; }

bool IsHexDigit(int16_t key) {
  return IsDigit(key) || (key >= u'A' && key <= u'F') || (key >= u'a' && key <= u'f');
}

// A field's key filter: the keys that pass, and the field's full length.
int16_t FieldKey(int16_t key, int32_t length, int32_t selected, bool (*passes)(int16_t),
                 int32_t full) {
  if (!passes(key) && key != kBackspace) key = kDropKey;
  if (length > full) return kFullFieldKey;
  if (length == full && selected < 1 && key != kBackspace) return kFullFieldKey;
  return key;
}

}  // namespace

int16_t DecimalFieldKey(int16_t key, int32_t length, int32_t selected) {
  return FieldKey(key, length, selected, IsDigit, kFullDecimalField);
}

int16_t HexFieldKey(int16_t key, int32_t length, int32_t selected) {
  return FieldKey(key, length, selected, IsHexDigit, kFullHexField);
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

}  // namespace color
