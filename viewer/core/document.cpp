#include "viewer/core/document.h"

#include <sys/stat.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "platform/atomic_file.h"
#include "platform/file_dialog.h"
#include "platform/host.h"
#include "platform/settings.h"
#include "viewer/core/document_dialogs.h"
#include "viewer/core/load_parameters_dialog.h"
#include "viewer/core/spectrum_file.h"

namespace ionvue {

namespace {

constexpr const char* kDefaults = "Defaults";

std::string HomeFolder() {
  const char* home = std::getenv("HOME");
  return home && *home ? home : "/";
}

bool FileExists(const std::string& path) {
  struct stat info {};
  return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool Contains(const std::string& text, const char* part) {
  return text.find(part) != std::string::npos;
}

std::string LocalTime(const char* format) {
  char text[64];
  time_t now = std::time(nullptr);
  struct tm parts {};
  localtime_r(&now, &parts);
  std::strftime(text, sizeof text, format, &parts);
  return text;
}

const char* StatusFor(char letter) {
  switch (letter) {
    case '0':
      return "Mass+intensity file loading";
    case '1':
      return "MSDCS file loading...";
    case '2':
      return "Binary file loading...";
    case '3':
      return "1 column ASCII file loading...";
    case '4':
      return "2 column ASCII file loading...";
    case '5':
      return "TOFWARE file loading...";
    case '6':
      return "PerSeptive file loading...";
    case '7':
      return "Correlation file loading...";
    case '8':
      return "Sciex file loading";
    case '9':
      return "Brucker file loading...";
    case 'A':
      return "Analytica file loading ...";
    case 'B':
      return "ROZIRO file loading...";
    case 'F':
      return "Finnigan file loading";
    case 'L':
      return "Linear file loading ...";
    case 'P':
    case 'p':
      return "PerSeptive file loading...";
    case 'Q':
    case 'q':
    case 'W':
      return "Sciex file loading";
    case 'T':
      return "Tofspec file loading...";
    case 'm':
      return "QTof file loading...";
    case 'f':
      return "DTA file loading";
    default:
      return "";
  }
}

}  // namespace

CIonvueDoc::CIonvueDoc(Host& host, const DocumentServices& services)
    : m_host(host), m_services(services) {
  SettingsStore& s = Settings();
  m_strInputDir = s.GetString(kDefaults, "InputPath", HomeFolder());
  m_strOutputDir = s.GetString(kDefaults, "OutputPath", HomeFolder());
  m_Spectrum.m_bTOF = s.GetInt(kDefaults, "TOFMode", 1);
  m_Spectrum.m_dA[0] = s.GetReal(kDefaults, "a0", "1.0");
  m_Spectrum.m_dA[1] = s.GetReal(kDefaults, "a1", "4.0");
  m_Spectrum.m_dA[2] = s.GetReal(kDefaults, "a2", "4.0");
  m_Spectrum.m_dA[3] = s.GetReal(kDefaults, "a3", "0.0");
  m_strQuickLoadPath =
      s.GetString(kDefaults, "QuickLoadFile", HomeFolder() + "/snaptic/acqtemp.dat");
  if (!FileExists(m_strQuickLoadPath)) m_strQuickLoadPath.clear();
  m_nWordSize = s.GetInt(kDefaults, "WordSize", 2);
  m_nPointsPlottedOnScreen = s.GetInt("General", "PointsPlottedOnScreen", 2000);
  if (m_nPointsPlottedOnScreen < 1 || m_nPointsPlottedOnScreen > 1000000)
    m_nPointsPlottedOnScreen = 2000;
  m_dLastCalMass[0] = s.GetReal("Calibration", "Calibration.m1", "0.0");
  m_dLastCalMass[1] = s.GetReal("Calibration", "Calibration.m2", "0.0");
  m_dSpareA[0] = s.GetReal("Calibration", "Calibration.am[0]", "0.0");
  m_dSpareA[1] = s.GetReal("Calibration", "Calibration.am[1]", "0.0");
  s.WriteInt(kDefaults, "SnapticFileHeader", s.GetInt(kDefaults, "SnapticFileHeader", 0));
  m_dFilterMass = s.GetReal("MassFilter", "FilterMass", "0.0");
  m_nCorrelationHigh = s.GetInt("Correlation", "HighMass", 1000);
  m_nCorrelationLow = s.GetInt("Correlation", "LowMass", 50);
  m_dCorrelationScale = s.GetInt("Correlation", "Scale", 10);
  m_dCorrelationDelta = s.GetReal("Correlation", "Delta", "1.0");
  m_bAutoScaling = s.GetInt("Correlation", "AutoScaling", 1);
  m_dScreenMz.assign(m_nPointsPlottedOnScreen, 0.0);
  m_nScreenIntensity.assign(m_nPointsPlottedOnScreen, 0);
}

CIonvueDoc::~CIonvueDoc() {
  SettingsStore& s = Settings();
  s.WriteInt(kDefaults, "WordSize", m_nWordSize);
  s.WriteInt("General", "PointsPlottedOnScreen", m_nPointsPlottedOnScreen);
  s.WriteString(kDefaults, "QuickLoadFile", m_strQuickLoadPath);
  s.WriteInt(kDefaults, "IsMassIntensityTable", m_bMassTable);
  s.WriteInt("Correlation", "HighMass", m_nCorrelationHigh);
  s.WriteInt("Correlation", "LowMass", m_nCorrelationLow);
  s.WriteInt("Correlation", "Scale", static_cast<int>(m_dCorrelationScale));
  s.WriteInt("Correlation", "AutoScaling", m_bAutoScaling);
  s.WriteReal("MassFilter", "FilterMass", m_dFilterMass, "%.4lf");
  s.WriteReal(kDefaults, "TimeBase", m_Spectrum.m_dTimeBase, "%.8lf");
  s.WriteReal("Correlation", "Delta", m_dCorrelationDelta, "%.4lf");
  DropDigests();
}

bool CIonvueDoc::OnNewDocument() {
  m_nPageWidth = kPageWidth;
  m_nPageHeight = kPageHeight;
  m_strTitle = kApplicationName;
  return true;
}

void CIonvueDoc::SetStatus(int pane, const std::string& text) { m_host.SetStatus(pane, text); }

bool CIonvueDoc::CalibrationRange(double& low, double& high) const {
  if (!m_bLoaded) return false;
  auto range = m_Spectrum.FullRange();
  low = range.first;
  high = range.second;
  return true;
}

void CIonvueDoc::RedrawAll() {
  if (onRedraw) onRedraw();
}

void CIonvueDoc::DropDigests() {
  for (auto& digest : m_pDigests) digest.reset();
}

void CIonvueDoc::ResetFromSettings() {
  SettingsStore& s = Settings();
  CSpectrum& sp = m_Spectrum;
  sp.m_dTimeBase = s.GetReal(kDefaults, "TimeBase", "0.007");
  sp.m_nShots = static_cast<int>(s.GetReal(kDefaults, "NumberOfShots", "100"));
  sp.m_dA[0] = s.GetReal(kDefaults, "a0", "1.0");
  sp.m_dA[1] = s.GetReal(kDefaults, "a1", "4.0");
  sp.m_dA[2] = s.GetReal(kDefaults, "a2", "4.0");
  sp.m_dA[3] = s.GetReal(kDefaults, "a3", "0.0");
  sp.m_nHeaderBytes = s.GetInt(kDefaults, "BinaryFileHeader", 0);
  sp.m_bLossless = 1;
  sp.m_nCharge = s.GetInt(kDefaults, "Charge", 1);
  sp.m_nOffset = 0;
}

void CIonvueDoc::SetIdentity() {
  SettingsStore& s = Settings();
  CPropertyTable& p = m_Spectrum.m_pProperties;
  p.Set("SPECTRUM_USERNAME", s.GetString("DataEntry", "SpectrumUserName", ""));
  p.Set("SPECTRUM_USERADDRESS", s.GetString("DataEntry", "SpectrumUserAddress", ""));
  p.Set("SPECTRUM_USEREMAIL", s.GetString("DataEntry", "SpectrumUserEMail", ""));
}

void CIonvueDoc::LinearFromRange(double m1, double m2) {
  CSpectrum& sp = m_Spectrum;
  sp.m_dA[2] = sp.m_dA[3] = 0;
  sp.m_bTOF = 0;
  sp.m_dA[1] = (m2 - m1) / sp.m_dTimeBase;
  sp.m_dA[0] = m1;
}

void CIonvueDoc::Fit(int n) {
  if (m_services.fitCalibration) m_services.fitCalibration(m_Spectrum, n);
}

void CIonvueDoc::FitTwoOrThree() {
  CSpectrum& sp = m_Spectrum;
  if (sp.m_dCalMass[2] >= 1.0) {
    sp.m_dA[3] = 0;
    sp.m_bDeTOF = 1;
    Fit(3);
  } else {
    sp.m_bDeTOF = 0;
    Fit(2);
  }
}

void CIonvueDoc::ApplyVoyagerRule() {
  if (m_Spectrum.m_pProperties.Value("SPECTRUM_MS_MODEL") == "Voyager")
    m_Spectrum.m_dA[2] = m_Spectrum.m_dA[3] = 0;
}

int CIonvueDoc::OnOpenDocument(const std::string& path) {
  if (Contains(path, ".acq")) {
    QuickLoad();
    return 1;
  }
  CSpectrum& sp = m_Spectrum;
  sp.m_pcName = path;
  if (Contains(path, ".COR") || Contains(path, ".cor")) m_bNeutralMass = true;

  CSpectrumFile file(m_host, path, sp);
  sp.m_strProperties.clear();
  sp.m_pProperties.RemoveAll();
  sp.m_pLabels.clear();
  ResetFromSettings();
  m_cType = file.letter();
  DropDigests();
  if (m_cType == 0) return 0;

  int points = LoadParametersDialog::kAllPoints;
  if (!std::strchr("16789FfABLTpPQqWtm", m_cType)) {
    const bool show =
        !m_bSkipOptionalDialogs && Settings().GetInt(kDefaults, "ShowAllDialogs", 1) != 0;
    if (show) {
      LoadParametersDialog dialog(m_cType, sp.m_dTimeBase, sp.m_nShots, sp.m_nHeaderBytes,
                                  m_nWordSize, m_bMassTable);
      while (true) {
        if (!m_host.RunDialog(dialog)) return 0;
        std::string bad = dialog.Validate();
        if (bad.empty()) break;
        m_host.Message("Please enter a valid value for \"" + bad + "\".");
      }
      sp.m_dTimeBase = dialog.timeBase;
      sp.m_nShots = dialog.shots;
      sp.m_nHeaderBytes = dialog.headerBytes;
      m_bMassTable = dialog.massTable;
      Settings().WriteInt(kDefaults, "BinaryFileHeader", sp.m_nHeaderBytes);
      auto outcome = dialog.Accept(m_cType, m_nWordSize);
      points = outcome.points;
      m_cType = outcome.letter;
      m_nWordSize = outcome.wordSize;
      Settings().WriteInt(kDefaults, "ShowAllDialogs", dialog.doNotShow ? 0 : 1);
    }
  }

  if (!Import(path, points)) return 0;
  return 1;
}

bool CIonvueDoc::Import(const std::string& path, int points) {
  CSpectrum& sp = m_Spectrum;
  bool ok = false;
  {
    WaitCursor wait(m_host);
    if (m_bMassTable && !std::strchr("18Fft", m_cType)) m_cType = '0';
    SetStatus(0, StatusFor(m_cType));

    auto run = [&](char letter, int count) -> ImportResult {
      const ImporterFunction* importer = m_services.importers.Find(letter);
      if (!importer) {
        m_host.Message("This file format is not supported yet.", MessageIcon::Stop);
        return {};
      }
      ImportRequest request{m_host, path, sp, letter, count, m_nWordSize};
      return (*importer)(request);
    };

    ImportResult result;
    switch (m_cType) {
      case '0':
      case '8':
      case 'F':
        result = run(m_cType, m_cType == '0' ? points : 2000000);
        ok = result.code == 1;
        if (ok) LinearFromRange(result.firstMass, result.secondMass);
        break;
      case '1':
      case '2':
      case '3':
      case '4':
      case '5':
        ok = run(m_cType, points).code == 1;
        break;
      case '6':
      case 'P':
      case 'p':
        sp.m_bTOF = 1;
        m_bMassTable = false;
        ok = run(m_cType, points).code == 1;
        if (ok) {
          SetIdentity();
          Fit(4);
          if (m_cType == '6') ApplyVoyagerRule();
        }
        break;
      case '7':
        m_bMassTable = true;
        result = run('7', 2000000);
        ok = result.code == 1;
        if (ok) LinearFromRange(result.firstMass, result.secondMass);
        break;
      case '9':
        sp.m_bTOF = 1;
        m_bMassTable = false;
        ok = run('9', points).code == 1;
        break;
      case 'A':
        m_bMassTable = false;
        ok = run('A', points).code == 1;
        sp.m_bTOF = 1;
        break;
      case 'B': {
        result = run('B', points);
        switch (result.code) {
          case 0:
            m_bLoaded = false;
            return false;
          case 2:
            SetIdentity();
            sp.m_bTOF = 1;
            sp.m_bDeTOF = 1;
            m_bMassTable = false;
            Fit(4);
            ApplyVoyagerRule();
            break;
          case 3:
            m_bMassTable = true;
            break;
          case 5:
            sp.m_bTOF = 1;
            m_bMassTable = false;
            break;
          case 6:
            m_bMassTable = false;
            sp.m_bTOF = 1;
            FitTwoOrThree();
            break;
          default:
            break;
        }
        ok = true;
        break;
      }
      case 'L':
        m_bMassTable = false;
        ok = run('L', points).code == 1;
        sp.m_bTOF = 1;
        sp.m_bDeTOF = 1;
        break;
      case 'Q':
      case 'q':
      case 'W': {
        ok = run(m_cType, points).code > 0;
        CPropertyTable& p = sp.m_pProperties;
        p.Set("SPECTRUM_MS_IONSOURCE", "MALDI");
        p.Set("SPECTRUM_MS_MANUFACTURER", "Sciex");
        p.Set("SPECTRUM_MS_ANALYZER1", m_cType == 'W' ? "QQ-Tof" : "TOF (reflectron)");
        p.Set("SPECTRUM_MS_MODEL", m_cType == 'Q'   ? "Centaur (prototype)"
                                   : m_cType == 'q' ? "QStar"
                                                    : "Pulsar");
        sp.m_bTOF = 1;
        sp.m_bDeTOF = 0;
        break;
      }
      case 'T':
      case 'm':
        sp.m_bTOF = 1;
        m_bMassTable = false;
        ok = run(m_cType, points).code == 1;
        if (ok) FitTwoOrThree();
        break;
      case 'f':
        ok = run('f', points).code == 1;
        m_bMassTable = true;
        break;
      default:
        ok = run(m_cType, points).code == 1;
    }

    if (sp.m_bMassTable) m_bMassTable = true;
    sp.m_bDeTOF = sp.m_bTOF == 1 && std::fabs(sp.m_dA[2]) > 0;
    if (!sp.m_pProperties.Has("SPECTRUM_CHARGE"))
      sp.m_pProperties.Set("SPECTRUM_CHARGE", Format("%i", sp.m_nCharge));
    sp.SerialiseProperties();
  }
  Finish(ok);
  return true;
}

void CIonvueDoc::Finish(bool success) {
  CSpectrum& sp = m_Spectrum;
  if (success) {
    SetStatus(1, "");
    SetStatus(2, "");
    m_bLoaded = true;
    m_bQuickLoaded = false;
    RedrawAll();
  } else {
    m_host.Beep(BeepKind::Question);
    m_host.Message(kLoadError, MessageIcon::Stop);
    SetStatus(0, "File couldn't be loaded");
    m_bLoaded = false;
    // Whatever a failed reader left behind is not a spectrum.
    sp.Resize(0);
  }
  m_strInputDir = FolderOf(sp.m_pcName);
  Settings().WriteString(kDefaults, "InputPath", m_strInputDir);
  m_strTitle = sp.m_pcName;
  if (sp.m_nShots == 0) {
    m_host.Beep(BeepKind::Question);
    m_host.Message(
        "Number of shots equals zero: value not allowed\n"
        "Number of shots has been reset to the default value.",
        MessageIcon::Stop);
    sp.m_nShots = Settings().GetInt(kDefaults, "NumberOfShots", 100);
  }
  m_strPathName = sp.m_pcName;
  SetModifiedFlag(true);
  Settings().WriteInt(kDefaults, "IsMassIntensityTable", m_bMassTable);
  sp.ClampPositive();
  sp.SaveRevertCopy();
  SetStatus(0, "Calculating file authentication value  ...");
  if (Settings().GetInt("Graph", "ShowHash", 0) && m_services.hashFile)
    m_services.hashFile(m_host, sp.m_pcName, sp.m_nHash);
}

int CIonvueDoc::QuickLoad() {
  SettingsStore& s = Settings();
  CSpectrum& sp = m_Spectrum;
  sp.m_pcName = m_strQuickLoadPath;
  CSpectrumFile file(m_host, sp.m_pcName, sp);
  m_cType = file.letter();
  sp.m_pLabels.clear();
  sp.SetPropertyText("__SPECTRUM_DESCRIPTION=__SPECTRUM_NOTES=", &m_host);
  SetIdentity();
  sp.m_bTOF = s.GetInt(kDefaults, "TOFMode", 1);
  sp.m_dTimeBase = s.GetReal(kDefaults, "TimeBase", "0.007");
  sp.m_dA[0] = s.GetReal(kDefaults, "a0", "1.0");
  sp.m_dA[1] = s.GetReal(kDefaults, "a1", "4.0");
  sp.m_dA[2] = s.GetReal(kDefaults, "a2", "4.0");
  sp.m_dA[3] = s.GetReal(kDefaults, "a3", "0.0");
  sp.m_nHeaderBytes = s.GetInt(kDefaults, "SnapticFileHeader", 0);
  s.WriteInt(kDefaults, "SnapticFileHeader", sp.m_nHeaderBytes);
  int wordSize = s.GetInt(kDefaults, "QuickLoadWordSize", 4);
  if (wordSize == 0) wordSize = 4;
  DropDigests();

  bool ok = false;
  {
    WaitCursor wait(m_host);
    SetStatus(0, Format("%s (binary)", sp.m_pcName.c_str()));
    if (const ImporterFunction* importer = m_services.importers.Find(ImporterTable::kQuickLoad)) {
      ImportRequest request{m_host, sp.m_pcName, sp, ImporterTable::kQuickLoad, 2000000, wordSize};
      ok = (*importer)(request).code == 1;
    }
  }
  sp.m_nOffset = sp.m_nHeaderBytes / wordSize;
  if (sp.m_nShots < 1) sp.m_nShots = 100;
  if (ok) {
    SetStatus(0, Format("%li data points loaded", static_cast<long>(sp.m_nLength)));
    m_bLoaded = true;
    m_bQuickLoaded = true;
    RedrawAll();
  } else {
    m_bQuickLoaded = false;
    m_host.Beep(BeepKind::Question);
    SetStatus(0, "File couldn't be loaded");
    m_bLoaded = false;
    sp.Resize(0);
  }
  m_strTitle = sp.m_pcName;
  SetModifiedFlag(true);
  sp.m_bLossless = 1;
  sp.SaveRevertCopy();
  return ok ? 1 : 0;
}

void CIonvueDoc::FileRevert() {
  if (m_bQuickLoaded) {
    QuickLoad();
  } else {
    std::string path = m_Spectrum.m_pcName;
    OnOpenDocument(path);
  }
}

void CIonvueDoc::ToolsRevert() {
  m_Spectrum.RestoreRevertCopy();
  RedrawAll();
}

void CIonvueDoc::FileOpen(const std::function<void(const std::string&)>& openDocument) {
  SettingsStore& s = Settings();
  FileDialogModel dialog;
  dialog.mode = FileDialogModel::Mode::Open;
  dialog.title = "Open spectrum data file";
  dialog.defaultExtension = "ROZIRO";
  dialog.multiSelect = true;
  dialog.filter =
      "Kestrova (roziro,dcs)|*.roziro;*.dcs|TofSpec (dat)|*.-|Finnigan (dta)|*.dta|Bruker |*.-|"
      "Micromass (zta)|*.zta|Perseptive (ms,txt,dat)|*.dat;*.ms;*.txt|Sciex (sci,qst)|*.*;*.qst;"
      "*.sci|Correlation (*.cor)|*.cor|Raw data (dat)|*.dat|Linear (lin)|*.lin|All files "
      "(*.*)|*.*||";
  dialog.filterIndex = s.GetInt(kDefaults, "FileType", 1);
  struct stat info {};
  dialog.initialDirectory = ::stat(m_strInputDir.c_str(), &info) == 0 && S_ISDIR(info.st_mode)
                                ? m_strInputDir
                                : HomeFolder();
  if (!m_host.RunDialog(dialog)) return;
  for (const std::string& chosen : dialog.paths) {
    openDocument(chosen);
    m_strInputDir = FolderOf(chosen);
    s.WriteString(kDefaults, "InputPath", m_strInputDir);
  }
  s.WriteInt(kDefaults, "FileType", dialog.filterIndex);
}

std::string CIonvueDoc::ChangeToOutputDirectory() {
  struct stat info {};
  if (::stat(m_strOutputDir.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) return m_strOutputDir;
  return HomeFolder();
}

std::string CIonvueDoc::SavePathFor(const std::string& chosen) {
  if (!Contains(chosen, ".mas") || Contains(chosen, ".roziro")) return chosen;
  const std::string mas = ".mas";
  if (chosen.size() >= mas.size() &&
      chosen.compare(chosen.size() - mas.size(), mas.size(), mas) == 0)
    return chosen.substr(0, chosen.size() - mas.size()) + ".roziro";
  return chosen + ".roziro";
}

bool CIonvueDoc::AskSavePath(const char* title, const char* extension, const char* filter,
                             std::string& path) {
  FileDialogModel dialog;
  dialog.mode = FileDialogModel::Mode::Save;
  dialog.title = title;
  dialog.defaultExtension = extension;
  dialog.overwritePrompt = true;
  dialog.filter = filter;
  dialog.initialDirectory = ChangeToOutputDirectory();
  if (!m_host.RunDialog(dialog) || dialog.paths.empty()) return false;
  path = dialog.paths.front();
  return true;
}

bool CIonvueDoc::FileSaveAs() {
  std::string chosenPath;
  if (!AskSavePath("Save as ROZIRO file", "mas", "ROZIRO (ROZIRO)|*.roziro||", chosenPath))
    return false;
  const std::string& chosen = chosenPath;
  m_strOutputDir = FolderOf(chosen);
  Settings().WriteString(kDefaults, "OutputPath", m_strOutputDir);
  return OnSaveDocument(SavePathFor(chosen)) == 1;
}

std::string CIonvueDoc::AppendChangelog(const std::string& log, const std::string& line) {
  // Lines end at the log's final ','; cutting at the last one keeps history
  // whose file names hold a comma.
  size_t comma = log.rfind(',');
  std::string kept = comma == std::string::npos ? log : log.substr(0, comma);
  std::string result = kept + line + "\r\n,";
  // Oldest lines go first once the log outgrows one property value.
  while (result.size() > CPropertyTable::kMaxValue) {
    size_t next = result.find("\r\n");
    if (next == std::string::npos || next + 2 >= result.size() - 1) {
      result = result.substr(result.size() - CPropertyTable::kMaxValue);
      break;
    }
    result.erase(0, next + 2);
  }
  return result;
}

int CIonvueDoc::OnSaveDocument(const std::string& path) {
  if (m_services.editProperties && !m_services.editProperties(m_host, *this)) {
    m_host.Message("The mass bank information could not be saved.\nThe file was not saved.");
    return 0;
  }
  CSpectrum& sp = m_Spectrum;
  int written = 0;
  {
    WaitCursor wait(m_host);
    SetStatus(0, "Saving data as ROZIRO file");
    std::string log = sp.m_pProperties.Value("SPECTRUM_CHANGELOG");
    sp.m_pProperties.Set("SPECTRUM_CHANGELOG",
                         AppendChangelog(log, LocalTime("%H:%M %m/%d/%Y - ") + sp.m_pcName));
    sp.SerialiseProperties();
    if (!m_services.writeRoziro) {
      m_host.Message("Saving ROZIRO files is not available in this build.", MessageIcon::Stop);
      return 0;
    }
    written = m_services.writeRoziro(m_host, *this, path);
  }
  if (written != 1) return 0;
  m_strOutputDir = FolderOf(path);
  Settings().WriteString(kDefaults, "OutputPath", m_strOutputDir);
  m_strTitle = path;
  m_strPathName = path;
  m_bLoaded = true;
  m_bQuickLoaded = false;
  SetModifiedFlag(true);
  sp.m_pcName = path;
  SetStatus(0, "Calculating file authentication value ...");
  if (m_services.hashFile) m_services.hashFile(m_host, path, sp.m_nHash);
  RedrawAll();
  return 1;
}

bool CIonvueDoc::WriteScreenAscii(const std::string& path, int choice) {
  AtomicFile out(path);
  if (!out.Open()) {
    m_host.Message(path, MessageIcon::Stop);
    return false;
  }
  const CSpectrum& sp = m_Spectrum;
  std::string buffer;
  char line[96];
  auto flush = [&](bool force) {
    if (force || buffer.size() > (1 << 20)) {
      out.Write(buffer);
      buffer.clear();
    }
  };
  if (choice == SaveAsciiDialog::kScreen) {
    int bins = std::min<int>(m_nScreenBins, static_cast<int>(m_dScreenMz.size()));
    for (int i = 0; i < bins; ++i) {
      int n = std::snprintf(line, sizeof line, "%.2lf\t%li\r\n", m_dScreenMz[i],
                            static_cast<long>(m_nScreenIntensity[i]));
      buffer.append(line, static_cast<size_t>(n));
      flush(false);
    }
  } else {
    for (int i = 0; i < sp.m_nLength; ++i) {
      int n = std::snprintf(line, sizeof line, "%li\t%li\r\n", static_cast<long>(i),
                            static_cast<long>(sp.m_pData[i]));
      buffer.append(line, static_cast<size_t>(n));
      flush(false);
    }
  }
  flush(true);
  if (!out.Commit()) {
    m_host.Message("File written wrong\nDo not use.", MessageIcon::Stop);
    return false;
  }
  return true;
}

bool CIonvueDoc::ExportScreenAscii() {
  std::string target;
  if (!AskSavePath("Save screen as ASCII file", "ASC", "ASCII data |*.asc|All files |*.*||",
                   target))
    return false;
  SaveAsciiDialog choice(Settings().GetInt(kDefaults, "AsciiFileStorageType", 0));
  if (!m_host.RunDialog(choice)) return false;
  bool ok;
  {
    WaitCursor wait(m_host);
    SetStatus(0, "Saving screen as ASCII file");
    ok = WriteScreenAscii(target, choice.choice);
  }
  Settings().WriteInt(kDefaults, "AsciiFileStorageType", choice.choice);
  SetStatus(0, kZoomPrompt);
  return ok;
}

bool CIonvueDoc::WriteBinary(const std::string& path) {
  AtomicFile out(path);
  if (!out.Open()) {
    m_host.Message(path, MessageIcon::Stop);
    return false;
  }
  const CSpectrum& sp = m_Spectrum;
  int32_t length = sp.m_nLength;
  out.Write(&length, sizeof length);
  constexpr int kChunk = 1 << 16;
  std::vector<unsigned char> buffer;
  buffer.reserve(static_cast<size_t>(kChunk) * 12);
  for (int i = 0; i < sp.m_nLength; ++i) {
    int32_t intensity = sp.m_pData[i];
    double mz = sp.Forward(sp.TimeOf(i));
    unsigned char record[12];
    std::memcpy(record, &intensity, 4);
    std::memcpy(record + 4, &mz, 8);
    buffer.insert(buffer.end(), record, record + 12);
    if (buffer.size() >= static_cast<size_t>(kChunk) * 12) {
      out.Write(buffer.data(), buffer.size());
      buffer.clear();
    }
  }
  out.Write(buffer.data(), buffer.size());
  if (!out.Commit()) {
    m_host.Message("File written wrong\nDo not use.", MessageIcon::Stop);
    return false;
  }
  return true;
}

bool CIonvueDoc::ExportBinary() {
  std::string target;
  if (!AskSavePath("Save data as 32-bit integers", "DAT", "Binary data |*.dat|All files |*.*||",
                   target))
    return false;
  SetStatus(0, "Saving data as binary file");
  bool ok = WriteBinary(target);
  SetStatus(0, kZoomPrompt);
  return ok;
}

void CIonvueDoc::TrimTo(double endpoint) {
  CSpectrum& sp = m_Spectrum;
  long k = sp.IndexOf(sp.Inverse(endpoint));
  if (k <= 0) k = 0;
  if (k < sp.m_nLength) sp.m_nLength = static_cast<int>(k);
}

bool CIonvueDoc::SetHighestMass() {
  if (!m_bLoaded) return false;
  CSpectrum& sp = m_Spectrum;
  double end = sp.Forward(sp.TimeOf(sp.m_nLength));
  TrimSpectrumDialog dialog(std::trunc(end) - 1);
  while (true) {
    if (!m_host.RunDialog(dialog)) return false;
    if (dialog.Valid()) break;
    m_host.Message("Please enter a value between 1 and 10000000.");
  }
  TrimTo(dialog.endpoint);
  RedrawAll();
  SetModifiedFlag(true);
  return true;
}

}  // namespace ionvue
