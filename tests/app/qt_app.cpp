#include "tests/app/qt_app.h"

#include <cstdlib>

namespace ionvue::testing {

QApplication& QtApp() {
  static int argc = 1;
  static char name[] = "test_app";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    if (!std::getenv("QT_QPA_PLATFORM")) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    return new QApplication(argc, argv);
  }();
  return *app;
}

}  // namespace ionvue::testing
