#include <iostream>
#include <string>
#include <vector>

#include "platform/settings.h"
#include "viewer/cli/command_line.h"
#include "viewer/importers/standard_services.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  bool handled = false;
  int status = ionvue::RunCommandLine(args, ionvue::StandardServices(), std::cout, std::cerr,
                                      handled);
  if (handled) return status;
  // Until the viewer's window exists, a file given on its own is reported.
  if (args.size() == 1) return ionvue::RunInfo(args[0], ionvue::StandardServices(), std::cout);
  std::cerr << ionvue::UsageText();
  return 2;
}
