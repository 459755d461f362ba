#pragma once
// The document of one spectrum window: its spectrum, the road from a file to
// a loaded spectrum and back, and the per-document settings around it.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "viewer/core/digest_source.h"
#include "viewer/core/importer.h"
#include "viewer/core/spectrum.h"

namespace ionvue {

class Host;
class CIonvueDoc;

// What the open and save road needs from the layers above the core.
struct DocumentServices {
  ImporterTable importers;
  // Writes the document's spectrum as ROZIRO to `path`; 1 on success. Shows
  // its own messages.
  std::function<int(Host&, CIonvueDoc&, const std::string& path)> writeRoziro;
  std::function<bool(Host&, const std::string& path, std::array<uint32_t, 4>& out)> hashFile;
  // The properties sheet shown before a save; false when cancelled.
  std::function<bool(Host&, CIonvueDoc&)> editProperties;
  // The calibration fit for n points (from the importer's calibrant slots).
  std::function<void(CSpectrum&, int n)> fitCalibration;
};

class CIonvueDoc {
 public:
  static constexpr const char* kApplicationName = "Ionvue";
  static constexpr int kPageWidth = 20160;
  static constexpr int kPageHeight = 15840;
  static constexpr const char* kLoadError = "Error while loading data";
  static constexpr const char* kZoomPrompt = "Zoom with LMB, replay with RMB";

  CIonvueDoc(Host& host, const DocumentServices& services);
  virtual ~CIonvueDoc();
  CIonvueDoc(const CIonvueDoc&) = delete;
  CIonvueDoc& operator=(const CIonvueDoc&) = delete;

  bool OnNewDocument();
  int OnOpenDocument(const std::string& path);
  int OnSaveDocument(const std::string& path);
  bool IsModified() const { return m_bModified; }
  void SetModifiedFlag(bool modified = true) { m_bModified = modified; }

  // File menu commands.
  void FileOpen(const std::function<void(const std::string&)>& openDocument);
  bool FileSaveAs();
  void FileRevert();
  void ToolsRevert();
  bool ExportScreenAscii();
  bool ExportBinary();
  // The file formats themselves, without their dialogs.
  bool WriteScreenAscii(const std::string& path, int choice);
  bool WriteBinary(const std::string& path);
  // Edit > Set highest mass.
  bool SetHighestMass();
  void TrimTo(double endpoint);
  int QuickLoad();

  CSpectrum& GetSpectrum() { return m_Spectrum; }
  const CSpectrum& GetSpectrum() const { return m_Spectrum; }
  bool IsLoaded() const { return m_bLoaded; }
  Host& host() { return m_host; }
  void SetStatus(int pane, const std::string& text);
  // The calibrated range of the whole spectrum; false when nothing is loaded.
  bool CalibrationRange(double& low, double& high) const;
  double Forward(double t) const { return m_Spectrum.Forward(t); }
  double Inverse(double mz) const { return m_Spectrum.Inverse(mz); }

  // Save-as path rules: the chosen name of a ".mas" file becomes ".roziro".
  static std::string SavePathFor(const std::string& chosen);
  // Appends a save to the changelog, keeping it within one property value.
  static std::string AppendChangelog(const std::string& log, const std::string& line);

  // Called whenever the views must redraw (and notice new samples).
  std::function<void()> onRedraw;
  // Headless runs skip the dialogs the user may switch off.
  bool m_bSkipOptionalDialogs = false;

  std::string m_strInputDir, m_strOutputDir;
  std::string m_strTitle = kApplicationName;
  std::string m_strQuickLoadPath;
  bool m_bNeutralMass = false;
  bool m_bMassTable = false;
  // Digest overlays 1 and 2; a slot is present when it holds one.
  std::array<std::unique_ptr<DigestSource>, 2> m_pDigests;
  bool m_bLoaded = false;
  bool m_bQuickLoaded = false;
  char m_cType = 0;
  int m_nWordSize = 2;
  int m_nPointsPlottedOnScreen = 2000;
  // Screen bins of the displayed range, filled by the view.
  std::vector<double> m_dScreenMz;
  std::vector<int32_t> m_nScreenIntensity;
  int m_nScreenBins = 0;
  double m_dFilterMass = 0;
  int m_nCorrelationHigh = 1000, m_nCorrelationLow = 50;
  double m_dCorrelationScale = 10, m_dCorrelationDelta = 1.0;
  int m_bAutoScaling = 1;
  double m_dLastCalMass[4] = {0, 0, 0, 0};
  double m_dSpareA[2] = {0, 0};
  int m_nPageWidth = kPageWidth, m_nPageHeight = kPageHeight;
  int m_nQuickLoadCounter = 0;
  std::string m_strPathName;  // the framework's document path

 private:
  // Runs the importer of the probed letter and finishes the load; false
  // only when a ROZIRO load failed.
  bool Import(const std::string& path, int points);
  void ResetFromSettings();
  void DropDigests();
  void SetIdentity();
  void LinearFromRange(double m1, double m2);
  void Fit(int n);
  void FitTwoOrThree();
  void ApplyVoyagerRule();
  void RedrawAll();
  void Finish(bool success);
  std::string ChangeToOutputDirectory();
  // The save dialog in the output folder, with an overwrite prompt.
  bool AskSavePath(const char* title, const char* extension, const char* filter, std::string& path);

  Host& m_host;
  const DocumentServices& m_services;
  CSpectrum m_Spectrum;
  bool m_bModified = false;
};

}  // namespace ionvue
