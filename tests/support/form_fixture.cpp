#include "tests/support/form_fixture.h"

#include <ostream>

std::ostream& operator<<(std::ostream& out, const Views& v) {
  return out << "fields \"" << v.red << "\" \"" << v.green << "\" \"" << v.blue << "\" hex \""
             << v.hex << "\" bars " << v.bar_red << "/" << v.bar_green << "/" << v.bar_blue
             << " swatch " << v.swatch << " copy " << (v.copy_enabled ? "on" : "off");
}

Views InStep(int red, int green, int blue) {
  const std::string hex = QString::asprintf("%02X%02X%02X", red, green, blue).toStdString();
  const std::string r = std::to_string(red), g = std::to_string(green), b = std::to_string(blue);
  return {r, g, b, hex, red, green, blue, toolkit::Rgb(red, green, blue), true};
}

void FormTest::SetUp() {
  form_ = std::make_unique<Frmkolwe>(FormServices{mouse, message_box, clipboard, end});
  form_->Start();
  QApplication::setActiveWindow(form_->Form.Window());
  ASSERT_TRUE(QTest::qWaitForWindowActive(form_->Form.Window()));
}
