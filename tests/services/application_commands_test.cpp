#include "viewer/services/application_commands.h"

#include <sys/stat.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/scripted_host.h"
#include "platform/settings.h"
#include "tests/support/test_support.h"
#include "viewer/core/command_ids.h"
#include "viewer/core/document.h"
#include "viewer/services/application_state.h"
#include "viewer/services/application_windows.h"
#include "viewer/services/command_table.h"
#include "viewer/services/main_frame.h"
#include "viewer/services/process_launcher.h"
#include "viewer/services/recent_files.h"
#include "viewer/services/shell_actions.h"
#include "viewer/services/startup_environment.h"
#include "viewer/services/startup_settings.h"
#include "viewer/services/web_addresses.h"

namespace ionvue {
namespace {

struct RecordingWindows : ApplicationWindows {
  void FileOpen() override { calls.push_back("open dialog"); }
  void OpenDocument(const std::string& path) override { calls.push_back("open " + path); }
  void CloseAllDocuments() override { calls.push_back("close all"); }
  void CloseMainWindow() override { calls.push_back("exit"); }
  void ActivateNextDocument() override { calls.push_back("next"); }
  std::vector<std::string> calls;
};

struct RecordingLauncher : ProcessLauncher {
  bool Start(const std::string& p, const std::vector<std::string>& args) override {
    program = p;
    arguments = args;
    ++starts;
    return succeeds;
  }
  bool succeeds = true;
  int starts = 0;
  std::string program;
  std::vector<std::string> arguments;
};

// A desktop whose shell opens nothing.
struct RefusingHost : ScriptedHost {
  bool OpenInShell(std::string_view address) override {
    ScriptedHost::OpenInShell(address);
    return false;
  }
};

std::vector<std::string> Shelled(const ScriptedHost& host) {
  std::vector<std::string> out;
  for (const HostEvent& e : host.events())
    if (e.kind == HostEvent::Kind::Shell) out.push_back(e.text);
  return out;
}

class ApplicationCommandsTest : public testing::TempDirTest {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    env_.homeFolder = PathOf("home");
    env_.installFolder = "c:\\ionvue\\program";
    env_.executableFolder = PathOf("bin");
    env_.tempFolder = PathOf("tmp");
    ReadStartupSettings(state_, env_);
    ReadSettingsAfterMainWindow(state_);
  }
  void TearDown() override {
    docs_.clear();
    TempDirTest::TearDown();
  }
  CIonvueDoc* Open() {
    docs_.push_back(std::make_unique<CIonvueDoc>(host_, services_));
    state_.AddDocument(docs_.back().get());
    return docs_.back().get();
  }
  // A stand-in updater beside the executable.
  void InstallUpdater() {
    std::string path = WriteFile("bin/fetchwl", "#!/bin/sh\n");
    ::chmod(path.c_str(), 0755);
  }

