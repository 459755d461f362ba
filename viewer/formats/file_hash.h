#pragma once
// The file authentication value: the Snefru value of a file's bytes.

#include <array>
#include <cstdint>
#include <string>

#include "platform/host.h"

namespace ionvue {

inline constexpr const char* kHashFileNotAvailable =
    "The file to be hashed was not available.\nSomeone else may be using it.";
inline constexpr const char* kHashCounterOverflowed = "64-bit counter overflowed";

// Hashes the whole file into `out`. When the file cannot be opened or read,
// the host shows why and `out` keeps its previous value.
bool ComputeFileHash(Host& host, const std::string& path, std::array<uint32_t, 4>& out);

// "%X %X %X %X": upper-case hexadecimal without leading zeros.
std::string FormatHash(const std::array<uint32_t, 4>& value);

}  // namespace ionvue
