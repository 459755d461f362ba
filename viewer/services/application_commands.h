#pragma once
// The application's command target: the File commands that need no
// spectrum, the switches, the web pages, the updater, Close all.

#include "platform/command.h"
#include "platform/host.h"

namespace ionvue {

class ApplicationState;
class ApplicationWindows;
class ProcessLauncher;
class RecentFileList;

class ApplicationCommands : public CommandTarget {
 public:
  // The recent files are the state's own unless a list is given.
  ApplicationCommands(ApplicationState& state, Host& host, ApplicationWindows& windows,
                      ProcessLauncher& launcher);
  ApplicationCommands(ApplicationState& state, Host& host, ApplicationWindows& windows,
                      ProcessLauncher& launcher, RecentFileList& recentFiles);

  bool UpdateCommand(int id, CommandState& state) override;
  bool ExecuteCommand(int id) override;

  // Load Snaptic'd data: a document named "#<n>.acq", n counting from 0.
  void LoadSnapticData();

 private:
  ApplicationState& m_state;
  Host& m_host;
  ApplicationWindows& m_windows;
  ProcessLauncher& m_launcher;
  RecentFileList& m_recent;
};

}  // namespace ionvue