  StartupEnvironment env_;
  ApplicationState state_;
  ScriptedHost host_;
  DocumentServices services_;
  std::vector<std::unique_ptr<CIonvueDoc>> docs_;
  RecordingWindows windows_;
  RecordingLauncher launcher_;
  RecentFileList& recent_ = state_.m_recentFiles;
  ApplicationCommands app_{state_, host_, windows_, launcher_};
  FrameCommands frame_{state_, windows_};
  CommandRouter router_ = MakeCommandRouter(nullptr, nullptr, &frame_, &app_);
};

TEST_F(ApplicationCommandsTest, WebPagesOpenTheirAddressesWhileNetworkCommandsAreOn) {
  ASSERT_TRUE(router_.Execute(cmd::kAminoAcidInfo));
  ASSERT_TRUE(router_.Execute(cmd::kHowCompression));
  ASSERT_TRUE(router_.Execute(cmd::kTutorial));
  EXPECT_EQ(Shelled(host_),
            (std::vector<std::string>{
                std::string(kMakerWebServer) + "/aainfo/contents.htm",
                "file:///c|/ionvue/html/compression/final.htm",
                std::string(kMakerDownloadServer) + "/ionvue/tutorials/index.html"}));

  state_.SetNetworkCommands(false);
  for (int id : {cmd::kMsProtocols, cmd::kAminoAcidInfo, cmd::kVexlarIndex, cmd::kIonvueHomepage,
                 cmd::kUpgradeWizard, cmd::kLicense})
    EXPECT_FALSE(router_.Update(id).enabled) << id;
  for (int id : {cmd::kHowCompression, cmd::kHowSmoothing, cmd::kTutorial, cmd::kCopyright})
    EXPECT_TRUE(router_.Update(id).enabled) << id;
  EXPECT_FALSE(router_.Update(cmd::kTallyx).enabled);
  EXPECT_FALSE(router_.Execute(cmd::kTallyx));
}

TEST_F(ApplicationCommandsTest, ABrowserThatWillNotOpenIsReported) {
  RefusingHost refusing;
  EXPECT_EQ(OpenInBrowser(refusing, "http://x/"), 0);
  EXPECT_EQ(OpenInBrowser(refusing, std::string(600, 'a')), 0);
  EXPECT_EQ(refusing.Messages(), (std::vector<std::string>{"The Internet browser would not open",
                                                           "The Internet browser would not open"}));
  ScriptedHost fine;
  EXPECT_EQ(OpenInBrowser(fine, std::string(600, 'a')), 1);
  EXPECT_EQ(Shelled(fine), std::vector<std::string>{std::string(600, 'a')});
}

TEST_F(ApplicationCommandsTest, HelpThatCannotBeShownBeepsAndStops) {
  RefusingHost refusing;
  RunHelp(refusing, state_);
  ASSERT_EQ(refusing.events().size(), 3u);
  EXPECT_EQ(refusing.events()[0].text, "file:///c|/ionvue/html/index.htm");
  EXPECT_EQ(refusing.events()[1].kind, HostEvent::Kind::Beep);
  EXPECT_EQ(refusing.events()[1].beep, BeepKind::Question);
  EXPECT_EQ(refusing.events()[2].icon, MessageIcon::Stop);
  EXPECT_EQ(refusing.events()[2].text,
            "Can't read the help file IONVUE.HLP.\nCheck to see that it is in the C:\\IONVUE "
            "directory.\nIf it is, check to see the WINHELP.EXE is in the\nC:\\WINDOWS "
            "directory.");
}

TEST_F(ApplicationCommandsTest, UpdaterCommandLineForTheDefaults) {
  const std::string url = std::string(kMakerDownloadServer) + "/Download/ionvue/win_iv.exe";
  EXPECT_EQ(UpdaterCommandLine("c:\\ionvue\\program", url, 20010213),
            "c:\\ionvue\\program\\fetchwl.exe " + url +
                "\x96"
                "20010213");
  EXPECT_EQ(UpdaterArgument(url, 20010213), url +
                                                "\x96"
                                                "20010213");
}

TEST_F(ApplicationCommandsTest, UpgradeStartsTheUpdaterBesideTheViewerThenCloses) {
  InstallUpdater();
  Settings().WriteString("WWW", "UpgradeURL", "http://mirror.example/win_iv.exe");
  ASSERT_TRUE(router_.Execute(cmd::kUpgradeWizard));
  EXPECT_EQ(launcher_.program, PathOf("bin/fetchwl"));
  EXPECT_EQ(launcher_.arguments, std::vector<std::string>{"http://mirror.example/win_iv.exe\x96"
                                                          "20010213"});
  EXPECT_TRUE(host_.Messages().empty());
  EXPECT_EQ(windows_.calls, std::vector<std::string>{"exit"});
}

TEST_F(ApplicationCommandsTest, UpgradeWithoutAnUpdaterReportsAndStillCloses) {
  ASSERT_TRUE(router_.Execute(cmd::kUpgradeWizard));
  EXPECT_EQ(launcher_.starts, 0);
  InstallUpdater();
  launcher_.succeeds = false;
  ASSERT_TRUE(router_.Execute(cmd::kUpgradeWizard));
  EXPECT_EQ(host_.Messages(), (std::vector<std::string>{"The network installer would not open",
                                                        "The network installer would not open"}));
  EXPECT_EQ(windows_.calls, (std::vector<std::string>{"exit", "exit"}));
}

TEST_F(ApplicationCommandsTest, DocumentCountsDriveLockCloseAllAndNextSpectrum) {
  EXPECT_FALSE(router_.Update(cmd::kCloseAll).enabled);
  CIonvueDoc* first = Open();
  CommandState lock = router_.Update(cmd::kLockViews);
  EXPECT_FALSE(lock.enabled);
  EXPECT_FALSE(lock.checked);
  EXPECT_TRUE(router_.Update(cmd::kCloseAll).enabled);
  EXPECT_FALSE(router_.Update(cmd::kNextSpectrum).enabled);

  CIonvueDoc* second = Open();
  state_.SetCurrentDocument(second);
  ASSERT_TRUE(router_.Execute(cmd::kLockViews));
  EXPECT_TRUE(router_.Update(cmd::kLockViews).checked);
  EXPECT_TRUE(router_.Execute(cmd::kNextSpectrum));

  // One spectrum left: off, unchecked, disabled, whatever it was.
  state_.RemoveDocument(second);
  lock = router_.Update(cmd::kLockViews);
  EXPECT_FALSE(lock.enabled || lock.checked);
  EXPECT_FALSE(state_.ViewsLocked());
  ASSERT_TRUE(router_.Execute(cmd::kCloseAll));
  EXPECT_EQ(windows_.calls, (std::vector<std::string>{"next", "close all"}));
  (void)first;
}

TEST_F(ApplicationCommandsTest, SwitchCommandsAreCheckedWhileOn) {
  EXPECT_TRUE(router_.Update(cmd::kAllDialogBoxes).checked);
  ASSERT_TRUE(router_.Execute(cmd::kAllDialogBoxes));
  EXPECT_FALSE(router_.Update(cmd::kAllDialogBoxes).checked);
  EXPECT_EQ(Settings().GetInt("Defaults", "ShowAllDialogs", -1), 0);

  EXPECT_TRUE(router_.Update(cmd::kShowInformation).checked);
  ASSERT_TRUE(router_.Execute(cmd::kShowInformation));
  EXPECT_FALSE(router_.Update(cmd::kShowInformation).checked);

  EXPECT_FALSE(router_.Update(cmd::kHashValue).checked);
  ASSERT_TRUE(router_.Execute(cmd::kHashValue));
  EXPECT_TRUE(router_.Update(cmd::kHashValue).checked);
  EXPECT_TRUE(router_.Update(cmd::kHashValue).checkable);
}

TEST_F(ApplicationCommandsTest, RecentFilesAndSnapticDataOpenDocuments) {
  EXPECT_FALSE(router_.Update(cmd::kRecentFile1).enabled);
  recent_.Add("/data/a.roziro");
  recent_.Add("/data/b&c.roziro");
  recent_.Add("/data/a.roziro");
  CommandState first = router_.Update(cmd::kRecentFile1);
  EXPECT_TRUE(first.enabled);
  EXPECT_EQ(first.text, "&1 /data/a.roziro");
  EXPECT_EQ(router_.Update(cmd::kRecentFile1 + 1).text, "&2 /data/b&&c.roziro");
  EXPECT_FALSE(router_.Update(cmd::kRecentFile1 + 2).enabled);
  ASSERT_TRUE(router_.Execute(cmd::kRecentFile1 + 1));

  EXPECT_FALSE(router_.Update(cmd::kLoadSnapticData).enabled);
  state_.m_bQuickLoadAvailable = true;
  ASSERT_TRUE(router_.Execute(cmd::kLoadSnapticData));
  ASSERT_TRUE(router_.Execute(cmd::kLoadSnapticData));
  EXPECT_EQ(windows_.calls,
            (std::vector<std::string>{"open /data/b&c.roziro", "open #0.acq", "open #1.acq"}));

  state_.SaveOnExit();
  RecentFileList again;
  again.Load();
  ASSERT_EQ(again.Count(), 2);
  EXPECT_EQ(again.At(0), "/data/a.roziro");
}

TEST_F(ApplicationCommandsTest, PrintSetupKeepsTheOrientationInTheSettings) {
  Settings().WriteInt("Printer", "Orientation", 2);
  int shown = 0;
  host_.QueueDialog([&](DialogModel& model) {
    auto& dialog = dynamic_cast<PrintSetupDialog&>(model);
    shown = dialog.orientation;
    dialog.orientation = PrintSetupDialog::kPortrait;
    return true;
  });
  ASSERT_TRUE(router_.Execute(cmd::kFilePrintSetup));
  EXPECT_EQ(shown, 2);
  EXPECT_EQ(Settings().GetInt("Printer", "Orientation", 0), 1);

  host_.QueueDialog([](DialogModel& model) {
    dynamic_cast<PrintSetupDialog&>(model).orientation = PrintSetupDialog::kLandscape;
    return false;  // cancelled: the printer keeps its portrait setting
  });
  ASSERT_TRUE(router_.Execute(cmd::kFilePrintSetup));
  EXPECT_EQ(Settings().GetInt("Printer", "Orientation", 0), 1);
}

TEST_F(ApplicationCommandsTest, CopyrightShowsTheProductStatementAndFeedbackMails) {
  std::array<std::string, 3> lines;
  host_.QueueDialog([&](DialogModel& model) {
    lines = dynamic_cast<CopyrightBox&>(model).lines;
    return false;
  });
  ASSERT_TRUE(router_.Execute(cmd::kCopyright));
  EXPECT_EQ(lines[0], kProductLine);
  EXPECT_EQ(lines[2], kCopyrightLine);

  RefusingHost refusing;
  StartFeedbackMail(refusing);
  EXPECT_EQ(Shelled(refusing), std::vector<std::string>{kFeedbackAddress});
  EXPECT_TRUE(refusing.Messages().empty());
}

}  // namespace
}  // namespace ionvue
