#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "viewer/cli/command_line.h"
#include "viewer/importers/standard_services.h"

#ifdef IONVUE_WITH_GUI
#include <QGuiApplication>

#include "viewer/app/render_command.h"
#include "viewer/app/viewer_main.h"
#endif

namespace {

bool IsReportOption(const std::string& arg) { return arg == "--info" || arg == "--hash"; }

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  // The reports never need a display: they run before any Qt object exists.
  if (!args.empty() && IsReportOption(args[0])) {
    bool handled = false;
    return ionvue::RunCommandLine(args, ionvue::StandardServices(), std::cout, std::cerr,
                                  handled);
  }
#ifdef IONVUE_WITH_GUI
  if (!args.empty() && args[0] == "--render") {
    if (args.size() != 3) {
      std::cerr << ionvue::UsageText() << "       ionvue --render OUT FILE\n";
      return 2;
    }
    // Drawing a page needs fonts, not a screen.
    if (!std::getenv("QT_QPA_PLATFORM")) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    return ionvue::RunRender(args[1], args[2], ionvue::StandardServices(), std::cerr);
  }
  ionvue::ViewerOptions options;
  size_t next = 0;
  if (!args.empty() && args[0] == "--screenshot") {
    if (args.size() < 2 || args.size() > 3) {
      std::cerr << "usage: ionvue --screenshot OUT.png [FILE]\n";
      return 2;
    }
    options.screenshot = args[1];
    next = 2;
  }
  if (next < args.size()) {
    if (args[next].rfind("--", 0) == 0 || args.size() > next + 1) {
      std::cerr << ionvue::UsageText() << "       ionvue --render OUT FILE\n";
      return 2;
    }
    options.file = args[next];
  }
  return ionvue::RunViewer(argc, argv, options);
#else
  bool handled = false;
  int status =
      ionvue::RunCommandLine(args, ionvue::StandardServices(), std::cout, std::cerr, handled);
  if (handled) return status;
  if (args.size() == 1) return ionvue::RunInfo(args[0], ionvue::StandardServices(), std::cout);
  std::cerr << ionvue::UsageText();
  return 2;
#endif
}
