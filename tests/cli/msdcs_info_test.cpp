#include <sstream>

#include "tests/formats/msdcs_fixture.h"
#include "tests/support/test_support.h"
#include "viewer/cli/command_line.h"
#include "viewer/importers/standard_services.h"

namespace ionvue {
namespace {

using namespace dcs_fixture;

class MsdcsInfoTest : public testing::TempDirTest {
 protected:
  std::string Info(const std::string& path, int& status) {
    std::ostringstream out, err;
    bool handled = false;
    status = RunCommandLine({"--info", path}, StandardServices(), out, err, handled);
    EXPECT_TRUE(handled);
    return out.str();
  }
};

// Both layouts reach their reader through the type probe and the open road.
TEST_F(MsdcsInfoTest, TheOpenRoadLoadsTofdcsAndMsdcsFiles) {
  Parameters p;
  p.length = 4;
  Bytes body = SampleGroups({5, 5, 5, 7});
  Append(body, LabelSection({Label{}}, false));
  const std::string v4 = WriteFile(
      "run.dcs", MakeTofdcs('4', Identification('4') + "`__SPECTRUM_NOTES=cli", p, body).File());

  Bytes body5 = SampleGroups({9, 8, 7});
  Append(body5, LabelSection({}, true));
  const std::string v5 = WriteFile(
      "run5.dcs",
      MakeMsdcs5("__SPECTRUM_LENGTH=3 __SPECTRUM_TIMEBASE=0.004 __SPECTRUM_MODE=non-TOF", body5)
          .File());

  int status = -1;
  std::string out = Info(v4, status);
  EXPECT_EQ(status, 0) << out;
  for (const char* part :
       {"\"type\":\"1\"", "\"loaded\":true", "\"length\":4", "\"samples_head\":[5,5,5,7]",
        "\"offset\":120", "\"shots\":50", "\"model\":\"TOF\"",
        "{\"text\":\"1479.80\",\"mass\":1479.7954,\"mz\":1480.8028,\"charge\":1,\"type\":\"C\"}",
        "\"SPECTRUM_NOTES\":\"cli\"",
        "{\"kind\":\"status\",\"pane\":0,\"text\":\"MSDCS file loading...\"}"})
    EXPECT_NE(out.find(part), std::string::npos) << part << "\n" << out;

  out = Info(v5, status);
  EXPECT_EQ(status, 0) << out;
  for (const char* part : {"\"type\":\"1\"", "\"loaded\":true", "\"length\":3",
                           "\"samples_head\":[9,8,7]", "\"model\":\"linear\""})
    EXPECT_NE(out.find(part), std::string::npos) << part << "\n" << out;
}

TEST_F(MsdcsInfoTest, ADamagedFileIsReportedNotLoaded) {
  Bytes prefix;
  Append(prefix, Identification('3') + "`");
  prefix.push_back(kTerminator);
  Put32(prefix, 0);  // text size 0
  int status = -1;
  const std::string out = Info(WriteFile("bad.dcs", prefix), status);
  EXPECT_EQ(status, 1);
  EXPECT_NE(out.find("\"loaded\":false"), std::string::npos) << out;
  for (const char* message : {"Text size invalid", "Could not decode file",
                              "Error while loading data"})
    EXPECT_NE(out.find(message), std::string::npos) << message << "\n" << out;
}

}  // namespace
}  // namespace ionvue
