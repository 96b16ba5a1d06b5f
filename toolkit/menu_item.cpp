#include "toolkit/menu_item.h"

#include <QAction>
#include <QMenuBar>

#include "toolkit/form.h"
#include "toolkit/qt_text.h"

namespace toolkit {

MenuItem::MenuItem(Form& form, const Text& caption)
    : action_(form.MenuBar()->addAction(ToQString(caption))) {
  QObject::connect(action_, &QAction::triggered, [this] { Click.Raise(); });
}

}  // namespace toolkit
