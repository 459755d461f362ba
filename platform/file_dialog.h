#pragma once
// The common open and save dialogs as a model the host fills in.

#include <string>
#include <vector>

#include "platform/host.h"

namespace ionvue {

struct FileDialogModel : DialogModel {
  enum class Mode { Open, Save };
  Mode mode = Mode::Open;
  std::string title;
  std::string defaultExtension;
  // "Name|pattern;pattern|Name|pattern||" as the menus give it.
  std::string filter;
  int filterIndex = 1;  // 1-based, as stored in the settings
  bool multiSelect = false;
  bool overwritePrompt = false;
  std::string initialDirectory;
  std::vector<std::string> paths;  // the user's choice

  std::string Title() const override { return title; }
};

}  // namespace ionvue
