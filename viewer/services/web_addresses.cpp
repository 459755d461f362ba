#include "viewer/services/web_addresses.h"

#include <vector>

#include "viewer/core/command_ids.h"

namespace ionvue {

namespace {
using A = WebAddress::AtStartup;

const std::vector<WebAddress>& Table() {
  static const std::vector<WebAddress> table = {
      {"AAInfoURL", std::string(kMakerWebServer) + "/aainfo/contents.htm", "", A::ReadAndWriteBack},
      {"NetworkIvURL", std::string(kMakerWebServer) + "/software/iv.htm", "", A::ReadAndWriteBack},
      {"ProtocolsURL", std::string(kMakerWebServer) + "/recipes/contents.htm", "",
       A::ReadAndWriteBack},
      {"VexlarURL", std::string(kMakerWebServer) + "/", "", A::ReadAndWriteBack},
      {"CompressionURL", "html/compression/final.htm", "/html/compression/final.htm",
       A::FromLocalHelp},
      {"SmoothingURL", "html/digital/convol.htm", "/html/digital/convol.htm", A::FromLocalHelp},
      {"LicenseURL", "program/license.htm", "/program/license.htm", A::FromLocalHelp},
      {"UpgradeURL", std::string(kMakerDownloadServer) + "/Download/ionvue/win_iv.exe", "",
       A::ResetToDefault},
      {"TutorialURL", std::string(kMakerDownloadServer) + "/ionvue/tutorials/index.html", "",
       A::Untouched},
  };
  return table;
}
}  // namespace

std::span<const WebAddress> WebAddresses() { return Table(); }

const WebAddress* FindWebAddress(const std::string& key) {
  for (const WebAddress& address : Table())
    if (key == address.key) return &address;
  return nullptr;
}

const char* WebAddressKeyFor(int command) {
  switch (command) {
    case cmd::kMsProtocols:
      return "ProtocolsURL";
    case cmd::kAminoAcidInfo:
      return "AAInfoURL";
    case cmd::kVexlarIndex:
      return "VexlarURL";
    case cmd::kIonvueHomepage:
      return "NetworkIvURL";
    case cmd::kHowCompression:
      return "CompressionURL";
    case cmd::kHowSmoothing:
      return "SmoothingURL";
    case cmd::kLicense:
      return "LicenseURL";
    case cmd::kTutorial:
      return "TutorialURL";
    default:
      return nullptr;
  }
}

}  // namespace ionvue
