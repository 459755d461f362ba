#include "markup/script_blocks.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace ionvue {
namespace {

// The removal as first described: blank each pass's region with 0x01 in
// place (sparing later "<script" tags), rescanning from the start, then drop
// the marks. Slow, but plainly right; inputs here hold no 0x01 of their own.
ScriptBlockRemoval Reference(std::string text) {
  ScriptBlockRemoval result;
  for (;;) {
    const size_t start = text.find("<script");
    if (start == std::string::npos) break;
    const size_t close = text.find("</script>", start);
    if (close == std::string::npos) {
      result.end_missing = true;
      break;
    }
    const size_t end = close + 9;
    std::string marked = text;
    for (size_t i = start; i < end; ++i) marked[i] = '\x01';
    for (size_t at = text.find("<script", start + 1); at != std::string::npos && at < end;
         at = text.find("<script", at + 1)) {
      const size_t gt = text.find('>', at);
      for (size_t i = at; i <= gt; ++i) marked[i] = text[i];
    }
    text = marked;
    result.removed = true;
  }
  if (result.removed)
    for (char c : text)
      if (c != '\x01') result.text.push_back(c);
  return result;
}

struct Case {
  const char* source;
  const char* expected;
  bool end_missing;
};

TEST(ScriptBlocksTest, RemovesBlocksAndKeepsTheRest) {
  const Case cases[] = {
      {"a<script>x</script>b", "ab", false},
      {"<script type=\"t\">if (a < b) f();</script><bioml/>", "<bioml/>", false},
      {"a<script>1</script>b<script>2</script>c", "abc", false},
      // A nested block goes with its outer one.
      {"a<script>x<script>y</script>z</script>b", "ab", false},
      // Blocks removed before the unended one stay removed.
      {"a<script>x</script>b<script>c", "ab<script>c", true},
      {"<script>never ends", "<script>never ends", true},
      {"an </script> alone", "an </script> alone", false},
      {"no scripts at all", "no scripts at all", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.source);
    const ScriptBlockRemoval removal = RemoveScriptBlocks(c.source);
    EXPECT_EQ(removal.removed ? removal.text : std::string(c.source), c.expected);
    EXPECT_EQ(removal.end_missing, c.end_missing);
  }
}

TEST(ScriptBlocksTest, KeepsControlBytesOutsideTheBlocks) {
  const ScriptBlockRemoval removal = RemoveScriptBlocks("\x01<script>x</script>\x01");
  ASSERT_TRUE(removal.removed);
  EXPECT_EQ(removal.text, "\x01\x01");
}

TEST(ScriptBlocksTest, AgreesWithThePassByPassRemoval) {
  const char* pieces[] = {"<script", "</script>", "<script>", ">", "<", "x", " ", "/", "t"};
  std::mt19937 random(20010213);
  for (int round = 0; round < 20000; ++round) {
    std::string text;
    const int count = static_cast<int>(random() % 14);
    for (int i = 0; i < count; ++i) text += pieces[random() % std::size(pieces)];
    SCOPED_TRACE(text);
    const ScriptBlockRemoval expected = Reference(text);
    const ScriptBlockRemoval actual = RemoveScriptBlocks(text);
    ASSERT_EQ(actual.removed, expected.removed);
    ASSERT_EQ(actual.end_missing, expected.end_missing);
    ASSERT_EQ(actual.text, expected.text);
  }
}

}  // namespace
}  // namespace ionvue
