#include "viewer/app/viewer_main.h"

#include <QApplication>
#include <QPalette>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QToolTip>
#include <algorithm>
#include <filesystem>
#include <vector>

#include "viewer/app/main_window.h"
#include "viewer/app/toolbar_icons.h"
#include "viewer/app/viewer_session.h"
#include "viewer/importers/standard_services.h"
#include "viewer/services/startup_environment.h"
#include "viewer/services/startup_settings.h"
#include "viewer/view/mouse_types.h"

#ifndef IONVUE_SOURCE_DIR
#define IONVUE_SOURCE_DIR ""
#endif

namespace ionvue {

namespace fs = std::filesystem;

std::string BundledExample(const std::string& executablePath) {
  std::error_code ec;
  fs::path exe = fs::weakly_canonical(fs::path(executablePath), ec);
  if (ec) exe = executablePath;
  const fs::path folder = exe.parent_path();
  // Installed beside the program, in the installed data folder, or in the
  // source tree the program was built from.
  const fs::path candidates[] = {folder / "examples", folder.parent_path() / "share/ionvue/examples",
                                 fs::path(IONVUE_SOURCE_DIR) / "examples"};
  for (const fs::path& dir : candidates) {
    if (dir.empty() || !fs::is_directory(dir, ec)) continue;
    std::vector<fs::path> spectra;
    for (const fs::directory_entry& entry : fs::directory_iterator(dir, ec))
      if (entry.path().extension() == ".roziro" && entry.is_regular_file(ec))
        spectra.push_back(entry.path());
    if (spectra.empty()) continue;
    std::sort(spectra.begin(), spectra.end());
    return spectra.front().string();
  }
  return "";
}

int RunViewer(int argc, char** argv, const ViewerOptions& options) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Ionvue");
  QApplication::setOrganizationName("Kestrova");
  QApplication::setWindowIcon(ApplicationIcon());
  QPalette tips = QToolTip::palette();
  tips.setColor(QPalette::ToolTipBase,
                QColor(kTooltipBackground.r, kTooltipBackground.g, kTooltipBackground.b));
  tips.setColor(QPalette::ToolTipText, Qt::black);
  QToolTip::setPalette(tips);

  const std::string exe = argc > 0 ? argv[0] : "ionvue";
  ViewerSession session;
  ReadStartupSettings(session.state, DefaultStartupEnvironment(exe));

  MainWindow window(session, StandardServices());
  ReadSettingsAfterMainWindow(session.state);
  window.show();
  window.ShowSplash();

  const std::string file = options.file.empty() ? BundledExample(exe) : options.file;
  if (!file.empty()) {
    QTimer::singleShot(0, &window, [&window, file] { window.OpenDocument(file); });
  }
  if (!options.screenshot.empty()) {
    // The whole screen, so dialogs and popups over the window show too.
    QTimer::singleShot(options.screenshotDelayMs, &window, [&window, &options] {
      QScreen* screen = window.screen();
      QPixmap shot = screen ? screen->grabWindow(0) : QPixmap();
      if (shot.isNull()) shot = window.grab();
      shot.save(QString::fromStdString(options.screenshot));
      QApplication::quit();
    });
  }
  return app.exec();
}

}  // namespace ionvue
