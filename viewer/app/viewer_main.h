#pragma once
// The viewer with its windows: start-up, the file to open, the loop.

#include <string>

namespace ionvue {

struct ViewerOptions {
  std::string file;        // opened as by File > Open; empty opens the example
  std::string screenshot;  // when set: the main window is saved there, then the program ends
  int screenshotDelayMs = 1500;
};

int RunViewer(int argc, char** argv, const ViewerOptions& options);

// The spectrum a new user sees first: the first ".roziro" of the bundled
// examples folder, or "" when there is none.
std::string BundledExample(const std::string& executablePath);

}  // namespace ionvue
