#pragma once
// The main window: the spectrum windows in an MDI area, the two menu bars,
// the toolbars with the peak-parameter fields, the four-pane status bar,
// the splash, the remembered placement and dropped files.

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "viewer/app/spectrum_window.h"
#include "viewer/services/application_windows.h"
#include "viewer/services/command_table.h"

class QLabel;
class QLineEdit;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QMimeData;

namespace ionvue {

class ApplicationCommands;
class CommandActions;
class FrameCommands;
class PeakParameterFields;
class RecentFileList;
class StatusBarModel;
class SystemProcessLauncher;
struct DocumentServices;

// What lives as long as the program: the host, the application state, the
// switches the views read and the recent files.
struct ViewerSession;

class MainWindow : public QMainWindow, public ApplicationWindows, public SpectrumShell {
 public:
  MainWindow(ViewerSession& session, const DocumentServices& services);
  ~MainWindow() override;

  // --- ApplicationWindows ---
  void FileOpen() override;
  void OpenDocument(const std::string& path) override;
  void CloseAllDocuments() override;
  void CloseMainWindow() override;
  void ActivateNextDocument() override;

  // --- SpectrumShell ---
  QtHost& host() override;
  ApplicationState& state() override;
  ViewContext& viewContext() override;
  std::vector<SpectrumWindow*> SpectrumWindows() override;
  void ShowCommandMenu(const std::vector<int>& ids, QPoint globalPos) override;
  void CommandStatesChanged() override;

  SpectrumWindow* ActiveSpectrum() const;
  CommandRouter Router();
  CommandActions& actions() { return *actions_; }
  QMdiArea* mdiArea() const { return mdi_; }
  QLabel* pane(int index) const { return panes_[static_cast<size_t>(index)]; }
  QLineEdit* entry(int index) const { return entries_[static_cast<size_t>(index)]; }
  PeakParameterFields& peakFields() { return *peak_fields_; }
  MenuSet shownMenu() const { return shown_menu_; }
  // Files dropped on the window open as by File > Open; false when the
  // drop holds none.
  bool OpenDroppedFiles(const QMimeData& data);
  // The splash of the start, shown when enabled.
  void ShowSplash();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildMenusAndBars();
  void BuildEntryFields();
  void BuildStatusBar();
  void PlaceWindow();
  void ShowMenuFor(MenuSet menu);
  void ActiveWindowChanged(QMdiSubWindow* window);
  void SwitchesChanged();
  // Offers modified spectra for saving; false when the user cancelled.
  bool SaveModifiedSpectra();
  void EntryEdited(int field, const QString& text);
  void EntryLeft(int field);

  ViewerSession& session_;
  const DocumentServices& services_;
  QMdiArea* mdi_;
  std::unique_ptr<SystemProcessLauncher> launcher_;
  std::unique_ptr<FrameCommands> frame_commands_;
  std::unique_ptr<ApplicationCommands> application_commands_;
  std::unique_ptr<StatusBarModel> status_;
  std::unique_ptr<PeakParameterFields> peak_fields_;
  CommandActions* actions_;
  std::vector<QMenu*> short_menus_, full_menus_;
  MenuSet shown_menu_ = kNoMenu;
  std::array<QLabel*, 4> panes_{};
  std::array<QLineEdit*, 3> entries_{};
  QTimer update_timer_;
  bool closing_all_ = false;
};

}  // namespace ionvue
