#pragma once
// What the application hands to the desktop: web pages, the mail client,
// the help pages, the printer settings, and the updater.

#include <array>
#include <string>
#include <string_view>

#include "platform/host.h"

namespace ionvue {

class ApplicationState;
class ApplicationWindows;
class ProcessLauncher;

inline constexpr const char* kBrowserFailed = "The Internet browser would not open";
inline constexpr const char* kUpdaterFailed = "The network installer would not open";
inline constexpr const char* kHelpFailed =
    "Can't read the help file IONVUE.HLP.\nCheck to see that it is in the C:\\IONVUE "
    "directory.\nIf it is, check to see the WINHELP.EXE is in the\nC:\\WINDOWS directory.";
// The help pages below the local help base.
inline constexpr const char* kHelpPage = "/html/index.htm";

// Hands a web address, "file:///" address or local path to the desktop's
// browser; 1 on success, else the failure message and 0.
int OpenInBrowser(Host& host, std::string_view address);

// Opens the page of a web-page command from its WWW key; false for a
// command that opens no page.
bool OpenWebPageOf(Host& host, int command);

// Starts a mail message to the feedback mailbox; the result is not checked.
void StartFeedbackMail(Host& host);

// The local help in the browser; the beep and stop message when it fails.
void RunHelp(Host& host, const ApplicationState& state);

// The updater's name beside the viewer.
inline constexpr const char* kUpdaterProgram = "fetchwl";
// The argument the updater parses: the release address, the byte 0x96 and
// the installed version number; nothing follows.
std::string UpdaterArgument(std::string_view releaseUrl, int installedVersion);
// The whole command line in the form the updater documents: the folder,
// "\fetchwl.exe ", then the argument.
std::string UpdaterCommandLine(std::string_view folder, std::string_view releaseUrl,
                               int installedVersion);
// Upgrade wizard: starts the updater beside the executable (the failure
// message when that cannot be done), then closes the main window either way.
void StartUpgrade(Host& host, ApplicationState& state, ProcessLauncher& launcher,
                  ApplicationWindows& windows);

// The printer settings the print-setup dialog edits.
class PrintSetupDialog : public DialogModel {
 public:
  static constexpr int kPortrait = 1;
  static constexpr int kLandscape = 2;
  explicit PrintSetupDialog(int orientation) : orientation(orientation) {}
  std::string Title() const override { return "Print Setup"; }
  int orientation;
};
// Print setup: the dialog starts from Printer/Orientation, which receives
// the orientation it ends with.
void RunPrintSetup(Host& host, ApplicationState& state);

// The copyright box: the product statement, no buttons; it closes with the
// caption's close box or Escape.
class CopyrightBox : public DialogModel {
 public:
  explicit CopyrightBox(std::array<std::string, 3> lines) : lines(std::move(lines)) {}
  std::string Title() const override { return "About Ionvue"; }
  std::array<std::string, 3> lines;
};
void ShowCopyright(Host& host, const ApplicationState& state);

}  // namespace ionvue
