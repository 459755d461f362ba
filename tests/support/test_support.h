#pragma once
// Every test runs against its own settings folder and scratch directory.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace ionvue::testing {

class TempDirTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A path inside the scratch directory.
  std::string PathOf(std::string_view name) const;
  // Writes bytes to a file in the scratch directory and returns its path.
  std::string WriteFile(std::string_view name, std::string_view bytes) const;
  std::string WriteFile(std::string_view name, const std::vector<uint8_t>& bytes) const;
  static std::string ReadFile(const std::string& path);

  std::filesystem::path dir_;
};

// Little-endian packing for building binary fixtures.
void PutLE16(std::vector<uint8_t>& out, uint16_t v);
void PutLE32(std::vector<uint8_t>& out, uint32_t v);
void PutLE64(std::vector<uint8_t>& out, uint64_t v);
void PutDouble(std::vector<uint8_t>& out, double v);

}  // namespace ionvue::testing
