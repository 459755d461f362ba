#include "tests/importers/importer_fixture.h"
#include "viewer/importers/linear_file_importer.h"

namespace ionvue::testing {
namespace {

using Samples = std::vector<int32_t>;

class LinearFileImporterTest : public ImporterTest {
 protected:
  // A header with the count field N, then the given samples.
  static std::vector<uint8_t> File(int count, const std::vector<int>& samples) {
    std::vector<uint8_t> bytes(1986, 0xAB);
    bytes[1036] = static_cast<uint8_t>(count);
    bytes[1037] = static_cast<uint8_t>(count >> 8);
    for (uint8_t b : Words16(samples)) bytes.push_back(b);
    return bytes;
  }
  int Load(const std::vector<uint8_t>& bytes) {
    path_ = WriteFile("run.lin", bytes);
    return CLinearFileImporter(host_).Load(path_, spectrum());
  }
  std::string path_;
};

TEST_F(LinearFileImporterTest, CountFieldNReadsNPlusOneRawSamples) {
  spectrum().m_nOffset = 9;
  ASSERT_EQ(Load(File(3, {1, 65535, 0, 7, 99})), 1);
  EXPECT_EQ(Stored(), (Samples{1, 65535, 0, 7}));
  EXPECT_EQ(spectrum().m_nOffset, 0);
  EXPECT_EQ(spectrum().m_pcName, path_);
}

TEST_F(LinearFileImporterTest, ShortFilesFailWithoutAMessage) {
  EXPECT_EQ(Load(File(3, {1, 2, 3})), 0);  // N samples, not N + 1
  EXPECT_EQ(Load(File(65535, {1, 2, 3})), 0);
  EXPECT_EQ(Load(std::vector<uint8_t>(1037, 0)), 0);
  EXPECT_EQ(Load({}), 0);
  EXPECT_EQ(CLinearFileImporter(host_).Load(PathOf("absent.lin"), spectrum()), 0);
  EXPECT_TRUE(host_.events().empty());
  // A count of 0 still needs its one sample.
  ASSERT_EQ(Load(File(0, {5})), 1);
  EXPECT_EQ(Stored(), Samples{5});
}

}  // namespace
}  // namespace ionvue::testing
