#include "viewer/services/shell_actions.h"

#include <unistd.h>

#include "platform/settings.h"
#include "viewer/services/application_state.h"
#include "viewer/services/application_windows.h"
#include "viewer/services/process_launcher.h"
#include "viewer/services/web_addresses.h"

namespace ionvue {

int OpenInBrowser(Host& host, std::string_view address) {
  // The text goes to the shell whole: no fixed buffer to overrun.
  if (!address.empty() && host.OpenInShell(address)) return 1;
  host.Message(kBrowserFailed);
  return 0;
}

bool OpenWebPageOf(Host& host, int command) {
  const char* key = WebAddressKeyFor(command);
  if (!key) return false;
  const WebAddress* address = FindWebAddress(key);
  std::string page = Settings().GetString("WWW", key, address ? address->defaultValue : "");
  OpenInBrowser(host, page);
  return true;
}

void StartFeedbackMail(Host& host) { host.OpenInShell(kFeedbackAddress); }

void RunHelp(Host& host, const ApplicationState& state) {
  if (host.OpenInShell(state.m_strLocalHelpBase + kHelpPage)) return;
  host.Beep(BeepKind::Question);
  host.Message(kHelpFailed, MessageIcon::Stop);
}

std::string UpdaterArgument(std::string_view releaseUrl, int installedVersion) {
  std::string argument(releaseUrl);
  argument.push_back(static_cast<char>(0x96));
  argument += Format("%i", installedVersion);
  return argument;
}

std::string UpdaterCommandLine(std::string_view folder, std::string_view releaseUrl,
                               int installedVersion) {
  return std::string(folder) + "\\fetchwl.exe " + UpdaterArgument(releaseUrl, installedVersion);
}

void StartUpgrade(Host& host, ApplicationState& state, ProcessLauncher& launcher,
                  ApplicationWindows& windows) {
  SettingsStore& s = Settings();
  state.m_strRootDirectory =
      s.GetString("Defaults", "IVRootDirectory", state.m_environment.installFolder);
  const WebAddress* upgrade = FindWebAddress("UpgradeURL");
  std::string url = s.GetString("WWW", "UpgradeURL", upgrade->defaultValue);
  s.WriteString("WWW", "UpgradeURL", url);

  std::string program = state.m_environment.executableFolder + "/" + kUpdaterProgram;
  bool started = !state.m_environment.executableFolder.empty() &&
                 ::access(program.c_str(), X_OK) == 0 &&
                 launcher.Start(program, {UpdaterArgument(url, state.m_nInstalledVersion)});
  if (!started) host.Message(kUpdaterFailed);
  // The setup the updater starts replaces the viewer's files.
  windows.CloseMainWindow();
}

void RunPrintSetup(Host& host, ApplicationState& state) {
  SettingsStore& s = Settings();
  PrintSetupDialog dialog(s.GetInt("Printer", "Orientation", PrintSetupDialog::kPortrait));
  const int before = dialog.orientation;
  bool accepted = host.RunDialog(dialog);
  int orientation = accepted ? dialog.orientation : before;
  if (orientation != PrintSetupDialog::kLandscape) orientation = PrintSetupDialog::kPortrait;
  state.m_nPrinterOrientation = orientation;
  s.WriteInt("Printer", "Orientation", orientation);
}

void ShowCopyright(Host& host, const ApplicationState& state) {
  CopyrightBox box(state.m_strProductStatement);
  host.RunDialog(box);
}

}  // namespace ionvue
