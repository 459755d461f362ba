#pragma once
// The folders of this installation that stand where the other desktop had
// fixed drive paths.

#include <string>

namespace ionvue {

struct StartupEnvironment {
  std::string homeFolder;        // the defaults that were "c:\"
  std::string installFolder;     // the default installation folder
  std::string executableFolder;  // where the viewer and its updater live
  std::string tempFolder;        // the user's temporary folder
  // Where the ".roziro" content type is registered when it is missing
  // (a freedesktop "mime/packages" folder); empty leaves it alone.
  std::string mimePackagesFolder;
};

// The environment of the program at `executablePath`: the installation
// folder is "<prefix>/share/ionvue/program" beside the executable's prefix
// when that exists, else the executable's folder.
StartupEnvironment DefaultStartupEnvironment(const std::string& executablePath);

}  // namespace ionvue
