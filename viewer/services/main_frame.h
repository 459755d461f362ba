#pragma once
// The main window's own logic: its command target, the splash timing, the
// toolbar-layout file, and what closing the frame tidies up.

#include <string>
#include <string_view>

#include "platform/command.h"

namespace ionvue {

class ApplicationState;
class ApplicationWindows;
struct WindowPlacement;

// The splash window stays this long unless a key or mouse button ends it.
inline constexpr int kSplashMilliseconds = 750;
inline constexpr int kSplashBitmap = 206;

class FrameCommands : public CommandTarget {
 public:
  FrameCommands(ApplicationState& state, ApplicationWindows& windows);
  bool UpdateCommand(int id, CommandState& state) override;
  bool ExecuteCommand(int id) override;

 private:
  ApplicationState& m_state;
  ApplicationWindows& m_windows;
};

// The file the toolbar layout is kept in: General/ToolBarStateFile, by
// default "ivuebar.ini" beside the settings store.
std::string ToolBarStateFile();
// The layout as the window system hands it over; at most this many bytes.
inline constexpr size_t kMaxToolBarState = 1 << 20;
std::string LoadToolBarState();
bool SaveToolBarState(std::string_view state);

// Deletes the submission pages ("query*.html") in the folder; returns how
// many went.
int DeleteSubmissionPages(const std::string& folder);

// Closing the frame: its rectangle (unless minimised or maximised), then the
// submission pages in the installation folder.
void CloseMainFrame(ApplicationState& state, const WindowPlacement& current, bool minimized,
                    bool maximized);

}  // namespace ionvue
