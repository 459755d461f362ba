#include "viewer/services/application_commands.h"

#include "platform/settings.h"
#include "viewer/core/command_ids.h"
#include "viewer/services/application_state.h"
#include "viewer/services/application_windows.h"
#include "viewer/services/command_table.h"
#include "viewer/services/recent_files.h"
#include "viewer/services/shell_actions.h"

namespace ionvue {

namespace {
bool IsRecentFile(int id) {
  return id >= cmd::kRecentFile1 && id < cmd::kRecentFile1 + cmd::kRecentFileCount;
}
}  // namespace

ApplicationCommands::ApplicationCommands(ApplicationState& state, Host& host,
                                         ApplicationWindows& windows, ProcessLauncher& launcher)
    : ApplicationCommands(state, host, windows, launcher, state.m_recentFiles) {}

ApplicationCommands::ApplicationCommands(ApplicationState& state, Host& host,
                                         ApplicationWindows& windows, ProcessLauncher& launcher,
                                         RecentFileList& recentFiles)
    : m_state(state),
      m_host(host),
      m_windows(windows),
      m_launcher(launcher),
      m_recent(recentFiles) {}

bool ApplicationCommands::UpdateCommand(int id, CommandState& state) {
  state = TableState(id);
  if (IsRecentFile(id)) {
    int index = id - cmd::kRecentFile1;
    state.enabled = index < m_recent.Count();
    // Without an entry the item keeps the table's text, disabled; the menus
    // show only the first such item.
    if (state.enabled) state.text = m_recent.MenuText(index);
    return true;
  }
  switch (id) {
    case cmd::kFileOpen:
    case cmd::kFilePrintSetup:
    case cmd::kAppExit:
    case cmd::kCopyright:
    case cmd::kFeedback:
    case cmd::kTutorial:
    case cmd::kHowCompression:
    case cmd::kHowSmoothing:
      state.enabled = true;
      return true;
    case cmd::kLoadSnapticData:
      state.enabled = m_state.m_bQuickLoadAvailable;
      return true;
    case cmd::kMsProtocols:
    case cmd::kAminoAcidInfo:
    case cmd::kVexlarIndex:
    case cmd::kIonvueHomepage:
    case cmd::kUpgradeWizard:
    case cmd::kLicense:
      state.enabled = m_state.NetworkCommands();
      return true;
    case cmd::kTallyx:
      state.enabled = false;
      return true;
    case cmd::kAllDialogBoxes:
      state.enabled = true;
      state.checked = m_state.ShowAllDialogs();
      return true;
    case cmd::kShowInformation:
      state.enabled = true;
      state.checked = m_state.ShowInformation();
      return true;
    case cmd::kHashValue:
      state.enabled = true;
      state.checked = m_state.HashValue();
      return true;
    case cmd::kLockViews:
      state.enabled = m_state.DocumentCount() >= 2;
      state.checked = m_state.ViewsLocked();
      return true;
    case cmd::kCloseAll:
      state.enabled = m_state.DocumentCount() >= 1;
      return true;
    default:
      return false;
  }
}

bool ApplicationCommands::ExecuteCommand(int id) {
  if (IsRecentFile(id)) {
    int index = id - cmd::kRecentFile1;
    if (index >= m_recent.Count()) return false;
    std::string path = m_recent.At(index);
    m_windows.OpenDocument(path);
    return true;
  }
  if (OpenWebPageOf(m_host, id)) return true;
  switch (id) {
    case cmd::kFileOpen:
      m_windows.FileOpen();
      return true;
    case cmd::kLoadSnapticData:
      LoadSnapticData();
      return true;
    case cmd::kFilePrintSetup:
      RunPrintSetup(m_host, m_state);
      return true;
    case cmd::kAppExit:
      m_windows.CloseMainWindow();
      return true;
    case cmd::kCopyright:
      ShowCopyright(m_host, m_state);
      return true;
    case cmd::kFeedback:
      StartFeedbackMail(m_host);
      return true;
    case cmd::kUpgradeWizard:
      StartUpgrade(m_host, m_state, m_launcher, m_windows);
      return true;
    case cmd::kAllDialogBoxes:
      m_state.ToggleShowAllDialogs();
      return true;
    case cmd::kShowInformation:
      m_state.ToggleShowInformation();
      return true;
    case cmd::kHashValue:
      m_state.ToggleHashValue();
      return true;
    case cmd::kLockViews:
      m_state.ToggleLockViews(m_state.CurrentDocument());
      return true;
    case cmd::kCloseAll:
      m_windows.CloseAllDocuments();
      return true;
    default:
      return false;
  }
}

void ApplicationCommands::LoadSnapticData() {
  m_windows.OpenDocument(Format("#%i.acq", m_state.m_nQuickLoadCounter++));
}

}  // namespace ionvue
