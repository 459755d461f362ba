#pragma once
// A main window over a fresh settings folder, with a synthetic spectrum on
// disk and every message box answered as it comes up.

#include <QMessageBox>
#include <QString>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

#include "tests/app/qt_app.h"
#include "tests/support/test_support.h"

namespace ionvue {

class MainWindow;
struct ViewerSession;

namespace testing {

// Closes each modal message box shortly after it opens, with `answer`,
// and keeps its text.
class ModalAnswerer {
 public:
  explicit ModalAnswerer(QMessageBox::StandardButton answer = QMessageBox::No);
  ~ModalAnswerer();
  std::vector<QString> texts;

 private:
  QTimer timer_;
  QMessageBox::StandardButton answer_;
};

class ViewerTest : public TempDirTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A 16-bit raw spectrum of `samples` points with peaks at the given
  // sample positions; the raw path needs no dialog (ShowAllDialogs is off)
  // and is calibrated linearly, m/z = 100 t.
  std::string WriteSpectrum(const std::string& name, int samples = 20000,
                            std::vector<int> peaks = {4000, 9000, 15000});
  // Paints the windows once, as showing them on screen would.
  void Settle();

  std::unique_ptr<ViewerSession> session;
  std::unique_ptr<MainWindow> window;
  std::unique_ptr<ModalAnswerer> boxes;
};

}  // namespace testing
}  // namespace ionvue
