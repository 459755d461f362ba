#include <fstream>

#include "platform/settings.h"
#include "tests/support/test_support.h"

namespace ionvue {
namespace {

using SettingsTest = testing::TempDirTest;

TEST_F(SettingsTest, NamesCompareWithoutCaseAndWritesReplace) {
  Settings().WriteString("DataEntry", "SpectrumUserEMail", "a@b.c");
  EXPECT_EQ(Settings().GetString("dataentry", "SpectrumUserEmail", ""), "a@b.c");
  Settings().WriteString("DATAENTRY", "spectrumuseremail", "d@e.f");
  ReopenSettings();
  EXPECT_EQ(Settings().GetString("DataEntry", "SpectrumUserEMail", ""), "d@e.f");
}

TEST_F(SettingsTest, ReadsFallBackToTheSiteDefault) {
  EXPECT_EQ(Settings().GetInt("Defaults", "WordSize", 2), 2);
  EXPECT_EQ(Settings().GetString("Defaults", "InputPath", "c:\\"), "c:\\");
  EXPECT_DOUBLE_EQ(Settings().GetReal("Defaults", "TimeBase", "0.007"), 0.007);
}

TEST_F(SettingsTest, RealsAreTextReadByTheirLeadingNumber) {
  struct Case { const char* stored; double expected; } cases[] = {
      {"0.0125", 0.0125}, {"abc", 0.0}, {"12.5xyz", 12.5}, {" -3e2", -300.0}, {"", 0.0}};
  for (const auto& c : cases) {
    Settings().WriteString("Defaults", "TimeBase", c.stored);
    EXPECT_DOUBLE_EQ(Settings().GetReal("Defaults", "TimeBase", "0.007"), c.expected) << c.stored;
  }
  Settings().WriteReal("Defaults", "TimeBase", 0.0071234567891, "%.8lf");
  EXPECT_EQ(Settings().GetString("Defaults", "TimeBase", ""), "0.00712346");
}

TEST_F(SettingsTest, IntegersAndTextsSurviveReopening) {
  Settings().WriteInt("Defaults", "WordSize", 4);
  Settings().WriteInt("Graph", "TopEdge", -2147483647 - 1);
  Settings().WriteString("WWW", "Odd", "line one\r\nline two\\ [x]=y");
  ReopenSettings();
  EXPECT_EQ(Settings().GetInt("Defaults", "WordSize", 2), 4);
  EXPECT_EQ(Settings().GetInt("Graph", "TopEdge", 0), -2147483647 - 1);
  EXPECT_EQ(Settings().GetString("WWW", "Odd", ""), "line one\r\nline two\\ [x]=y");
}

TEST_F(SettingsTest, DamagedLinesAreSkippedNotFatal) {
  {
    std::ofstream out(SettingsFilePath(), std::ios::binary);
    out << "garbage without section\n[Defaults\nWordSize=9\n[Defaults]\n=novalue\n"
           "noequals\nWordSize=4\nCharge=notanumber\n\x01\xff\xfe\n[General]\nPointsPlottedOnScreen=3000\n";
  }
  ReopenSettings();
  EXPECT_EQ(Settings().GetInt("Defaults", "WordSize", 2), 4);
  EXPECT_EQ(Settings().GetInt("Defaults", "Charge", 1), 1);
  EXPECT_EQ(Settings().GetInt("General", "PointsPlottedOnScreen", 2000), 3000);
}

TEST_F(SettingsTest, WritesLeaveNoTemporaryFileBehind) {
  Settings().WriteInt("Defaults", "WordSize", 4);
  int files = 0;
  for (auto& entry : std::filesystem::directory_iterator(dir_ / "config")) {
    ++files;
    EXPECT_EQ(entry.path().filename(), "Ionvue.ini");
  }
  EXPECT_EQ(files, 1);
}

TEST_F(SettingsTest, StartupWritesTheVersionNumber) {
  WriteStartupSettings(Settings());
  EXPECT_EQ(Settings().GetInt("Version", "Number", 0), 20010213);
}

TEST(LeadingNumbers, IntegersStopAtTheFirstNonDigit) {
  EXPECT_EQ(LeadingInt("  -42abc"), -42);
  EXPECT_EQ(LeadingInt("+7"), 7);
  EXPECT_EQ(LeadingInt("x1"), 0);
  EXPECT_EQ(LeadingInt(""), 0);
}

}  // namespace
}  // namespace ionvue
