#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "markup/markup_messages.h"
#include "markup/markup_node.h"
#include "platform/scripted_host.h"

namespace ionvue {
namespace {

// Setup parses without a host: what goes wrong is only logged.
bool ParseSetup(CMarkupNode& node, std::string_view source) {
  int counter = 0;
  return node.Parse(source, counter);
}

TEST(SetupProfileTest, ReadsAnInstallScript) {
  const std::string script =
      "<setupML version=\"1\">\r\n"
      "<directory path=\"ionvue\" action=\"create\" type=\"root\">\r\n"
      "\t<subdirectory path=\"program\" action=\"create\"/>\r\n"
      "\t<subdirectory path=\"data\" action=\"create\"/>\r\n"
      "</directory>\r\n"
      "<registry>\r\n"
      "\t<entry mainkey=\"HKEY_CURRENT_USER\" key=\"Software\\Kestrova\\Ionvue\" subkey=\"Path\" "
      "value=\"ROOT_DIRECTORY\\program\\ionvue.exe\"/>\r\n"
      "</registry>\r\n"
      "<copy>\r\n\t<file name=\"ionvue.exe\" sub=\"program\"/>\r\n\t<file name=\"demo.roziro\"/>\r\n</copy>\r\n"
      "<shortcut>\r\n\t<link name=\"program\\ionvue.exe\" description=\"Ionvue\" location=\"DESKTOP\"/>\r\n</shortcut>\r\n"
      "<execute>\r\n\t<file name=\"setup2.bat\" path=\"program\"/>\r\n</execute>\r\n"
      "</setupML>\r\n";
  CMarkupNode root(MarkupProfile::Setup);
  ASSERT_TRUE(ParseSetup(root, script));
  EXPECT_EQ(root.GetName(), "setupML");
  EXPECT_EQ(root.GetErrors(), "");

  std::vector<std::string> steps;
  for (int i = 0; i < root.GetChildCount(); ++i) steps.push_back(root.GetChild(i)->GetName());
  EXPECT_EQ(steps, (std::vector<std::string>{"directory", "registry", "copy", "shortcut", "execute"}));

  CMarkupNode directory;
  root.GetChild(0)->CopyTo(directory);
  EXPECT_EQ(directory.GetAttribute("type"), "root");
  ASSERT_EQ(directory.GetChildCount(), 2);
  EXPECT_EQ(directory.GetChild(1)->GetAttribute("path"), "data");

  const CMarkupNode* entry = root.GetChild(1)->GetChild(0);
  EXPECT_EQ(entry->GetAttribute("key"), "Software\\Kestrova\\Ionvue");
  EXPECT_EQ(entry->GetAttribute("value"), "ROOT_DIRECTORY\\program\\ionvue.exe");
  EXPECT_EQ(root.GetChild(2)->GetChildCount(), 2);
  EXPECT_EQ(root.GetChild(2)->GetChild(1)->GetAttribute("sub"), "");
}

struct LoggedCase {
  const char* label;
  std::string source;
  const char* message;
};

class SetupLogTest : public ::testing::TestWithParam<LoggedCase> {};

TEST_P(SetupLogTest, LogsANumberedLineAndFails) {
  CMarkupNode node(MarkupProfile::Setup);
  EXPECT_FALSE(ParseSetup(node, GetParam().source));
  EXPECT_EQ(node.GetErrors(), std::string("1. ") + GetParam().message + "\r\n");
  EXPECT_EQ(node.GetChildCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    BinaryTags, SetupLogTest,
    ::testing::Values(
        LoggedCase{"NoLength", "<r><binary size=\"3\">abc</binary></r>", markup_text::kNoBinaryLength},
        LoggedCase{"NoTagEnd", "<r><binary length=\"3\"", markup_text::kNoBinaryTagEnd},
        LoggedCase{"LongerThanTheText", "<r><binary length=\"4000\">abc</binary></r>", markup_text::kBinaryPastEnd},
        LoggedCase{"Negative", "<r><binary length=\"-3\">abc</binary></r>", markup_text::kBinaryPastEnd},
        // The root's scan finds a length further on; the element's own does not.
        LoggedCase{"OnlyALaterLength", "<r><c><binary/></c><binary length=\"1\">z</binary></r>",
                   markup_text::kNoBinaryLength},
        LoggedCase{"Structure", "<r><c></r>", markup_text::kObjectParsingError}),
    [](const auto& info) { return info.param.label; });

TEST(SetupProfileTest, BinaryLogLinesAreNotShown) {
  ScriptedHost host;
  CMarkupNode node(MarkupProfile::Setup, &host);
  EXPECT_FALSE(ParseSetup(node, "<r><binary>abc</binary></r>"));
  EXPECT_TRUE(host.Messages().empty());
  EXPECT_FALSE(node.GetErrors().empty());
}

TEST(SetupProfileTest, ZeroOutsideAPayloadEndsTheText) {
  CMarkupNode node(MarkupProfile::Setup);
  ASSERT_TRUE(ParseSetup(node, std::string("<r><a/>\0<b/></r>", 16)));
  EXPECT_EQ(node.GetChildCount(), 1);
}

TEST(SetupProfileTest, WhitespaceIsOnlyBlankTabCrLf) {
  // A form feed is whitespace to the viewer but part of the text to setup.
  CMarkupNode setup(MarkupProfile::Setup);
  ASSERT_TRUE(ParseSetup(setup, "<r a=\"1\"\f b=\"2\"/>"));
  EXPECT_EQ(setup.GetAttribute("b"), "");
  EXPECT_EQ(setup.GetAttribute("\f b"), "2");

  CMarkupNode viewer(MarkupProfile::Viewer);
  int counter = 0;
  ASSERT_TRUE(viewer.Parse("<r a=\"1\"\f b=\"2\"/>", counter));
  EXPECT_EQ(viewer.GetAttribute("b"), "2");
}

}  // namespace
}  // namespace ionvue
