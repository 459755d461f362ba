#pragma once
// "Load parameters for the new file": the acquisition values a raw file
// does not carry, asked before it is read.

#include <string>
#include <vector>

#include "platform/host.h"

namespace ionvue {

class LoadParametersDialog : public DialogModel {
 public:
  enum FileType { k16Bit = 0, k32Bit = 1, kOneColumn = 2, kTwoColumn = 3 };
  static constexpr int kAllPoints = 2000000;

  // Preselects the file type from the letter and the stored word size.
  LoadParametersDialog(char letter, double timeBase, int shots, int headerBytes, int wordSize,
                       bool massTable);

  std::string Title() const override { return "Load parameters for the new file"; }
  static std::vector<std::string> PointItems();

  // Fields as the form shows them.
  double timeBase;             // "Data time base", 0.00001 to 1000 µs
  int shots;                   // "Number of shots", 1 to 1000000
  std::string points = "all";  // "Points to load"
  int headerBytes;             // "Header length", 0 to 32000
  int fileType;                // "Detected file type"
  bool massTable;              // "Linear mass-intensity table"
  bool doNotShow = false;      // "Do not show this dialog"

  // The first field out of range, or "" when the form may be accepted.
  std::string Validate() const;

  // What accepting the form decides.
  struct Outcome {
    int points;
    char letter;
    int wordSize;
  };
  Outcome Accept(char letter, int wordSize) const;

  bool tofware() const { return tofware_; }

 private:
  bool tofware_;
};

}  // namespace ionvue
