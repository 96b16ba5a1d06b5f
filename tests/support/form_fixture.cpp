// The test bench, and the one QApplication every offscreen suite runs in with the program's look.
#include "tests/support/form_fixture.h"

#include "toolkit/runtime.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  toolkit::InstallRuntimeLook();
  // An error that reaches a handler's boundary is a fault in any test that does not expect it.
  toolkit::SetErrorObserver([](const std::string& handler, const std::string& error) {
    ADD_FAILURE() << "untrapped error in " << handler << ": " << error;
  });
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

void PrintTo(const Views& v, std::ostream* out) {
  *out << "{fields \"" << v.red << "\" \"" << v.green << "\" \"" << v.blue << "\", hex \"" << v.hex
       << "\", bars " << v.red_bar << " " << v.green_bar << " " << v.blue_bar << ", swatch "
       << QString::asprintf("%06X", unsigned(v.swatch)).toStdString() << " (BGR), copy "
       << (v.copy_enabled ? "enabled" : "disabled") << "}";
}

void FormTest::SetUp() {
  form_.reset();
  form_ = std::make_unique<Frmkolwe>(FormServices{mouse, services, services, services});
  form_->Start();
  QApplication::setActiveWindow(form_->Form.Window());
  ASSERT_TRUE(QTest::qWaitForWindowActive(form_->Form.Window()));
  toolkit::SetDispatchObserver([this](const std::string& handler, int depth) {
    if (depth == 0) raised.push_back(handler);
  });
}
