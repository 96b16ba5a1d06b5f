// What the colour fields' key and focus handlers share: the key codes they give back and
// the selection of a field's whole text.
#pragma once

#include <cstdint>

#include "toolkit/text_box.h"

constexpr int16_t kBackspace = 8;
constexpr int16_t kRefused = 13;  // carriage return: a single-line field inserts nothing

inline void SelectWholeText(toolkit::TextBox& field) {
  field.SetSelStart(0);
  field.SetSelLength(static_cast<int32_t>(field.Text().size()));
}
