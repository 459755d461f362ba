#include "markup/entities.h"

#include <gtest/gtest.h>

#include <string>

#include "markup/text_whitespace.h"

namespace ionvue {
namespace {

struct Case {
  std::string input;
  std::string expected;
};

TEST(AttributeValueTest, DecodesEntitiesAndSpacing) {
  const Case cases[] = {
      {"a&amp;b", "a&b"},
      {"&#65;", "A"},
      {"&#0065;BC", "ABC"},
      {"&x#66;", ""},                  // the number starts after the first character
      {"&#;", ""},                     // no number, no character
      {"&#300;", ""},                  // not a byte
      {"&unknown;y", "y"},
      {"& stays", "& stays"},
      {"a && b", "a && b"},
      {"cut &amp", "cut "},            // cut off by the end of the value
      {"&QUOT;&Quote;&lt;&GT;", "\"\"<>"},
      {"&cr;&newline;&paragraph;&tab;", "    "},
      {"&point;&bullet;", "\x95\x95"},
      {"1&plusminus;2&degree;&mu;&angstrom;", "1\xB1" "2\xB0\xB5\xC5"},
      {"&copyright;&trademark;&endash;&emdash;", "\xA9\xAE\x96\x97"},
      {"&virgule;", ""},               // a text entity only
      {"a\tb\nc\r\nd", "a b c d"},
      {"&a&amp;", ""},                 // the name runs to the ';', '&' and all
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.input);
    EXPECT_EQ(DecodeAttributeValue(c.input), c.expected);
  }
}

TEST(AttributeValueTest, LongRunsOfAmpersandsStayLinear) {
  // Each '&' would scan to the same far blank; all of them stay.
  const std::string value = std::string(200000, '&') + " end";
  EXPECT_EQ(DecodeAttributeValue(value), value);
}

TEST(TextEntitiesTest, ReplacesOnlyTheExactSequences) {
  const Case cases[] = {
      {"5&mu;l", "5\xB5l"},
      {"&bullet;&angstrom;&plusminus;&degree;", "\x95\xC5\xB1\xB0"},
      {"&copyright;&trademark;&endash;&emdash;&virgule;", "\xA9\xAE\x96\x97/"},
      {"&amp; &lt; &MU; &mu", "&amp; &lt; &MU; &mu"},
      {"&&mu;", "&\xB5"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.input);
    EXPECT_EQ(DecodeTextEntities(c.input), c.expected);
  }
}

TEST(TextEntitiesTest, NamedTextsKeepTheirEntities) {
  for (const char* name : {"copyright", "note", "notes", "name", "name_long", "species"})
    EXPECT_TRUE(KeepsTextEntities(name)) << name;
  for (const char* name : {"Note", "domain", "a_note", "nam"}) EXPECT_FALSE(KeepsTextEntities(name)) << name;
}

TEST(TextWhitespaceTest, LineBreaksBecomeOneBlankAndTabsVanish) {
  const Case cases[] = {
      {"line one\r\n\tline two", "line one line two"},
      {"a\rb\nc", "a b c"},
      {"a\r\rb", "a  b"},
      {"\t\t", ""},
      {"a\n\r", "a  "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.input);
    EXPECT_EQ(CollapseTextWhitespace(c.input), c.expected);
  }
}

}  // namespace
}  // namespace ionvue
