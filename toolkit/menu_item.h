// A top-level command of the form's menu bar; its caption may carry an access key ("&X"),
// chosen with Alt and that key. Click when it is chosen.
#pragma once

#include "toolkit/conversions.h"
#include "toolkit/events.h"

class QAction;

namespace toolkit {

class Form;

class MenuItem {
 public:
  MenuItem(Form& form, const Text& caption);

  Event<> Click;

 private:
  QAction* action_;
};

}  // namespace toolkit
