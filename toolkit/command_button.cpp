#include "toolkit/command_button.h"

#include <QPushButton>

#include "toolkit/form.h"
#include "toolkit/qt_text.h"
#include "toolkit/qt_units.h"

namespace toolkit {

CommandButton::CommandButton(Form& form, TwipRect rect, const Text& caption)
    : button_(new QPushButton(ToQString(caption), form.Client())) {
  button_->setGeometry(ToPixels(rect));
  button_->setAutoDefault(false);
  QObject::connect(button_, &QPushButton::clicked, [this] { Click.Raise(); });
}

bool CommandButton::Enabled() const { return button_->isEnabled(); }
void CommandButton::SetEnabled(bool enabled) { button_->setEnabled(enabled); }

QWidget* CommandButton::Widget() const { return button_; }

}  // namespace toolkit
