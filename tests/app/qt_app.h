#pragma once
// One QApplication for the widget tests, made on first use so that listing
// the tests needs no display.

#include <QApplication>

namespace ionvue::testing {

QApplication& QtApp();

}  // namespace ionvue::testing
