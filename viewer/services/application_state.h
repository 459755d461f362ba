#pragma once
// What belongs to no single spectrum: the open-document list, the switches
// every view consults, the range locked views share, and the folders and
// addresses read at start-up.

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "viewer/services/recent_files.h"
#include "viewer/services/startup_environment.h"
#include "viewer/view/view_context.h"

namespace ionvue {

class CIonvueDoc;

class ApplicationState {
 public:
  static constexpr int kMaxDocuments = 100;

  ApplicationState();

  // --- Open documents, in order of creation.
  // A document past the hundredth is simply not listed; false then.
  bool AddDocument(CIonvueDoc* document);
  // The later entries move down; an unlisted document changes nothing.
  void RemoveDocument(CIonvueDoc* document);
  int DocumentCount() const { return static_cast<int>(m_pDocuments.size()); }
  const std::vector<CIonvueDoc*>& Documents() const { return m_pDocuments; }
  bool IsListed(const CIonvueDoc* document) const;
  // The document whose view was activated last.
  void SetCurrentDocument(CIonvueDoc* document) { m_pCurrent = document; }
  CIonvueDoc* CurrentDocument() const { return m_pCurrent; }
  // Asks every listed document to redraw all its views.
  void RedrawAll();

  // --- Switches.
  // Locking needs two spectra: with fewer the switch reads (and is) off.
  bool ViewsLocked();
  // Inverts the switch and redraws the commanding document, then the rest.
  void ToggleLockViews(CIonvueDoc* commanding);
  bool ShowInformation() const { return m_bShowInformation; }
  void ToggleShowInformation();  // writes Graph/ShowLabel
  bool HashValue() const { return m_bHash; }
  void ToggleHashValue();  // writes Graph/ShowHash
  // Kept in Defaults/ShowAllDialogs itself, which the open road reads, so a
  // change takes effect at once and a choice made in the load dialog is not
  // overwritten at exit.
  bool ShowAllDialogs() const;
  void ToggleShowAllDialogs();
  bool NetworkCommands() const { return m_bNetworkCommands; }
  void SetNetworkCommands(bool on) { m_bNetworkCommands = on; }

  // What the views share: the switches above, kept in step with them, and
  // the range locked views follow (it starts reversed, so nothing is shared
  // before a view has published; a push orders its two ends). Every view is
  // handed this one.
  ViewContext& viewContext() { return m_viewContext; }
  void PushSharedRange(double a, double b);
  void ResetSharedRange();

  // Called after any switch changed (a toggle, or locking cleared because
  // fewer than two spectra remain).
  std::function<void()> onSwitchesChanged;

  // Loaded at start-up; the window layer adds every file it opens.
  RecentFileList m_recentFiles;

  // What exit writes back: the show-all-dialogs switch, the recent files.
  void SaveOnExit();

  // --- Start-up values (see startup_settings.h).
  StartupEnvironment m_environment;
  int m_nInstalledVersion = 0;
  std::string m_strInputPath, m_strOutputPath;
  std::string m_strRootDirectory;  // Defaults/IVRootDirectory
  std::string m_strLocalHelpBase;
  std::array<std::string, 3> m_strProductStatement;
  int m_nPrinterOrientation = 1;  // 1 portrait, 2 landscape
  bool m_bQuickLoadAvailable = false;
  int m_nQuickLoadCounter = 0;

  // Raw access to the start-up reads.
  void SetShowInformation(bool on);
  void SetHashValue(bool on);

 private:
  void Changed();
  void MirrorSwitches();

  std::vector<CIonvueDoc*> m_pDocuments;
  CIonvueDoc* m_pCurrent = nullptr;
  bool m_bViewsLocked = false;
  bool m_bShowInformation = true;
  bool m_bHash = false;
  bool m_bNetworkCommands = true;
  ViewContext m_viewContext;
};

}  // namespace ionvue
