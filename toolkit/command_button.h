// A push button over QPushButton; Click after a mouse click or the space key.
#pragma once

#include "toolkit/conversions.h"
#include "toolkit/events.h"
#include "toolkit/units.h"

class QPushButton;
class QWidget;

namespace toolkit {

class Form;

class CommandButton {
 public:
  CommandButton(Form& form, TwipRect rect, const Text& caption);

  bool Enabled() const;
  void SetEnabled(bool enabled);

  Event<> Click;

  QWidget* Widget() const;

 private:
  QPushButton* button_;
};

}  // namespace toolkit
