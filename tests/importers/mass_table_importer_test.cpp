#include <cstdio>
#include <string>

#include "tests/importers/importer_fixture.h"
#include "viewer/importers/import_support.h"
#include "viewer/importers/mass_table_importer.h"

namespace ionvue::testing {
namespace {

using Samples = std::vector<int32_t>;

class MassTableImporterTest : public ImporterTest {
 protected:
  int Load(const std::string& text, int points = kAllPoints) {
    path_ = WriteFile("table.cor", text);
    first_ = second_ = -1.0;
    return CMassTableImporter(host_).Load(path_, spectrum(), points, first_, second_);
  }
  void ExpectWithinBuffers() {
    EXPECT_GE(spectrum().m_nLength, 0);
    EXPECT_LE(spectrum().m_nLength, spectrum().Capacity());
  }
  std::string path_;
  double first_ = 0.0, second_ = 0.0;
};

TEST_F(MassTableImporterTest, GapsBecomeRunsOfOneOnTheGrid) {
  spectrum().m_nOffset = 3;
  ASSERT_EQ(Load("100.0 500\n100.5 600\n101.5 700\n"), 1);
  EXPECT_EQ(Stored(), (Samples{500, 600, 1, 700}));
  EXPECT_DOUBLE_EQ(first_, 100.0);
  EXPECT_DOUBLE_EQ(second_, 100.5);
  EXPECT_EQ(spectrum().m_nOffset, 0);
  EXPECT_EQ(spectrum().m_pcName, path_);
}

TEST_F(MassTableImporterTest, IntensitiesAreScaledToAbout10000) {
  struct Case {
    const char* text;
    Samples samples;
  } cases[] = {
      // Largest 100000: divisor 10; 5 / 10 is held at 1.
      {"1 20000\n2 50000\n3 100000\n4 5\n", {2000, 5000, 10000, 1}},
      // Largest below 10000: unscaled; fractions truncated.
      {"1\t9999.9\n2\t12.7\n3\t0\n", {9999, 12, 1}},
      // A negative intensity is no large one: it does not shrink the rest.
      {"1 -5\n2 3000\n", {1, 3000}},
  };
  for (const auto& c : cases) {
    ASSERT_EQ(Load(c.text), 1) << c.text;
    EXPECT_EQ(Stored(), c.samples) << c.text;
  }
}

TEST_F(MassTableImporterTest, RegularTablesKeepEverySampleDespiteRounding) {
  for (double step : {0.1, 0.01, 0.3, 0.05, 1.0 / 3.0}) {
    std::string text;
    constexpr int kLines = 2000;
    for (int i = 0; i < kLines; ++i) {
      char line[64];
      std::snprintf(line, sizeof line, "%.10f %d\n", 500.0 + i * step, i + 2);
      text += line;
    }
    ASSERT_EQ(Load(text), 1) << step;
    const Samples samples = Stored();
    ASSERT_EQ(samples.size(), static_cast<size_t>(kLines)) << step;
    EXPECT_EQ(samples.back(), kLines + 1) << step;
  }
}

TEST_F(MassTableImporterTest, OneLineGivesOneSampleAndTheStartStep) {
  ASSERT_EQ(Load("250.0 42\n"), 1);
  EXPECT_EQ(Stored(), Samples{42});
  EXPECT_DOUBLE_EQ(first_, 250.0);
  EXPECT_DOUBLE_EQ(second_, 250.0 + 100000.0);
}

TEST_F(MassTableImporterTest, LineWithoutSecondColumnHasNoIntensity) {
  ASSERT_EQ(Load("100.0\n100.5 7\n"), 1);
  EXPECT_EQ(Stored(), (Samples{1, 7}));
}

TEST_F(MassTableImporterTest, PointsBoundTheSamplesIncludingFilledGaps) {
  ASSERT_EQ(Load("100 5\n100.5 6\n1000 7\n", 3), 1);
  EXPECT_EQ(Stored(), (Samples{5, 6, 1}));
  ASSERT_EQ(Load("100 5\n100.5 6\n101 7\n102 8\n", 2), 1);
  EXPECT_EQ(Stored(), (Samples{5, 6}));
}

TEST_F(MassTableImporterTest, IrregularOrFallingMassesStayWithinTheBuffers) {
  struct Case {
    const char* text;
    int length;
  } cases[] = {
      // Step 0.2 sizes 7 samples; the grid wants 8: the last is dropped.
      {"100.0 1\n100.3 2\n101.0 3\n101.2 4\n", 7},
      // Falling masses fill no gap.
      {"100 1\n101 2\n99 3\n102 4\n", 3},
      {"100 1\n90 2\n80 3\n", 1},
      {"100 1\n100 2\n100 3\n", 1},
      {"nan 1\ninf 2\n-inf 3\n", 1},
      {"1 1\n1.0000000001 1\n1e9 1\n", 1000},  // tiny step, huge span
  };
  for (const auto& c : cases) {
    ASSERT_EQ(Load(c.text, 1000), 1) << c.text;
    EXPECT_EQ(spectrum().m_nLength, c.length) << c.text;
    ExpectWithinBuffers();
  }
}

TEST_F(MassTableImporterTest, EmptyOrMissingTablesFail) {
  EXPECT_EQ(Load(""), 0);
  EXPECT_EQ(Load("\n\n"), 0);
  EXPECT_EQ(Load("100 5"), 0);  // the only line has no line end
  EXPECT_EQ(Load("100 5\n", 0), 0);
  double a = 0, b = 0;
  EXPECT_EQ(CMassTableImporter(host_).Load(PathOf("absent.cor"), spectrum(), 100, a, b), 0);
  EXPECT_TRUE(host_.events().empty());
}

}  // namespace
}  // namespace ionvue::testing
