// Every offscreen suite runs inside one QApplication with the program's own look.
#include <gtest/gtest.h>

#include <QApplication>

#include "toolkit/runtime.h"

namespace {

QtMessageHandler default_handler = nullptr;

// The offscreen platform says so whenever a fixed-size window is shown; nothing to act on.
void QuietOffscreenNotices(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text.contains("does not support propagateSizeHints")) return;
  default_handler(type, context, text);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  default_handler = qInstallMessageHandler(QuietOffscreenNotices);
  toolkit::InstallRuntimeLook();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
