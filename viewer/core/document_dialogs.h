#pragma once
// The small dialogs of the document: trimming the spectrum and the choice of
// what "Save screen as ASCII" writes.

#include <string>

#include "platform/host.h"

namespace ionvue {

class TrimSpectrumDialog : public DialogModel {
 public:
  static constexpr double kLowest = 1;
  static constexpr double kHighest = 10000000;

  explicit TrimSpectrumDialog(double endpoint) : endpoint(endpoint) {}
  std::string Title() const override { return "Trim spectrum"; }
  static constexpr const char* kFieldLabel = "New endpoint";
  static constexpr const char* kAcceptButton = "Accept";
  static constexpr const char* kRejectButton = "Reject";

  double endpoint;  // m/z
  bool Valid() const { return endpoint >= kLowest && endpoint <= kHighest; }
};

class SaveAsciiDialog : public DialogModel {
 public:
  enum Choice { kScreen = 0, kEntireFile = 1 };
  explicit SaveAsciiDialog(int choice) : choice(choice == kEntireFile ? kEntireFile : kScreen) {}
  std::string Title() const override { return "Save ASCII information"; }
  static constexpr const char* kScreenText = "Save the graph shown on the screen";
  static constexpr const char* kScreenFormat = "(format:  mass TAB intensity)";
  static constexpr const char* kEntireText = "Save the entire data file in ASCII";
  static constexpr const char* kEntireFormat = "(format: bin number TAB intensity)";

  int choice;
};

}  // namespace ionvue
