#include <cmath>
#include <string>
#include <vector>

#include "tests/support/test_support.h"
#include "viewer/importers/line_reader.h"
#include "viewer/importers/text_fields.h"

namespace ionvue::testing {
namespace {

class LineReaderTest : public TempDirTest {
 protected:
  std::vector<std::string> Read(const std::string& text) {
    CLineReader reader(WriteFile("lines.txt", text));
    std::vector<std::string> out;
    std::string_view line;
    while (reader.Next(line)) out.emplace_back(line);
    return out;
  }
};

using Lines = std::vector<std::string>;

TEST_F(LineReaderTest, SkipsRunsOfLineEndsOfAnyKind) {
  EXPECT_EQ(Read("a\r\n\r\n\nb\rc\n"), (Lines{"a", "b", "c"}));
  EXPECT_EQ(Read("\n\n\r\n"), Lines{});
  EXPECT_EQ(Read(""), Lines{});
}

TEST_F(LineReaderTest, LastLineWithoutLineEndIsNotRead) {
  EXPECT_EQ(Read("1\n2\n3"), (Lines{"1", "2"}));
  EXPECT_EQ(Read("single"), Lines{});
}

TEST_F(LineReaderTest, LongLinesAreCutAt99AndContinueAsTheNextLine) {
  const std::string long_line(150, 'x');
  EXPECT_EQ(Read(long_line + "\n"), (Lines{std::string(99, 'x'), std::string(51, 'x')}));
  EXPECT_EQ(Read(std::string(99, 'y') + "\nz\n"), (Lines{std::string(99, 'y'), "z"}));
}

TEST_F(LineReaderTest, LinesSpanningReadBlocksStayWhole) {
  // Lines of 7 characters straddle every block boundary of the reader.
  std::string text;
  for (int i = 0; i < 40000; ++i) text += "123456\n";
  const Lines lines = Read(text);
  ASSERT_EQ(lines.size(), 40000u);
  for (const auto& line : lines) ASSERT_EQ(line, "123456");
}

TEST_F(LineReaderTest, MissingFileHasNoLines) {
  CLineReader reader(PathOf("absent.txt"));
  std::string_view line;
  EXPECT_FALSE(reader.IsOpen());
  EXPECT_FALSE(reader.Next(line));
}

TEST(TextFieldsTest, LeadingInteger) {
  struct Case {
    const char* text;
    int32_t value;
  } cases[] = {
      {"42", 42},         {"  -17xyz", -17},       {"+8", 8},         {"\t5", 5},
      {"abc", 0},         {"", 0},                 {"-", 0},          {"12.9", 12},
      {"99999999999", 2147483647},                 {"-99999999999", -2147483647 - 1},
  };
  for (const auto& c : cases) EXPECT_EQ(LeadingInteger(c.text), c.value) << c.text;
}

TEST(TextFieldsTest, LeadingNumberIgnoresTheLocaleAndGarbage) {
  EXPECT_DOUBLE_EQ(LeadingNumber("  100.25 7"), 100.25);
  EXPECT_DOUBLE_EQ(LeadingNumber("+3.5e2"), 350.0);
  EXPECT_DOUBLE_EQ(LeadingNumber("-.5"), -0.5);
  EXPECT_DOUBLE_EQ(LeadingNumber("mass"), 0.0);
  EXPECT_DOUBLE_EQ(LeadingNumber("+-5"), 0.0);
  EXPECT_DOUBLE_EQ(LeadingNumber("1e999"), 0.0);
}

TEST(TextFieldsTest, SecondColumnFollowsTheFirstBlankElseTheFirstTab) {
  EXPECT_EQ(SecondColumn("1.5 20"), "20");
  EXPECT_EQ(SecondColumn("1.5\t20 30"), "30");  // a blank anywhere wins
  EXPECT_EQ(SecondColumn("1.5\t20\t30"), "20\t30");
  EXPECT_EQ(SecondColumn(" 5 7"), "5 7");
  EXPECT_FALSE(SecondColumn("12345").has_value());
}

TEST(TextFieldsTest, TruncateToInt32HoldsTheRange) {
  EXPECT_EQ(TruncateToInt32(12.9), 12);
  EXPECT_EQ(TruncateToInt32(-12.9), -12);
  EXPECT_EQ(TruncateToInt32(1e20), 2147483647);
  EXPECT_EQ(TruncateToInt32(-1e20), -2147483647 - 1);
  EXPECT_EQ(TruncateToInt32(std::nan("")), 0);
}

}  // namespace
}  // namespace ionvue::testing
