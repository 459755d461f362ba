#include "viewer/services/main_frame.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

#include "platform/atomic_file.h"
#include "platform/settings.h"
#include "viewer/core/command_ids.h"
#include "viewer/services/application_state.h"
#include "viewer/services/application_windows.h"
#include "viewer/services/command_table.h"
#include "viewer/services/window_placement.h"

namespace ionvue {

namespace fs = std::filesystem;

FrameCommands::FrameCommands(ApplicationState& state, ApplicationWindows& windows)
    : m_state(state), m_windows(windows) {}

bool FrameCommands::UpdateCommand(int id, CommandState& state) {
  if (id != cmd::kNextSpectrum) return false;
  state = TableState(id);
  state.enabled = m_state.DocumentCount() > 1;
  return true;
}

bool FrameCommands::ExecuteCommand(int id) {
  if (id != cmd::kNextSpectrum) return false;
  m_windows.ActivateNextDocument();
  return true;
}

std::string ToolBarStateFile() {
  std::string folder = fs::path(SettingsFilePath()).parent_path().string();
  std::string fallback = (fs::path(folder.empty() ? "." : folder) / "ivuebar.ini").string();
  return Settings().GetString("General", "ToolBarStateFile", fallback);
}

std::string LoadToolBarState() {
  std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(ToolBarStateFile().c_str(), "rb"),
                                             &std::fclose);
  if (!file) return "";
  std::string bytes;
  char buffer[4096];
  size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
    if (bytes.size() + got > kMaxToolBarState) return "";  // not a layout of ours
    bytes.append(buffer, got);
  }
  return bytes;
}

bool SaveToolBarState(std::string_view state) {
  AtomicFile out(ToolBarStateFile());
  return out.Open() && out.Write(state) && out.Commit();
}

int DeleteSubmissionPages(const std::string& folder) {
  std::error_code ec;
  if (folder.empty() || !fs::is_directory(folder, ec)) return 0;
  std::vector<fs::path> pages;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, ec)) {
    std::string name = entry.path().filename().string();
    std::error_code one;
    if (name.size() >= 10 && name.compare(0, 5, "query") == 0 &&
        name.compare(name.size() - 5, 5, ".html") == 0 && entry.is_regular_file(one))
      pages.push_back(entry.path());
  }
  int removed = 0;
  for (const fs::path& page : pages) {
    std::error_code one;
    if (fs::remove(page, one)) ++removed;
  }
  return removed;
}

void CloseMainFrame(ApplicationState& state, const WindowPlacement& current, bool minimized,
                    bool maximized) {
  current.Save(minimized, maximized);
  std::string root =
      Settings().GetString("Defaults", "IVRootDirectory", state.m_environment.homeFolder);
  DeleteSubmissionPages(root);
}

}  // namespace ionvue
