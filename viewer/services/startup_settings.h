#pragma once
// The settings the viewer reads and writes as it starts, in their order.

#include <string>
#include <string_view>

namespace ionvue {

class ApplicationState;
struct StartupEnvironment;

// The rights notice of the copyright box: product and edition, the
// systems it runs on, the copyright line.
inline constexpr const char* kProductLine = "Ionvue 2001.02.13, desktop edition";
inline constexpr const char* kSystemsLine = "For Linux desktops (X11 and Wayland)";
inline constexpr const char* kCopyrightLine = "Copyright (c) 2001 Kestrova. All rights reserved.";

// Everything before the main window exists: the version stamp, folders,
// switches, web addresses, the updater's leftovers, the content type.
void ReadStartupSettings(ApplicationState& state, const StartupEnvironment& environment);
// What follows once the main window stands.
void ReadSettingsAfterMainWindow(ApplicationState& state);

// The "file:///" form of the installation folder, cut before "/program".
std::string LocalHelpBase(std::string_view installFolder);

// The files an earlier run of the updater left in the temporary folder.
inline constexpr const char* kUpdaterLeftovers[] = {"setup.exe", "iv_9b.exe", "win_iv.exe"};
// Deletes them where present; failures are ignored. Returns how many went.
int DeleteUpdaterLeftovers(const std::string& tempFolder);

// Writes the ".roziro" content type into the folder when it is not there;
// silently does nothing on failure. True when a file was written.
bool RegisterRoziroContentType(const std::string& mimePackagesFolder);
inline constexpr const char* kRoziroMimeFile = "ionvue-roziro.xml";

// The acquisition program's temporary file, as the documents name it.
std::string QuickLoadFile();

}  // namespace ionvue
