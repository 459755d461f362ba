#include "viewer/core/load_parameters_dialog.h"

#include "platform/settings.h"

namespace ionvue {

LoadParametersDialog::LoadParametersDialog(char letter, double timeBase_, int shots_,
                                           int headerBytes_, int wordSize, bool massTable_)
    : timeBase(timeBase_),
      shots(shots_),
      headerBytes(letter == '5' ? 1024 : headerBytes_),
      massTable(massTable_),
      tofware_(letter == '5') {
  switch (letter) {
    case '3':
      fileType = kOneColumn;
      break;
    case '4':
      fileType = kTwoColumn;
      break;
    default:
      fileType = wordSize == 2 ? k16Bit : k32Bit;
  }
}

std::vector<std::string> LoadParametersDialog::PointItems() {
  std::vector<std::string> items;
  for (int n = 10000; n <= 90000; n += 10000) items.push_back(std::to_string(n));
  items.push_back("all");
  return items;
}

std::string LoadParametersDialog::Validate() const {
  if (!(timeBase >= 0.00001 && timeBase <= 1000)) return "Data time base";
  if (shots < 1 || shots > 1000000) return "Number of shots";
  if (headerBytes < 0 || headerBytes > 32000) return "Header length";
  if (fileType < k16Bit || fileType > kTwoColumn) return "Detected file type";
  return "";
}

LoadParametersDialog::Outcome LoadParametersDialog::Accept(char letter, int wordSize) const {
  Outcome out{kAllPoints, letter, wordSize};
  if (points.find("all") == std::string::npos) out.points = static_cast<int>(LeadingInt(points));
  if (tofware_) {
    out.wordSize = fileType == k16Bit ? 2 : 4;
    return out;
  }
  switch (fileType) {
    case k16Bit:
      out.letter = '2';
      out.wordSize = 2;
      break;
    case k32Bit:
      out.letter = '2';
      out.wordSize = 4;
      break;
    case kOneColumn:
      out.letter = '3';
      break;
    case kTwoColumn:
      out.letter = '4';
      break;
  }
  return out;
}

}  // namespace ionvue
