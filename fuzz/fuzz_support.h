#pragma once
// What every file-reading fuzz target needs: a scratch folder of its own that
// also holds the settings, and the input written to a file there.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace ionvue::fuzz {

// Made once per process; the settings store is pointed at it so the readers
// never touch the user's own.
inline const std::string& ScratchFolder() {
  static const std::string folder = [] {
    char pattern[] = "/tmp/ionvue-fuzz-XXXXXX";
    const char* made = ::mkdtemp(pattern);
    std::string path = made ? made : "/tmp";
    ::setenv("IONVUE_CONFIG_DIR", path.c_str(), 1);
    return path;
  }();
  return folder;
}

inline std::string ScratchPath(const std::string& name) { return ScratchFolder() + "/" + name; }

// False when the file could not be written.
inline bool WriteInput(const std::string& path, const uint8_t* data, size_t size) {
  FILE* out = std::fopen(path.c_str(), "wb");
  if (!out) return false;
  if (size > 0) std::fwrite(data, 1, size, out);
  return std::fclose(out) == 0;
}

}  // namespace ionvue::fuzz
