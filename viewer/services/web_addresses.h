#pragma once
// The web addresses of section WWW and the commands that open them.

#include <span>
#include <string>

namespace ionvue {

inline constexpr const char* kMakerWebServer = "http://www.kestrova.com";
inline constexpr const char* kMakerDownloadServer = "http://download.kestrova.com";
inline constexpr const char* kFeedbackAddress = "mailto:feedback@kestrova.com";

struct WebAddress {
  enum class AtStartup {
    ReadAndWriteBack,  // read with its default, written back
    FromLocalHelp,     // overwritten with the local help base + the page
    ResetToDefault,    // overwritten with its default
    Untouched,
  };
  const char* key;
  std::string defaultValue;  // at start-up and at use
  std::string localPage;     // FromLocalHelp: the page below the help base
  AtStartup atStartup;
};

// In the order start-up handles them, then the keys it does not touch.
std::span<const WebAddress> WebAddresses();
const WebAddress* FindWebAddress(const std::string& key);

// The outside mapping service's key; read and written back at start-up only.
inline constexpr const char* kMappingServiceKey = "MappingServiceURL";
inline constexpr const char* kMappingServiceDefault = "https://www.openstreetmap.org/";

// The WWW key a web-page command opens; nullptr for other commands.
const char* WebAddressKeyFor(int command);

}  // namespace ionvue
