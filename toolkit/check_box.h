// A two-state check box over QCheckBox; Click after the user toggles it.
#pragma once

#include <cstdint>

#include "toolkit/conversions.h"
#include "toolkit/events.h"
#include "toolkit/units.h"

class QCheckBox;
class QWidget;

namespace toolkit {

class Form;

class CheckBox {
 public:
  CheckBox(Form& form, TwipRect rect, const Text& caption);

  // 0 unchecked, 1 checked.
  int16_t Value() const;

  Event<> Click;

  QWidget* Widget() const;

 private:
  QCheckBox* box_;
};

}  // namespace toolkit
