#include <string>

#include "tests/importers/importer_fixture.h"
#include "viewer/importers/import_support.h"
#include "viewer/importers/one_column_importer.h"
#include "viewer/importers/two_column_importer.h"

namespace ionvue::testing {
namespace {

using Samples = std::vector<int32_t>;

class AsciiImporterTest : public ImporterTest {
 protected:
  int LoadOne(const std::string& text, int points = kAllPoints) {
    path_ = WriteFile("one.txt", text);
    return COneColumnImporter(host_).Load(path_, spectrum(), points);
  }
  int LoadTwo(const std::string& text, int points = kAllPoints) {
    path_ = WriteFile("two.txt", text);
    return CTwoColumnImporter(host_).Load(path_, spectrum(), points);
  }
  std::string path_;
};

TEST_F(AsciiImporterTest, OneColumnReadsTheLeadingIntegerOfEachLine) {
  spectrum().m_nOffset = 5;
  ASSERT_EQ(LoadOne("5\r\n-3\n\n\n12abc\n+7\n  42\nabc\n0\n"), 1);
  EXPECT_EQ(Stored(), (Samples{5, 1, 12, 7, 42, 1, 1}));
  EXPECT_EQ(spectrum().m_nOffset, 0);
  EXPECT_EQ(spectrum().m_pcName, path_);
  EXPECT_TRUE(host_.events().empty());
}

TEST_F(AsciiImporterTest, OneColumnHonoursPointsAndTheUnendedLastLine) {
  ASSERT_EQ(LoadOne("1\n2\n3\n4\n", 2), 1);
  EXPECT_EQ(Stored(), (Samples{1, 2}));
  ASSERT_EQ(LoadOne("1\n2\n3"), 1);
  EXPECT_EQ(Stored(), (Samples{1, 2}));
  ASSERT_EQ(LoadOne("99999999999\n"), 1);
  EXPECT_EQ(Stored(), (Samples{2147483647}));
}

TEST_F(AsciiImporterTest, LinesLongerThan99CharactersContinueAsTheNextSample) {
  ASSERT_EQ(LoadOne(std::string(99, ' ') + "77\n"), 1);
  EXPECT_EQ(Stored(), (Samples{1, 77}));
  ASSERT_EQ(LoadOne(std::string(98, ' ') + "77\n"), 1);
  EXPECT_EQ(Stored(), (Samples{7, 7}));
}

TEST_F(AsciiImporterTest, TwoColumnTakesTheIntegerAfterTheFirstBlankOrTab) {
  struct Case {
    const char* line;
    int32_t sample;
  } cases[] = {
      {"100.5 2000", 2000},   {"100.5\t2000", 2000}, {"100.5\t2000 3000", 3000},
      {" 5 7", 5},            // a leading blank: the first column's value
      {"1 \t9", 9},           {"1.0\t-4", 1},        {"3 0", 1},
      {"12345", 1},           // no second column: no intensity
      {"1 x", 1},
  };
  for (const auto& c : cases) {
    ASSERT_EQ(LoadTwo(std::string(c.line) + "\n"), 1) << c.line;
    EXPECT_EQ(Stored(), Samples{c.sample}) << c.line;
  }
}

TEST_F(AsciiImporterTest, TwoColumnSkipsBlankLinesAndHonoursPoints) {
  ASSERT_EQ(LoadTwo("1 10\r\n\r\n2 20\r\n\n3 30\r\n4 40\r\n", 3), 1);
  EXPECT_EQ(Stored(), (Samples{10, 20, 30}));
  EXPECT_EQ(spectrum().m_nOffset, 0);
}

TEST_F(AsciiImporterTest, FilesWithoutACompleteLineFail) {
  for (const char* text : {"", "\r\n\n\n", "42"}) {
    spectrum().m_pcName = "before";
    EXPECT_EQ(LoadOne(text), 0) << text;
    EXPECT_EQ(LoadTwo(text), 0) << text;
    EXPECT_EQ(spectrum().m_pcName, "before");
  }
  EXPECT_EQ(LoadOne("1\n2\n", 0), 0);
  EXPECT_EQ(COneColumnImporter(host_).Load(PathOf("absent.txt"), spectrum(), 10), 0);
  EXPECT_TRUE(host_.events().empty());
}

}  // namespace
}  // namespace ionvue::testing
