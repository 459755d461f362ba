#include "viewer/app/main_window.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QGuiApplication>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>
#include <filesystem>

#include "viewer/app/command_actions.h"
#include "viewer/app/dialog_forms.h"
#include "viewer/app/painter_canvas.h"
#include "viewer/app/splash_window.h"
#include "viewer/app/viewer_session.h"
#include "viewer/core/command_ids.h"
#include "viewer/core/document.h"
#include "viewer/services/application_commands.h"
#include "viewer/services/main_frame.h"
#include "viewer/services/peak_parameter_fields.h"
#include "viewer/services/process_launcher.h"
#include "viewer/services/status_bar_model.h"
#include "viewer/services/toolbar_layout.h"
#include "viewer/services/window_placement.h"
#include "viewer/view/ionvue_view.h"
#include "viewer/view/mouse_modes.h"

namespace ionvue {

namespace {

constexpr int kCommandUpdateMs = 250;

QString Title(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

MainWindow::MainWindow(ViewerSession& session, const DocumentServices& services)
    : session_(session),
      services_(services),
      mdi_(new QMdiArea(this)),
      launcher_(std::make_unique<SystemProcessLauncher>()),
      frame_commands_(std::make_unique<FrameCommands>(session.state, *this)),
      application_commands_(std::make_unique<ApplicationCommands>(session.state, session.host,
                                                                  *this, *launcher_)),
      status_(std::make_unique<StatusBarModel>()),
      peak_fields_(std::make_unique<PeakParameterFields>()),
      actions_(new CommandActions(this, [this] { return Router(); })) {
  setWindowTitle(CIonvueDoc::kApplicationName);
  setAcceptDrops(true);
  mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdi_->setBackground(QColor(128, 128, 128));
  setCentralWidget(mdi_);

  QtHost& host = session_.host;
  host.SetParentWindow(this);
  host.SetDialogBinder(RunViewerDialog);
  host.SetStatusSink([this](int pane, const QString& text) {
    status_->SetPaneText(pane, text.toStdString());
  });

  session_.state.onSwitchesChanged = [this] { SwitchesChanged(); };
  session_.state.viewContext().isOpen = [this](const CIonvueDoc* doc) {
    for (SpectrumWindow* window : SpectrumWindows())
      if (&window->document() == doc) return true;
    return false;
  };
  SwitchesChanged();

  BuildMenusAndBars();
  BuildEntryFields();
  BuildStatusBar();
  restoreState(QByteArray::fromStdString(LoadToolBarState()));
  PlaceWindow();

  connect(mdi_, &QMdiArea::subWindowActivated, this,
          [this](QMdiSubWindow* window) { ActiveWindowChanged(window); });
  actions_->afterExecute = [this] { CommandStatesChanged(); };
  // The platform's idle update of the toolbar buttons.
  update_timer_.setInterval(kCommandUpdateMs);
  connect(&update_timer_, &QTimer::timeout, this, [this] { actions_->UpdateAll(); });
  update_timer_.start();
}

MainWindow::~MainWindow() {
  session_.state.onSwitchesChanged = nullptr;
  session_.state.viewContext().isOpen = nullptr;
  session_.host.SetStatusSink(nullptr);
  session_.host.SetParentWindow(nullptr);
  // The spectrum windows go first: they leave the state as they close.
  for (QMdiSubWindow* sub : mdi_->subWindowList()) delete sub;
}

// --- building -------------------------------------------------------------

void MainWindow::BuildMenusAndBars() {
  short_menus_ = actions_->BuildMenus(kShortMenu, this);
  full_menus_ = actions_->BuildMenus(kFullMenu, this);
  ShowMenuFor(kShortMenu);

  bool first = true;
  const char* names[] = {"DisplayBar", "PeaksBar"};
  int index = 0;
  for (const ToolbarLayout& layout : Toolbars()) {
    if (layout.newRow && !first) addToolBarBreak();
    QToolBar* bar = actions_->BuildToolbar(layout, this);
    bar->setObjectName(names[index++ % 2]);
    addToolBar(Qt::TopToolBarArea, bar);
    first = false;
  }
}

void MainWindow::BuildEntryFields() {
  auto* bar = new QToolBar("Peak parameters", this);
  bar->setObjectName("PeakParameterBar");
  bar->setMovable(false);  // the entry bands have no grippers
  const QFont font = QtFontFor(Font{PeakParameterFields::kFontFace,
                                    PeakParameterFields::kFontHeight,
                                    PeakParameterFields::kFontWeight});
  const std::string texts[] = {peak_fields_->CentroidWidthText(),
                               peak_fields_->SignalToNoiseText(),
                               peak_fields_->ResolutionText()};
  int field = 0;
  for (const EntryBand& band : EntryBands()) {
    if (field >= 3) break;
    bar->addWidget(new QLabel(QString::fromUtf8(band.caption.data(),
                                                static_cast<qsizetype>(band.caption.size())),
                              bar));
    auto* edit = new QLineEdit(Title(texts[field]), bar);
    edit->setFont(font);
    // The band's size in the old dialog units, but never narrower than
    // the value it shows.
    const int needed = QFontMetrics(font).horizontalAdvance("0000000") + 8;
    edit->setFixedSize(std::max(band.width, std::min(needed, band.width * 2)),
                       std::max(band.height, QFontMetrics(font).height() + 6));
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textEdited, this,
            [this, field](const QString& text) { EntryEdited(field, text); });
    bar->addWidget(edit);
    entries_[static_cast<size_t>(field)] = edit;
    ++field;
  }
  addToolBar(Qt::TopToolBarArea, bar);
}

void MainWindow::BuildStatusBar() {
  QStatusBar* bar = statusBar();
  for (int pane = 0; pane < StatusBarModel::kPanes; ++pane) {
    auto* label = new QLabel(bar);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setTextFormat(Qt::PlainText);
    if (pane == 0) {
      label->setMinimumWidth(120);
      bar->addWidget(label, 1);
    } else {
      label->setFixedWidth(StatusBarModel::PaneWidth(pane));
      bar->addPermanentWidget(label);
    }
    panes_[static_cast<size_t>(pane)] = label;
  }
  panes_[0]->setText("Ready");  // until a view has something to say
  status_->onChanged = [this](int pane) {
    QLabel* label = panes_[static_cast<size_t>(pane)];
    const QString text = Title(status_->PaneText(pane));
    if (label->text() == text) return;
    label->setText(text);
    // Every change shows at once, unless it came from inside a repaint.
    if (SpectrumPage::Painting())
      label->update();
    else
      label->repaint();
  };
}

void MainWindow::PlaceWindow() {
  WindowPlacement placement = WindowPlacement::Load();
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    placement = placement.FitTo(area.left(), area.top(), area.width(), area.height());
  }
  setGeometry(placement.left, placement.top, placement.width, placement.height);
}

void MainWindow::ShowSplash() {
  QPointer<MainWindow> self(this);
  auto* splash = new SplashWindow(kSplashMilliseconds, [self] {
    if (self) self->repaint();
  });
  splash->show();
}

// --- menus and commands ----------------------------------------------------

void MainWindow::ShowMenuFor(MenuSet menu) {
  if (menu == shown_menu_) return;
  shown_menu_ = menu;
  menuBar()->clear();
  for (QMenu* m : menu == kFullMenu ? full_menus_ : short_menus_) menuBar()->addMenu(m);
}

CommandRouter MainWindow::Router() {
  SpectrumWindow* active = ActiveSpectrum();
  return MakeCommandRouter(active ? &active->viewTarget() : nullptr,
                           active ? &active->documentTarget() : nullptr, frame_commands_.get(),
                           application_commands_.get());
}

void MainWindow::CommandStatesChanged() {
  // After the event that changed them, so a window closing meanwhile is gone.
  QTimer::singleShot(0, this, [this] { actions_->UpdateAll(); });
}

void MainWindow::ShowCommandMenu(const std::vector<int>& ids, QPoint globalPos) {
  actions_->PopupMenu(ids, globalPos, this);
}

void MainWindow::SwitchesChanged() {
  // The state keeps the views' context in step; the menus follow.
  if (actions_) CommandStatesChanged();
}

// --- spectrum windows --------------------------------------------------------

QtHost& MainWindow::host() { return session_.host; }
ApplicationState& MainWindow::state() { return session_.state; }
ViewContext& MainWindow::viewContext() { return session_.state.viewContext(); }

std::vector<SpectrumWindow*> MainWindow::SpectrumWindows() {
  std::vector<SpectrumWindow*> windows;
  for (QMdiSubWindow* sub : mdi_->subWindowList(QMdiArea::CreationOrder))
    if (auto* window = dynamic_cast<SpectrumWindow*>(sub->widget())) windows.push_back(window);
  return windows;
}

SpectrumWindow* MainWindow::ActiveSpectrum() const {
  QMdiSubWindow* sub = mdi_->activeSubWindow();
  if (!sub) sub = mdi_->currentSubWindow();
  return sub ? dynamic_cast<SpectrumWindow*>(sub->widget()) : nullptr;
}

void MainWindow::ActiveWindowChanged(QMdiSubWindow* sub) {
  auto* window = sub ? dynamic_cast<SpectrumWindow*>(sub->widget()) : nullptr;
  if (window) session_.state.SetCurrentDocument(&window->document());
  ShowMenuFor(mdi_->subWindowList().isEmpty() ? kShortMenu : kFullMenu);
  setWindowTitle(window ? QString("%1 - %2").arg(CIonvueDoc::kApplicationName,
                                                   window->windowTitle())
                        : QString(CIonvueDoc::kApplicationName));
  CommandStatesChanged();
}

void MainWindow::OpenDocument(const std::string& path) {
  auto doc = std::make_unique<CIonvueDoc>(session_.host, services_);
  doc->OnNewDocument();
  // A file the probe or the parameters dialog refused opens no window.
  if (doc->OnOpenDocument(path) == 0) return;
  auto* window = new SpectrumWindow(std::move(doc), *this);
  QMdiSubWindow* sub = mdi_->addSubWindow(window);
  sub->setAttribute(Qt::WA_DeleteOnClose);
  sub->setWindowIcon(windowIcon());
  window->UpdateTitle();
  // Room for the plot, its axes and the information below it.
  const QSize wanted(760, 600);
  const QSize room = mdi_->viewport()->size();
  if (room.width() < wanted.width() || room.height() < wanted.height())
    sub->showMaximized();
  else {
    sub->resize(wanted);
    sub->show();
  }
  window->setFocus();
  std::error_code ec;
  if (std::filesystem::is_regular_file(path, ec)) {
    session_.state.m_recentFiles.Add(path);
    session_.state.m_recentFiles.Save();
  }
  ActiveWindowChanged(sub);
}

void MainWindow::FileOpen() {
  // The open dialog starts where the last document left off.
  CIonvueDoc chooser(session_.host, services_);
  std::vector<std::string> chosen;
  chooser.FileOpen([&](const std::string& path) { chosen.push_back(path); });
  for (const std::string& path : chosen) OpenDocument(path);
}

void MainWindow::CloseAllDocuments() {
  closing_all_ = true;
  // At once and without asking: the next command sees them gone.
  for (QMdiSubWindow* sub : mdi_->subWindowList()) delete sub;
  closing_all_ = false;
  ActiveWindowChanged(nullptr);
}

void MainWindow::CloseMainWindow() { close(); }

void MainWindow::ActivateNextDocument() { mdi_->activateNextSubWindow(); }

bool MainWindow::SaveModifiedSpectra() {
  for (SpectrumWindow* window : SpectrumWindows()) {
    CIonvueDoc& doc = window->document();
    if (!doc.IsLoaded() || !doc.IsModified()) continue;
    const std::string question = "Save changes to " + doc.m_strTitle + "?";
    if (session_.host.AskYesNo(question, MessageIcon::Exclamation, {}) == Answer::Yes &&
        !doc.FileSaveAs())
      return false;
  }
  return true;
}

// --- frame events ------------------------------------------------------------

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!SaveModifiedSpectra()) {
    event->ignore();
    return;
  }
  const bool minimized = isMinimized(), maximized = isMaximized();
  WindowPlacement current;
  current.left = geometry().left();
  current.top = geometry().top();
  current.width = geometry().width();
  current.height = geometry().height();
  if (!minimized && !maximized) SaveToolBarState(saveState().toStdString());
  CloseMainFrame(session_.state, current, minimized, maximized);
  update_timer_.stop();
  for (QMdiSubWindow* sub : mdi_->subWindowList()) delete sub;
  session_.state.SaveOnExit();
  event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  if (OpenDroppedFiles(*event->mimeData())) event->acceptProposedAction();
}

