#include "tests/app/viewer_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <cmath>

#include "platform/settings.h"
#include "viewer/app/main_window.h"
#include "viewer/app/viewer_session.h"
#include "viewer/importers/standard_services.h"
#include "viewer/services/startup_environment.h"
#include "viewer/services/startup_settings.h"

namespace ionvue::testing {

ModalAnswerer::ModalAnswerer(QMessageBox::StandardButton answer) : answer_(answer) {
  QObject::connect(&timer_, &QTimer::timeout, [this] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    texts.push_back(box->text());
    QAbstractButton* button = box->button(answer_);
    if (!button) button = box->button(QMessageBox::Ok);
    if (button)
      button->click();
    else
      box->reject();
  });
  timer_.start(5);
}

ModalAnswerer::~ModalAnswerer() { timer_.stop(); }

void ViewerTest::SetUp() {
  TempDirTest::SetUp();
  QtApp();
  SettingsStore& s = Settings();
  s.WriteInt("Defaults", "ShowAllDialogs", 0);
  s.WriteInt("Defaults", "TOFMode", 0);
  s.WriteString("Defaults", "a0", "0.0");
  s.WriteString("Defaults", "a1", "100.0");
  s.WriteInt("Defaults", "WordSize", 2);
  s.WriteString("Defaults", "IVRootDirectory", dir_.string());
  boxes = std::make_unique<ModalAnswerer>();
  session = std::make_unique<ViewerSession>();
  StartupEnvironment env;
  env.homeFolder = dir_.string();
  env.installFolder = dir_.string();
  env.executableFolder = dir_.string();
  env.tempFolder = dir_.string();
  ReadStartupSettings(session->state, env);
  window = std::make_unique<MainWindow>(*session, StandardServices());
  ReadSettingsAfterMainWindow(session->state);
  window->resize(1200, 900);
  window->show();
}

void ViewerTest::TearDown() {
  window.reset();
  session.reset();
  boxes.reset();
  TempDirTest::TearDown();
}

std::string ViewerTest::WriteSpectrum(const std::string& name, int samples,
                                      std::vector<int> peaks) {
  std::vector<uint8_t> bytes;
  for (int i = 0; i < samples; ++i) {
    double v = 100 + (i * 7919 % 13);
    for (size_t k = 0; k < peaks.size(); ++k) {
      const double d = (i - peaks[k]) / 5.0;
      v += (8000.0 + 3000.0 * static_cast<double>(k)) * std::exp(-d * d);
    }
    PutLE16(bytes, static_cast<uint16_t>(v));
  }
  return WriteFile("testdata/" + name, bytes);
}

void ViewerTest::Settle() {
  for (QMdiSubWindow* sub : window->mdiArea()->subWindowList()) sub->widget()->grab();
  QApplication::processEvents();
}

}  // namespace ionvue::testing
