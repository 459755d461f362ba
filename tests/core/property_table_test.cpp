#include "viewer/core/property_table.h"

#include "platform/scripted_host.h"
#include "tests/support/test_support.h"

namespace ionvue {
namespace {

const std::string kMark(1, static_cast<char>(0xFA));

TEST(PropertyTable, TextCarriesUnderscoresAsTheMarkByte) {
  CPropertyTable table;
  table.Set("SPECTRUM_DESCRIPTION", "none ");
  table.Set("SPECTRUM_NOTES", "a_b");
  table.Set("PROTEIN_DESC", "None");  // chosen "None" in a list: not set
  table.Set("PROTEIN_NOTES", "");
  std::string text = table.ToText();
  EXPECT_EQ(text, "__SPECTRUM_DESCRIPTION=none __SPECTRUM_NOTES=a" + kMark + "b");
  CPropertyTable back;
  EXPECT_TRUE(back.FromText(text));
  EXPECT_EQ(back.Value("SPECTRUM_NOTES"), "a_b");
  EXPECT_EQ(back.size(), 2u);
}

TEST(PropertyTable, MalformedTextsKeepWhatWasRead) {
  struct Case {
    const char* text;
    bool ok;
    size_t entries;
  } cases[] = {
      {"__A=1__B=2", true, 2}, {"__A=1__", false, 1},  // ends after the separator
      {"__A=1__B", false, 1},                          // key without '='
      {"__A=1__B=", false, 1},                         // nothing after '='
      {"__A=1__A=2", true, 1},                         // first occurrence wins
  };
  for (const auto& c : cases) {
    CPropertyTable table;
    EXPECT_EQ(table.FromText(c.text), c.ok) << c.text;
    EXPECT_EQ(table.size(), c.entries) << c.text;
    EXPECT_EQ(table.Value("A"), "1") << c.text;
  }
}

TEST(PropertyTable, MissingPrefixIsReported) {
  ScriptedHost host;
  CPropertyTable table;
  table.Set("KEEP", "x");
  EXPECT_FALSE(table.FromText("A=1", &host));
  EXPECT_EQ(host.Messages(),
            std::vector<std::string>{"Entry could not be created.\nNo item entry ID __"});
  EXPECT_EQ(table.Value("KEEP"), "x");
}

TEST(PropertyTable, CapacityLimitsTextButNotSet) {
  std::string text;
  for (int i = 0; i < 2057; ++i) text += "__K" + std::to_string(i) + "=v";
  CPropertyTable table;
  EXPECT_TRUE(table.FromText(text));
  EXPECT_EQ(table.size(), 2056u);
  EXPECT_FALSE(table.Has("K2056"));
  table.Set("K2056", "v");
  EXPECT_EQ(table.size(), 2057u);
}

TEST(PropertyTable, KeysAreCutAt255Characters) {
  CPropertyTable table;
  std::string longKey(300, 'K');
  EXPECT_TRUE(table.FromText("__" + longKey + "=v"));
  EXPECT_EQ(table.Value(std::string(255, 'K')), "v");
}

}  // namespace
}  // namespace ionvue
