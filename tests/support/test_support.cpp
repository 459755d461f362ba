#include "tests/support/test_support.h"

#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "platform/settings.h"

namespace ionvue::testing {

void TempDirTest::SetUp() {
  std::string pattern =
      (std::filesystem::temp_directory_path() / "ionvue-test-XXXXXX").string();
  char* made = ::mkdtemp(pattern.data());
  ASSERT_NE(made, nullptr);
  dir_ = made;
  std::filesystem::create_directories(dir_ / "config");
  ::setenv("IONVUE_CONFIG_DIR", (dir_ / "config").c_str(), 1);
  ::setenv("XDG_DATA_HOME", (dir_ / "data").c_str(), 1);
  ReopenSettings();
}

void TempDirTest::TearDown() {
  ReopenSettings();
  std::error_code ec;
  std::filesystem::remove_all(dir_, ec);
}

std::string TempDirTest::PathOf(std::string_view name) const { return (dir_ / name).string(); }

std::string TempDirTest::WriteFile(std::string_view name, std::string_view bytes) const {
  std::string path = PathOf(name);
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return path;
}

std::string TempDirTest::WriteFile(std::string_view name, const std::vector<uint8_t>& bytes) const {
  return WriteFile(name, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

std::string TempDirTest::ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void PutLE16(std::vector<uint8_t>& out, uint16_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}

void PutLE32(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void PutLE64(std::vector<uint8_t>& out, uint64_t v) {
  for (int i = 0; i < 8; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void PutDouble(std::vector<uint8_t>& out, double v) {
  uint64_t bits;
  std::memcpy(&bits, &v, sizeof bits);
  PutLE64(out, bits);
}

}  // namespace ionvue::testing
