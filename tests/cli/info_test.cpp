#include <sstream>

#include "platform/settings.h"
#include "tests/support/test_support.h"
#include "viewer/cli/command_line.h"
#include "viewer/cli/json.h"
#include "viewer/importers/standard_services.h"

namespace ionvue {
namespace {

class InfoTest : public testing::TempDirTest {
 protected:
  int Run(std::vector<std::string> args) {
    out.str("");
    err.str("");
    bool handled = false;
    int status = RunCommandLine(args, StandardServices(), out, err, handled);
    EXPECT_TRUE(handled);
    return status;
  }
  bool Has(const std::string& part) const { return out.str().find(part) != std::string::npos; }
  std::ostringstream out, err;
};

TEST_F(InfoTest, ReportsTheSpectrumAsTheOpenRoadReadsIt) {
  std::vector<uint8_t> bytes;
  for (int v : {5, -3, 7, 2}) testing::PutLE32(bytes, static_cast<uint32_t>(v));
  std::string path = WriteFile("testdata/run.dat", bytes);
  Settings().WriteInt("Defaults", "WordSize", 4);
  EXPECT_EQ(Run({"--info", path}), 0);
  EXPECT_TRUE(Has("\"type\":\"2\"")) << out.str();
  EXPECT_TRUE(Has("\"loaded\":true"));
  EXPECT_TRUE(Has("\"length\":4"));
  // Lifted by the minimum -3: 5-(-3)+1 = 9 ...
  EXPECT_TRUE(Has("\"samples_head\":[9,1,11,6]"));
  EXPECT_TRUE(Has("\"samples_sum\":27"));
  EXPECT_TRUE(Has("\"model\":\"deTOF\""));
  EXPECT_TRUE(Has("\"a\":[1,4,4,0]"));
  EXPECT_TRUE(Has("\"properties\":{\"SPECTRUM_CHARGE\":\"1\"}"));
  EXPECT_TRUE(Has("{\"kind\":\"status\",\"pane\":0,\"text\":\"Binary file loading...\"}"));
  // The load-parameters dialog is skipped and the settings stay as they were.
  EXPECT_FALSE(Has("Load parameters"));
  ReopenSettings();
  EXPECT_FALSE(Settings().Has("Defaults", "InputPath"));
}

TEST_F(InfoTest, QuestionsTakeTheAnswerThatKeepsTheFilesReading) {
  // 16-bit words that look like 32-bit data: every second word is zero.
  std::vector<uint8_t> bytes;
  for (int i = 0; i < 8; ++i) testing::PutLE32(bytes, 100 + i);
  std::string path = WriteFile("testdata/words.dat", bytes);
  EXPECT_EQ(Run({"--info", path}), 0);
  EXPECT_TRUE(Has("{\"kind\":\"question\",\"answer\":\"no\",\"text\":\"Data appears to be 32 bit "
                  "NOT 16 bit binary.\\nChange file type to 32 bit binary?\"}"))
      << out.str();
  EXPECT_TRUE(Has("\"length\":16"));
}

TEST_F(InfoTest, ExitStatusTellsLoadedFailedAndUsage) {
  EXPECT_EQ(Run({"--info", PathOf("missing.roziro")}), 1);
  EXPECT_TRUE(Has("\"loaded\":false"));
  EXPECT_TRUE(Has("could not be located"));
  EXPECT_EQ(Run({"--info"}), 2);
  EXPECT_EQ(Run({"--bogus", "x"}), 2);
  EXPECT_NE(err.str().find("usage"), std::string::npos);
}

TEST_F(InfoTest, HashPrintsTheAuthenticationValue) {
  std::string path = WriteFile("empty.dat", std::string());
  EXPECT_EQ(Run({"--hash", path}), 0);
  EXPECT_EQ(out.str(), "8617F366 566A0118 37F4FB4B A5BEDEA2\n");
  EXPECT_EQ(Run({"--hash", PathOf("none")}), 1);
  EXPECT_NE(err.str().find("The file to be hashed was not available."), std::string::npos);
}

TEST(Json, StringsStayValidUtf8) {
  EXPECT_EQ(JsonString("a\"b\\c\n"), "\"a\\\"b\\\\c\\n\"");
  EXPECT_EQ(JsonString(std::string("x\xFAy")), "\"x\xC3\xBAy\"");  // Latin-1 byte
  EXPECT_EQ(JsonString("\xC3\xA9"), "\"\xC3\xA9\"");               // already UTF-8
  EXPECT_EQ(JsonString(std::string("\x01", 1)), "\"\\u0001\"");
  EXPECT_EQ(JsonNumber(0.007), "0.007");
  EXPECT_EQ(JsonNumber(1.0 / 0.0), "null");
}

}  // namespace
}  // namespace ionvue
