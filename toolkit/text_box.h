// A single-line text box over QLineEdit. Change is raised once per change of its text, by
// the user or by code (synchronously, and never for an equal write); KeyPress sees every
// character key before the field applies it; a click that brings the focus raises
// MouseDown before GotFocus.
#pragma once

#include <cstdint>
#include <memory>

#include "toolkit/conversions.h"
#include "toolkit/events.h"
#include "toolkit/units.h"

class QLineEdit;
class QWidget;

namespace toolkit {

constexpr int16_t kBackspace = 8;  // the key code KeyPress sees for Backspace

class Form;
class FieldEdit;

class TextBox {
 public:
  // The design-time text is loaded without raising Change.
  TextBox(Form& form, TwipRect rect, const toolkit::Text& text);
  ~TextBox();
  TextBox(const TextBox&) = delete;
  TextBox& operator=(const TextBox&) = delete;

  toolkit::Text Text() const;
  // Selects the whole text, as a field does when the keyboard brings the focus to it.
  void SelectWholeText();
  void SetText(const toolkit::Text& text);
  int32_t SelStart() const;
  void SetSelStart(int32_t start);
  int32_t SelLength() const;
  void SetSelLength(int32_t length);

  Event<> Change;
  Event<int16_t&> KeyPress;
  Event<> GotFocus;
  MouseEvent MouseDown;
  MouseEvent MouseUp;

  QWidget* Widget() const;

 private:
  friend class FieldEdit;
  void OnTextChanged();

  FieldEdit* edit_;
  toolkit::Text last_text_;
};

}  // namespace toolkit
