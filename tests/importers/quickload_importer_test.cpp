#include "tests/importers/importer_fixture.h"
#include "viewer/importers/import_support.h"
#include "viewer/importers/quickload_importer.h"

namespace ionvue::testing {
namespace {

using Samples = std::vector<int32_t>;

constexpr const char* kNotPresent =
    "The QuickLoad file is not present.\nCheck the QuickLoad file m_pcName in the vevor.ini file.";

class QuickLoadImporterTest : public ImporterTest {
 protected:
  int Load(const std::vector<uint8_t>& bytes, int points, int wordSize) {
    path_ = WriteFile("acqtemp.dat", bytes);
    return CQuickLoadImporter(host_).Load(path_, spectrum(), points, wordSize);
  }
  std::string path_;
};

TEST_F(QuickLoadImporterTest, ShotsTimeBaseThenLiftedWordsAfterTheHeader) {
  spectrum().m_nHeaderBytes = 4;
  auto bytes = Words32({50, 7, 123456, 3, -2, 8});
  ASSERT_EQ(Load(bytes, kAllPoints, 4), 1);
  EXPECT_EQ(spectrum().m_nShots, 50);
  EXPECT_DOUBLE_EQ(spectrum().m_dTimeBase, 0.007);
  EXPECT_EQ(Stored(), (Samples{6, 1, 11}));
  EXPECT_EQ(spectrum().m_pcName, path_);
  EXPECT_TRUE(host_.events().empty());

  ASSERT_EQ(Load(bytes, 2, 4), 1);
  EXPECT_EQ(Stored(), (Samples{6, 1}));
}

TEST_F(QuickLoadImporterTest, SixteenBitWordsAreSigned) {
  auto bytes = Words32({10, 5});
  for (uint8_t b : Words16({0xFFFF, 4, 0})) bytes.push_back(b);
  ASSERT_EQ(Load(bytes, kAllPoints, 2), 1);
  EXPECT_EQ(Stored(), (Samples{1, 6, 2}));
}

TEST_F(QuickLoadImporterTest, MissingOrHeaderlessFileShowsTheMessage) {
  for (size_t size : {0u, 4u, 7u}) {
    host_.ClearEvents();
    EXPECT_EQ(Load(std::vector<uint8_t>(size, 1), kAllPoints, 4), 0);
    EXPECT_EQ(host_.Messages(), std::vector<std::string>{kNotPresent}) << size;
  }
  host_.ClearEvents();
  EXPECT_EQ(CQuickLoadImporter(host_).Load(PathOf("absent.dat"), spectrum(), 10, 4), 0);
  EXPECT_EQ(host_.Messages(), std::vector<std::string>{kNotPresent});
}

TEST_F(QuickLoadImporterTest, NoWordsAfterTheHeaderFailsQuietly) {
  spectrum().m_nHeaderBytes = 1000;
  EXPECT_EQ(Load(Words32({1, 2, 3, 4}), kAllPoints, 4), 0);
  EXPECT_TRUE(host_.events().empty());
}

}  // namespace
}  // namespace ionvue::testing
