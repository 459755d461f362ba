#pragma once
// The user's home folder: where this desktop puts what the other one put
// in "c:\".

#include <cstdlib>
#include <string>

namespace ionvue {

inline std::string HomeFolder() {
  const char* home = std::getenv("HOME");
  return home && *home ? home : "/";
}

}  // namespace ionvue
