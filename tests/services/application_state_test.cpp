#include "viewer/services/application_state.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <vector>

#include "platform/scripted_host.h"
#include "platform/settings.h"
#include "tests/support/test_support.h"
#include "viewer/core/document.h"
#include "viewer/services/startup_environment.h"
#include "viewer/services/startup_settings.h"
#include "viewer/services/web_addresses.h"

namespace ionvue {
namespace {

class ApplicationStateTest : public testing::TempDirTest {
 protected:
  CIonvueDoc* NewDocument() {
    documents_.push_back(std::make_unique<CIonvueDoc>(host_, services_));
    CIonvueDoc* doc = documents_.back().get();
    doc->onRedraw = [this, doc] { redrawn_.push_back(doc); };
    return doc;
  }
  ScriptedHost host_;
  DocumentServices services_;
  std::vector<std::unique_ptr<CIonvueDoc>> documents_;
  std::vector<CIonvueDoc*> redrawn_;
};

TEST_F(ApplicationStateTest, TheListHoldsAHundredDocumentsAndClosesGaps) {
  ApplicationState state;
  std::vector<CIonvueDoc*> listed;
  for (int i = 0; i < ApplicationState::kMaxDocuments; ++i) {
    listed.push_back(NewDocument());
    EXPECT_TRUE(state.AddDocument(listed.back()));
  }
  CIonvueDoc* extra = NewDocument();
  EXPECT_FALSE(state.AddDocument(extra));
  EXPECT_EQ(state.DocumentCount(), 100);
  EXPECT_FALSE(state.IsListed(extra));

  state.RemoveDocument(extra);  // not listed: nothing changes
  EXPECT_EQ(state.DocumentCount(), 100);
  state.RemoveDocument(listed[3]);
  EXPECT_EQ(state.DocumentCount(), 99);
  EXPECT_EQ(state.Documents()[3], listed[4]);
  EXPECT_EQ(state.Documents().back(), listed.back());

  // An unlisted document takes no part in redrawing all.
  state.RedrawAll();
  EXPECT_EQ(redrawn_.size(), 99u);
  EXPECT_EQ(std::count(redrawn_.begin(), redrawn_.end(), extra), 0);
}

TEST_F(ApplicationStateTest, LockingNeedsTwoSpectraAndClearsWhenOneRemains) {
  ApplicationState state;
  int changes = 0;
  state.onSwitchesChanged = [&] { ++changes; };
  CIonvueDoc* a = NewDocument();
  CIonvueDoc* b = NewDocument();
  state.AddDocument(a);
  state.AddDocument(b);
  state.SetCurrentDocument(b);
  state.ToggleLockViews(b);
  EXPECT_TRUE(state.ViewsLocked());
  // The commanding document first, then the others.
  EXPECT_EQ(redrawn_, (std::vector<CIonvueDoc*>{b, a}));

  state.RemoveDocument(b);
  EXPECT_EQ(state.CurrentDocument(), nullptr);
  EXPECT_FALSE(state.ViewsLocked());
  EXPECT_EQ(changes, 2);
  state.AddDocument(NewDocument());
  EXPECT_FALSE(state.ViewsLocked());  // stays off when a second spectrum opens again
}

TEST_F(ApplicationStateTest, SwitchesWriteTheirSettings) {
  ApplicationState state;
  state.AddDocument(NewDocument());
  state.ToggleShowInformation();
  EXPECT_EQ(Settings().GetInt("Graph", "ShowLabel", -1), 0);
  EXPECT_EQ(redrawn_.size(), 1u);
  state.ToggleHashValue();
  EXPECT_TRUE(state.HashValue());
  EXPECT_EQ(Settings().GetInt("Graph", "ShowHash", -1), 1);

  // The load dialog's own choice reaches the switch and survives exit.
  EXPECT_TRUE(state.ShowAllDialogs());
  Settings().WriteInt("Defaults", "ShowAllDialogs", 0);
  EXPECT_FALSE(state.ShowAllDialogs());
  state.SaveOnExit();
  EXPECT_EQ(Settings().GetInt("Defaults", "ShowAllDialogs", -1), 0);
  state.ToggleShowAllDialogs();
  EXPECT_EQ(Settings().GetInt("Defaults", "ShowAllDialogs", -1), 1);
}

TEST_F(ApplicationStateTest, TheViewsSeeTheSwitchesAndTheSharedRange) {
  ApplicationState state;
  ViewContext& views = state.viewContext();
  EXPECT_TRUE(views.showInformation);
  EXPECT_EQ(views.sharedLow, 10000.0);
  EXPECT_EQ(views.sharedHigh, 400.0);
  state.PushSharedRange(2500, 1200);
  EXPECT_EQ(views.sharedLow, 1200.0);
  EXPECT_EQ(views.sharedHigh, 2500.0);

  CIonvueDoc* a = NewDocument();
  CIonvueDoc* b = NewDocument();
  state.AddDocument(a);
  state.AddDocument(b);
  state.ToggleLockViews(a);
  state.ToggleHashValue();
  state.ToggleShowInformation();
  EXPECT_TRUE(views.viewsLocked);
  EXPECT_TRUE(views.showHash);
  EXPECT_FALSE(views.showInformation);
  state.RemoveDocument(a);
  EXPECT_FALSE(views.viewsLocked);
}

TEST(LocalHelpBase, FollowsTheInstallationFolder) {
  struct Case {
    const char* folder;
    const char* base;
  };
  const Case cases[] = {
      {"c:\\ionvue\\program", "file:///c|/ionvue"},
      {"d:\\tools\\ionvue\\program", "file:///d|/tools/ionvue"},
      {"d:\\tools\\ionvue", "file:///"},
      {"/usr/share/ionvue/program", "file:///usr/share/ionvue"},
      {"/usr/share/ionvue/program/bin", "file:///usr/share/ionvue"},
  };
  for (const Case& c : cases) EXPECT_EQ(LocalHelpBase(c.folder), c.base) << c.folder;
}

class StartupTest : public testing::TempDirTest {
 protected:
  StartupEnvironment Environment() {
    StartupEnvironment env;
    env.homeFolder = PathOf("home");
    env.installFolder = PathOf("opt/ionvue/program");
    env.executableFolder = PathOf("opt/ionvue/bin");
    env.tempFolder = PathOf("tmp");
    env.mimePackagesFolder = PathOf("data/mime/packages");
    return env;
  }
};

TEST_F(StartupTest, FirstStartWritesTheFoldersAddressesAndVersion) {
  ApplicationState state;
  ReadStartupSettings(state, Environment());
  SettingsStore& s = Settings();
  EXPECT_EQ(s.GetInt("Version", "Number", 0), 20010213);
  EXPECT_EQ(state.m_nInstalledVersion, 20010213);
  EXPECT_EQ(state.m_strInputPath, PathOf("home"));
  EXPECT_EQ(s.GetString("Defaults", "IVRootDirectory", ""), PathOf("opt/ionvue/program"));
  const std::string help = "file://" + PathOf("opt/ionvue");
  EXPECT_EQ(state.m_strLocalHelpBase, help);
  EXPECT_EQ(s.GetInt("Kadenza", "Iterations", 0), 5);
  EXPECT_EQ(s.GetString("WWW", "AAInfoURL", ""),
            std::string(kMakerWebServer) + "/aainfo/contents.htm");
  EXPECT_EQ(s.GetString("WWW", "LicenseURL", ""), help + "/program/license.htm");
  EXPECT_EQ(s.GetString("WWW", "SmoothingURL", ""), help + "/html/digital/convol.htm");
  EXPECT_EQ(s.GetString("WWW", "UpgradeURL", ""),
            std::string(kMakerDownloadServer) + "/Download/ionvue/win_iv.exe");
  EXPECT_FALSE(s.Has("WWW", "TutorialURL"));
  EXPECT_TRUE(s.Has("WWW", kMappingServiceKey));
  EXPECT_TRUE(state.ShowInformation());
  EXPECT_FALSE(state.HashValue());
  EXPECT_TRUE(std::filesystem::exists(PathOf("data/mime/packages/ionvue-roziro.xml")));
}

TEST_F(StartupTest, EditedAddressesSurviveOnlyWhereTheyAreReadBack) {
  SettingsStore& s = Settings();
  s.WriteString("WWW", "CompressionURL", "http://elsewhere/");
  s.WriteString("WWW", "UpgradeURL", "http://elsewhere/win_iv.exe");
  s.WriteString("WWW", "VexlarURL", "http://vexlar.example/");
  s.WriteString("WWW", "TutorialURL", "http://tutor.example/");
  s.WriteString("Defaults", "IVRootDirectory", "d:\\tools\\ionvue\\program");
  s.WriteInt("Graph", "ShowLabel", 0);
  s.WriteInt("Graph", "ShowHash", 1);
  ApplicationState state;
  ReadStartupSettings(state, Environment());
  EXPECT_EQ(s.GetString("WWW", "CompressionURL", ""),
            "file:///d|/tools/ionvue/html/compression/final.htm");
  EXPECT_EQ(s.GetString("WWW", "UpgradeURL", ""),
            std::string(kMakerDownloadServer) + "/Download/ionvue/win_iv.exe");
  EXPECT_EQ(s.GetString("WWW", "VexlarURL", ""), "http://vexlar.example/");
  EXPECT_EQ(s.GetString("WWW", "TutorialURL", ""), "http://tutor.example/");
  EXPECT_FALSE(state.ShowInformation());
  EXPECT_TRUE(state.HashValue());
}

TEST_F(StartupTest, TheUpdatersLeftoversGoAndNothingElse) {
  for (const char* name : {"setup.exe", "iv_9b.exe", "win_iv.exe", "keep.txt"})
    WriteFile(std::string("tmp/") + name, "x");
  std::filesystem::create_directories(PathOf("tmp/setup.exe.d"));
  ApplicationState state;
  ReadStartupSettings(state, Environment());
  EXPECT_FALSE(std::filesystem::exists(PathOf("tmp/setup.exe")));
  EXPECT_FALSE(std::filesystem::exists(PathOf("tmp/iv_9b.exe")));
  EXPECT_FALSE(std::filesystem::exists(PathOf("tmp/win_iv.exe")));
  EXPECT_TRUE(std::filesystem::exists(PathOf("tmp/keep.txt")));
  EXPECT_EQ(DeleteUpdaterLeftovers(PathOf("tmp")), 0);
  EXPECT_EQ(DeleteUpdaterLeftovers(PathOf("no such folder")), 0);
}

TEST_F(StartupTest, AnExistingContentTypeIsLeftAlone) {
  WriteFile("data/mime/packages/ionvue-roziro.xml", "mine");
  EXPECT_FALSE(RegisterRoziroContentType(PathOf("data/mime/packages")));
  EXPECT_EQ(ReadFile(PathOf("data/mime/packages/ionvue-roziro.xml")), "mine");
}

TEST_F(StartupTest, QuickLoadIsOfferedOnlyWhenItsFileExists) {
  ApplicationState state;
  ReadStartupSettings(state, Environment());
  EXPECT_FALSE(state.m_bQuickLoadAvailable);
  Settings().WriteString("Defaults", "QuickLoadFile", WriteFile("acqtemp.dat", "1234"));
  ReadStartupSettings(state, Environment());
  EXPECT_TRUE(state.m_bQuickLoadAvailable);
}

}  // namespace
}  // namespace ionvue
