#include "viewer/services/startup_settings.h"

#include <cstdlib>
#include <filesystem>

#include "platform/atomic_file.h"
#include "platform/settings.h"
#include "viewer/services/application_state.h"
#include "viewer/services/home_folder.h"
#include "viewer/services/startup_environment.h"
#include "viewer/services/web_addresses.h"

namespace ionvue {

namespace fs = std::filesystem;

namespace {

constexpr const char* kDefaults = "Defaults";
constexpr const char* kWww = "WWW";

void HandleWebAddress(SettingsStore& s, const WebAddress& address, const std::string& helpBase) {
  switch (address.atStartup) {
    case WebAddress::AtStartup::ReadAndWriteBack:
      s.WriteString(kWww, address.key, s.GetString(kWww, address.key, address.defaultValue));
      break;
    case WebAddress::AtStartup::FromLocalHelp:
      s.WriteString(kWww, address.key, helpBase + address.localPage);
      break;
    case WebAddress::AtStartup::ResetToDefault:
      s.WriteString(kWww, address.key, address.defaultValue);
      break;
    case WebAddress::AtStartup::Untouched:
      break;
  }
}

bool FileExists(const std::string& path) {
  std::error_code ec;
  return !path.empty() && fs::is_regular_file(path, ec);
}

}  // namespace

StartupEnvironment DefaultStartupEnvironment(const std::string& executablePath) {
  StartupEnvironment env;
  env.homeFolder = HomeFolder();
  std::error_code ec;
  fs::path exe = fs::weakly_canonical(fs::path(executablePath), ec);
  if (ec) exe = fs::path(executablePath);
  env.executableFolder = exe.parent_path().string();
  fs::path installed = exe.parent_path().parent_path() / "share" / "ionvue" / "program";
  env.installFolder = fs::is_directory(installed, ec) ? installed.string() : env.executableFolder;
  fs::path temp = fs::temp_directory_path(ec);
  env.tempFolder = ec ? std::string("/tmp") : temp.string();
  const char* dataHome = std::getenv("XDG_DATA_HOME");
  fs::path data =
      dataHome && *dataHome ? fs::path(dataHome) : fs::path(env.homeFolder) / ".local/share";
  env.mimePackagesFolder = (data / "mime" / "packages").string();
  return env;
}

std::string LocalHelpBase(std::string_view installFolder) {
  std::string folder(installFolder);
  for (char& c : folder) {
    if (c == ':') c = '|';
    if (c == '\\') c = '/';
  }
  size_t cut = folder.find("/program");
  folder = cut == std::string::npos ? std::string() : folder.substr(0, cut);
  // A folder of this system starts at its root: "file://" and the folder
  // make the three slashes.
  if (!folder.empty() && folder.front() == '/') return "file://" + folder;
  return "file:///" + folder;
}

int DeleteUpdaterLeftovers(const std::string& tempFolder) {
  if (tempFolder.empty()) return 0;
  int removed = 0;
  for (const char* name : kUpdaterLeftovers) {
    std::error_code ec;
    fs::path file = fs::path(tempFolder) / name;
    if (fs::is_regular_file(fs::symlink_status(file, ec)) && fs::remove(file, ec)) ++removed;
  }
  return removed;
}

bool RegisterRoziroContentType(const std::string& mimePackagesFolder) {
  if (mimePackagesFolder.empty()) return false;
  std::error_code ec;
  fs::path file = fs::path(mimePackagesFolder) / kRoziroMimeFile;
  if (fs::exists(file, ec)) return false;
  fs::create_directories(mimePackagesFolder, ec);
  if (ec) return false;
  AtomicFile out(file.string());
  if (!out.Open()) return false;
  out.Write(
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
      "  <mime-type type=\"application/roziro\">\n"
      "    <comment>Ionvue Document</comment>\n"
      "    <glob pattern=\"*.roziro\"/>\n"
      "  </mime-type>\n"
      "</mime-info>\n");
  return out.Commit();
}

std::string QuickLoadFile() {
  return Settings().GetString(kDefaults, "QuickLoadFile", HomeFolder() + "/snaptic/acqtemp.dat");
}

void ReadStartupSettings(ApplicationState& state, const StartupEnvironment& environment) {
  SettingsStore& s = Settings();
  state.m_environment = environment;
  WriteStartupSettings(s);
  state.m_nInstalledVersion = VersionNumber();

  state.m_strInputPath = s.GetString(kDefaults, "InputPath", environment.homeFolder);
  state.m_strOutputPath = s.GetString(kDefaults, "OutputPath", environment.homeFolder);
  state.SetShowInformation(s.GetInt("Graph", "ShowLabel", 1) != 0);

  state.m_strRootDirectory = s.GetString(kDefaults, "IVRootDirectory", environment.installFolder);
  s.WriteString(kDefaults, "IVRootDirectory", state.m_strRootDirectory);

  state.m_strLocalHelpBase = LocalHelpBase(state.m_strRootDirectory);

  s.WriteInt("Kadenza", "Iterations", s.GetInt("Kadenza", "Iterations", 5));

  state.m_strProductStatement = {kProductLine, kSystemsLine, kCopyrightLine};

  s.WriteString(kWww, kMappingServiceKey,
                s.GetString(kWww, kMappingServiceKey, kMappingServiceDefault));
  for (const WebAddress& address : WebAddresses())
    HandleWebAddress(s, address, state.m_strLocalHelpBase);

  DeleteUpdaterLeftovers(environment.tempFolder);
  RegisterRoziroContentType(environment.mimePackagesFolder);

  state.m_recentFiles.Load();
  state.SetHashValue(s.GetInt("Graph", "ShowHash", 0) != 0);
  state.m_bQuickLoadAvailable = FileExists(QuickLoadFile());
}

void ReadSettingsAfterMainWindow(ApplicationState& state) {
  SettingsStore& s = Settings();
  // The show-all-dialogs switch is read where it is used (it lives in the store).
  state.SetNetworkCommands(true);
  state.ResetSharedRange();
  state.m_nPrinterOrientation = s.GetInt("Printer", "Orientation", 1);
}

}  // namespace ionvue
