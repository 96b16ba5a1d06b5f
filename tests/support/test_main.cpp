// Every offscreen suite runs inside one QApplication with the program's own look.
#include <gtest/gtest.h>

#include <QApplication>

#include "toolkit/runtime.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  toolkit::InstallRuntimeLook();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
