#include "tests/importers/importer_fixture.h"
#include "viewer/importers/analytica_importer.h"

namespace ionvue::testing {
namespace {

using Samples = std::vector<int32_t>;

class AnalyticaImporterTest : public ImporterTest {
 protected:
  int Load(const std::vector<uint8_t>& bytes) {
    path_ = WriteFile("run.bin", bytes);
    return CAnalyticaImporter(host_).Load(path_, spectrum());
  }
  std::string path_;
};

TEST_F(AnalyticaImporterTest, TimesGiveTimeBaseAndOffset) {
  ASSERT_EQ(Load(Words32({1000, 10, 1500, -5, 2000, 20})), 1);
  EXPECT_EQ(Stored(), (Samples{16, 1, 26}));
  EXPECT_DOUBLE_EQ(spectrum().m_dTimeBase, 0.5);
  EXPECT_EQ(spectrum().m_nOffset, 2);
  EXPECT_EQ(spectrum().m_nShots, 1);
  EXPECT_EQ(spectrum().m_pcName, path_);
}

TEST_F(AnalyticaImporterTest, SingleOrRepeatedTimesStepOneNanosecond) {
  ASSERT_EQ(Load(Words32({700, 9})), 1);
  EXPECT_EQ(Stored(), Samples{10});
  EXPECT_DOUBLE_EQ(spectrum().m_dTimeBase, 0.001);
  EXPECT_EQ(spectrum().m_nOffset, 700);

  ASSERT_EQ(Load(Words32({1000, 3, 1000, 4})), 1);
  EXPECT_DOUBLE_EQ(spectrum().m_dTimeBase, 0.001);
  EXPECT_EQ(spectrum().m_nOffset, 1000);
}

TEST_F(AnalyticaImporterTest, OnlyCompletePairsCount) {
  auto bytes = Words32({0, 1, 4, 2});
  for (int i = 0; i < 7; ++i) bytes.push_back(0x7f);
  ASSERT_EQ(Load(bytes), 1);
  EXPECT_EQ(Stored(), (Samples{2, 3}));
  EXPECT_DOUBLE_EQ(spectrum().m_dTimeBase, 0.004);
}

TEST_F(AnalyticaImporterTest, TimesAtTheEndsOfTheRangeDoNotOverflow) {
  ASSERT_EQ(Load(Words32({-2147483647 - 1, 1, 2147483647, 1})), 1);
  EXPECT_DOUBLE_EQ(spectrum().m_dTimeBase, 4294967.295);
  EXPECT_EQ(spectrum().m_nOffset, 0);
}

TEST_F(AnalyticaImporterTest, FilesWithoutAPairFail) {
  EXPECT_EQ(Load({}), 0);
  EXPECT_EQ(Load({1, 2, 3, 4, 5, 6, 7}), 0);
  EXPECT_EQ(CAnalyticaImporter(host_).Load(PathOf("absent.bin"), spectrum()), 0);
  EXPECT_TRUE(host_.events().empty());
}

}  // namespace
}  // namespace ionvue::testing
