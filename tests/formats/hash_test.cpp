#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "platform/scripted_host.h"
#include "tests/support/test_support.h"
#include "viewer/formats/file_hash.h"
#include "viewer/formats/snefru.h"

namespace ionvue {
namespace {

using Value = std::array<uint32_t, 4>;

std::vector<uint8_t> RandomBytes(std::size_t size, uint32_t seed) {
  std::mt19937 generator(seed);
  std::vector<uint8_t> bytes(size);
  for (auto& b : bytes) b = static_cast<uint8_t>(generator());
  return bytes;
}

std::string Lowercase32Hex(const Value& value) {
  char text[33];
  std::snprintf(text, sizeof text, "%08x%08x%08x%08x", static_cast<unsigned>(value[0]),
                static_cast<unsigned>(value[1]), static_cast<unsigned>(value[2]),
                static_cast<unsigned>(value[3]));
  return text;
}

bool RhashInstalled() { return std::system("command -v rhash >/dev/null 2>&1") == 0; }

// rhash prints "<32 hex digits>  <path>".
std::string RhashSnefru128(const std::string& path) {
  const std::string command = "rhash --snefru128 '" + path + "' 2>/dev/null";
  std::FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return {};
  char line[512] = {};
  const bool read = std::fgets(line, sizeof line, pipe) != nullptr;
  ::pclose(pipe);
  return read ? std::string(line).substr(0, 32) : std::string();
}

using FileHashTest = testing::TempDirTest;

TEST_F(FileHashTest, EmptyFileHashesOnlyTheBitCountBlock) {
  ScriptedHost host;
  Value value{};
  ASSERT_TRUE(ComputeFileHash(host, WriteFile("empty.bin", ""), value));
  EXPECT_EQ(FormatHash(value), "8617F366 566A0118 37F4FB4B A5BEDEA2");
  EXPECT_EQ(value, snefru::Compress(snefru::Block{}));
  EXPECT_TRUE(host.events().empty());
}

TEST_F(FileHashTest, FullChunkIsOneDataBlockThenTheBitCount) {
  const auto bytes = RandomBytes(48, 7);
  snefru::Block block{};
  for (int w = 0; w < 12; ++w) {
    block[4 + w] = uint32_t{bytes[4 * w]} << 24 | uint32_t{bytes[4 * w + 1]} << 16 |
                   uint32_t{bytes[4 * w + 2]} << 8 | uint32_t{bytes[4 * w + 3]};
  }
  const Value chained = snefru::Compress(block);
  snefru::Block last{};
  for (int w = 0; w < 4; ++w) last[w] = chained[w];
  last[15] = 384;

  ScriptedHost host;
  Value value{};
  ASSERT_TRUE(ComputeFileHash(host, WriteFile("48.bin", bytes), value));
  EXPECT_EQ(value, snefru::Compress(last));
}

TEST_F(FileHashTest, MatchesRhashOnChunkBoundariesAndLargeFiles) {
  if (!RhashInstalled()) GTEST_SKIP() << "rhash is not installed";
  const std::size_t sizes[] = {0, 1, 47, 48, 49, 96, 1000, 1000003, 3 * 1048608 + 5};
  for (const std::size_t size : sizes) {
    const std::string path =
        WriteFile("f" + std::to_string(size) + ".bin", RandomBytes(size, static_cast<uint32_t>(size)));
    ScriptedHost host;
    Value value{};
    ASSERT_TRUE(ComputeFileHash(host, path, value)) << size;
    EXPECT_EQ(Lowercase32Hex(value), RhashSnefru128(path)) << size << " bytes";
  }
}

TEST_F(FileHashTest, MemoryAndPiecewiseFeedingGiveTheFileValue) {
  const auto bytes = RandomBytes(5000, 11);
  ScriptedHost host;
  Value fromFile{};
  ASSERT_TRUE(ComputeFileHash(host, WriteFile("piece.bin", bytes), fromFile));
  EXPECT_EQ(SnefruHash(bytes.data(), bytes.size()), fromFile);

  // Piece sizes that straddle, fill and skip chunk boundaries.
  const std::size_t pieces[] = {1, 46, 1, 48, 0, 100, 47, 49, 3};
  CSnefruHasher hasher;
  std::size_t at = 0;
  for (std::size_t i = 0; at < bytes.size(); ++i) {
    const std::size_t n = std::min(pieces[i % std::size(pieces)], bytes.size() - at);
    hasher.Update(bytes.data() + at, n);
    at += n;
  }
  EXPECT_EQ(hasher.Finish(), fromFile);
  // Finish starts over.
  EXPECT_EQ(hasher.Finish(), SnefruHash(nullptr, 0));
}

TEST_F(FileHashTest, UnavailableFileKeepsThePreviousValue) {
  const Value previous = {1, 2, 3, 4};
  const std::string paths[] = {PathOf("missing.bin"), dir_.string()};
  for (const std::string& path : paths) {
    ScriptedHost host;
    Value value = previous;
    EXPECT_FALSE(ComputeFileHash(host, path, value)) << path;
    EXPECT_EQ(value, previous) << path;
    EXPECT_EQ(host.Messages(), std::vector<std::string>{
                                   "The file to be hashed was not available.\n"
                                   "Someone else may be using it."})
        << path;
  }
}

TEST(FormatHash, UpperCaseHexWithoutLeadingZerosSeparatedByBlanks) {
  EXPECT_EQ(FormatHash({0, 0xabc, 0x0012, 0xffffffff}), "0 ABC 12 FFFFFFFF");
}

}  // namespace
}  // namespace ionvue