bool MainWindow::OpenDroppedFiles(const QMimeData& data) {
  std::vector<std::string> paths;
  for (const QUrl& url : data.urls())
    if (url.isLocalFile()) paths.push_back(QFile::encodeName(url.toLocalFile()).toStdString());
  // Opened after the drop ends, so message boxes do not hold up the source.
  QTimer::singleShot(0, this, [this, paths] {
    for (const std::string& path : paths) OpenDocument(path);
  });
  return !paths.empty();
}

void MainWindow::EntryEdited(int field, const QString& text) {
  const std::string value = text.toStdString();
  switch (field) {
    case 0: peak_fields_->EditCentroidWidth(value); break;
    case 1: peak_fields_->EditSignalToNoise(value); break;
    case 2: peak_fields_->EditResolution(value); break;
  }
}

void MainWindow::EntryLeft(int field) {
  std::string text;
  switch (field) {
    case 0: text = peak_fields_->CentroidWidthText(); break;
    case 1: text = peak_fields_->SignalToNoiseText(); break;
    case 2: text = peak_fields_->ResolutionText(); break;
  }
  entries_[static_cast<size_t>(field)]->setText(Title(text));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    for (int field = 0; field < 3; ++field)
      if (watched == entries_[static_cast<size_t>(field)]) EntryLeft(field);
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace ionvue
