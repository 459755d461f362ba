#include <cstdint>
#include <random>
#include <string>

#include "tests/importers/importer_fixture.h"
#include "viewer/importers/import_support.h"
#include "viewer/importers/raw_importers.h"

namespace ionvue::testing {
namespace {

using Samples = std::vector<int32_t>;

constexpr char kRawLetters[] = {'0', '7', '2', '5', '3', '4', 'A', 'L', ImporterTable::kQuickLoad};

class RawImportersTest : public ImporterTest {
 protected:
  void SetUp() override {
    ImporterTest::SetUp();
    AddRawImporters(table_);
  }
  ImportResult Run(char letter, const std::string& path, int points, int wordSize) {
    const ImporterFunction* importer = table_.Find(letter);
    EXPECT_NE(importer, nullptr) << letter;
    if (!importer) return {};
    return (*importer)(ImportRequest{host_, path, spectrum(), letter, points, wordSize});
  }
  ImporterTable table_;
};

TEST_F(RawImportersTest, EveryLetterIsRegistered) {
  for (char letter : kRawLetters) EXPECT_NE(table_.Find(letter), nullptr) << letter;
  EXPECT_EQ(table_.Find('B'), nullptr);
}

TEST_F(RawImportersTest, MassTableLettersReturnTheFirstTwoMasses) {
  const std::string path = WriteFile("t.cor", "200.0 10\n200.25 20\n200.75 30\n");
  for (char letter : {'0', '7'}) {
    const ImportResult result = Run(letter, path, 2000000, 2);
    EXPECT_EQ(result.code, 1);
    EXPECT_DOUBLE_EQ(result.firstMass, 200.0);
    EXPECT_DOUBLE_EQ(result.secondMass, 200.25);
    EXPECT_EQ(Stored(), (Samples{10, 20, 1, 30}));
  }
  EXPECT_EQ(Run('7', path, 2, 2).code, 1);
  EXPECT_EQ(spectrum().m_nLength, 2);
}

TEST_F(RawImportersTest, BinaryLettersDifferOnlyInTofware) {
  const std::string path = WriteFile("t.mas", Words16({0xFFFF, 3}));
  EXPECT_EQ(Run('2', path, 100, 2).code, 1);
  EXPECT_EQ(Stored(), (Samples{1, 5}));
  EXPECT_EQ(Run('5', path, 100, 2).code, 1);
  EXPECT_EQ(Stored(), (Samples{65536, 4}));
  EXPECT_EQ(Run('2', path, 100, 4).code, 1);
  EXPECT_EQ(Stored(), (Samples{3 * 65536 + 65535 + 1}));
  EXPECT_EQ(Run('5', path, 1, 2).code, 1);
  EXPECT_EQ(spectrum().m_nLength, 1);
}

TEST_F(RawImportersTest, OtherLettersReachTheirReaders) {
  const std::string text = WriteFile("t.txt", "1 5\n2 6\n3 7\n");
  EXPECT_EQ(Run('3', text, 2, 2).code, 1);
  EXPECT_EQ(Stored(), (Samples{1, 2}));
  EXPECT_EQ(Run('4', text, 100, 2).code, 1);
  EXPECT_EQ(Stored(), (Samples{5, 6, 7}));

  EXPECT_EQ(Run('A', WriteFile("t.bin", Words32({10, 4, 20, 5})), 100, 2).code, 1);
  EXPECT_DOUBLE_EQ(spectrum().m_dTimeBase, 0.01);

  std::vector<uint8_t> lin(1986, 0);
  lin[1036] = 1;
  for (uint8_t b : Words16({8, 9})) lin.push_back(b);
  EXPECT_EQ(Run('L', WriteFile("t.lin", lin), 100, 2).code, 1);
  EXPECT_EQ(Stored(), (Samples{8, 9}));

  const std::string acq = WriteFile("acqtemp.dat", Words32({20, 5, 7, 0}));
  EXPECT_EQ(Run(ImporterTable::kQuickLoad, acq, 100, 4).code, 1);
  EXPECT_EQ(Stored(), (Samples{8, 1}));
  EXPECT_EQ(Run(ImporterTable::kQuickLoad, acq, 100, 2).code, 1);
  EXPECT_EQ(Stored(), (Samples{8, 1, 1, 1}));
}

// Whatever the bytes, no reader crashes, reads past its buffers or stores
// more samples than the file or the points allow.
TEST_F(RawImportersTest, BadInputNeverOverrunsOrOversizes) {
  std::mt19937 random(20010213);
  std::vector<std::pair<std::string, std::vector<uint8_t>>> files = {
      {"empty", {}},
      {"one byte", {0x41}},
      {"seven bytes", {1, 2, 3, 4, 5, 6, 7}},
      {"all ones", std::vector<uint8_t>(3000, 0xFF)},
      {"all line ends", std::vector<uint8_t>(3000, '\n')},
      {"zeros", std::vector<uint8_t>(5000, 0)},
  };
  std::vector<uint8_t> noise(4096);
  for (auto& b : noise) b = static_cast<uint8_t>(random());
  files.push_back({"noise", noise});
  std::vector<uint8_t> huge_count(1500, 0);
  huge_count[1036] = huge_count[1037] = 0xFF;
  files.push_back({"huge count", huge_count});
  const std::string text = "1e308 2147483647\n-1e308 -2147483648\n1 nan\nx\t\t\n" +
                           std::string(500, '9') + "\n";
  files.push_back({"text", std::vector<uint8_t>(text.begin(), text.end())});

  for (const auto& [name, bytes] : files) {
    const std::string path = WriteFile("bad.dat", bytes);
    for (char letter : kRawLetters) {
      for (int wordSize : {2, 4}) {
        for (Answer answer : {Answer::No, Answer::Yes}) {
          host_.fallback_yes_no = answer;
          const ImportResult result = Run(letter, path, 2000000, wordSize);
          ASSERT_TRUE(result.code == 0 || result.code == 1) << name << ' ' << letter;
          if (result.code != 1) continue;
          const CSpectrum& s = spectrum();
          EXPECT_GT(s.m_nLength, 0) << name << ' ' << letter;
          EXPECT_LE(s.m_nLength, s.Capacity()) << name << ' ' << letter;
          if (letter != '0' && letter != '7') {  // a grid may outgrow its lines
            EXPECT_LE(static_cast<size_t>(s.m_nLength), bytes.size()) << name << ' ' << letter;
          }
        }
      }
    }
  }
}

TEST_F(RawImportersTest, AFolderIsNoFile) {
  for (char letter : kRawLetters) EXPECT_EQ(Run(letter, dir_.string(), 100, 4).code, 0) << letter;
}

}  // namespace
}  // namespace ionvue::testing
