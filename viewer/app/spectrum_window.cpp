#include "viewer/app/spectrum_window.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/qt/qt_host.h"
#include "viewer/app/cursors.h"
#include "viewer/app/view_commands.h"
#include "viewer/core/command_ids.h"
#include "viewer/core/document.h"
#include "viewer/services/application_state.h"
#include "viewer/services/document_commands.h"
#include "viewer/view/ionvue_view.h"
#include "viewer/view/mouse_commands.h"
#include "viewer/view/mouse_modes.h"
#include "viewer/view/view_context.h"

namespace ionvue {

namespace {

ClipboardAccess QtClipboard() {
  ClipboardAccess access;
  access.holdsText = [] {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
  };
  access.text = []() -> std::optional<std::string> {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasText()) return std::nullopt;
    return data->text().toStdString();
  };
  return access;
}

}  // namespace

SpectrumWindow::SpectrumWindow(std::unique_ptr<CIonvueDoc> doc, SpectrumShell& shell,
                               QWidget* parent)
    : QWidget(parent), shell_(shell), doc_(std::move(doc)) {
  view_ = std::make_unique<CIonvueView>(*doc_, shell_.viewContext());
  mouse_ = std::make_unique<CMouseModes>(shell_.host(), *this);
  mouse_commands_ =
      std::make_unique<CMouseCommands>(shell_.host(), *mouse_, *this, *this);
  view_target_ = std::make_unique<ViewCommandTarget>(*mouse_commands_, *view_,
                                                     [this] { Redraw(RedrawScope::ThisView); });
  document_target_ = std::make_unique<DocumentCommands>(*doc_, shell_.state(), shell_.host(),
                                                        QtClipboard());
  page_ = new SpectrumPage(*view_, *this, this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(page_);
  setFocusProxy(page_);

  view_->onInvalidate = [this] { page_->viewport()->update(); };
  view_->onResetMouseMode = [this] { mouse_->ResetToIdle(); };
  doc_->onRedraw = [this] { RedrawView(); };
  view_->OnInitialUpdate();
  shell_.state().AddDocument(doc_.get());
  UpdateTitle();
}

SpectrumWindow::~SpectrumWindow() {
  doc_->onRedraw = nullptr;
  shell_.state().RemoveDocument(doc_.get());
  for (SpectrumWindow* other : shell_.SpectrumWindows())
    if (other != this) other->DocumentClosed(doc_.get());
  mouse_commands_.reset();
  mouse_.reset();
  view_target_.reset();
  document_target_.reset();
  view_.reset();
}

CommandTarget& SpectrumWindow::viewTarget() { return *view_target_; }
CommandTarget& SpectrumWindow::documentTarget() { return *document_target_; }

void SpectrumWindow::RedrawView() { page_->Redraw(); }

void SpectrumWindow::UpdateTitle() {
  const QString title = QString::fromStdString(doc_->m_strTitle);
  setWindowTitle(title);
  if (parentWidget()) parentWidget()->setWindowTitle(title);
}

void SpectrumWindow::DocumentClosed(const CIonvueDoc* doc) {
  view_->OnDocumentClosed(doc);
  RedrawView();
}

void SpectrumWindow::closeEvent(QCloseEvent* event) {
  if (doc_->IsLoaded() && doc_->IsModified()) {
    const std::string question = "Save changes to " + doc_->m_strTitle + "?";
    if (shell_.host().AskYesNo(question, MessageIcon::Exclamation, {}) == Answer::Yes &&
        !doc_->FileSaveAs()) {
      event->ignore();
      return;
    }
  }
  event->accept();
}

std::vector<CIonvueDoc*> SpectrumWindow::OpenDocuments() const {
  std::vector<CIonvueDoc*> docs;
  for (SpectrumWindow* window : shell_.SpectrumWindows()) docs.push_back(&window->document());
  return docs;
}

// --- page events ------------------------------------------------------------

void SpectrumWindow::PageLeftPress(Point at, bool shift) {
  shell_.state().SetCurrentDocument(doc_.get());
  mouse_->LeftPress(at, shift);
  AfterMouseEvent();
}

void SpectrumWindow::PageLeftRelease(Point at) {
  mouse_->LeftRelease(at);
  AfterMouseEvent();
}

void SpectrumWindow::PageLeftDoubleClick(Point at) {
  mouse_->LeftDoubleClick(at);
  AfterMouseEvent();
}

void SpectrumWindow::PageRightPress(Point at) {
  mouse_->RightPress(at);
  AfterMouseEvent();
}

void SpectrumWindow::PageMove(Point at, bool leftHeld) {
  mouse_->Move(at, leftHeld);
  SetCursor(mouse_->Cursor());
}

void SpectrumWindow::PageKeyPress(MouseKey key) { mouse_->KeyPress(key); }
void SpectrumWindow::PageKeyRelease() { mouse_->KeyRelease(); }

void SpectrumWindow::PageCaptureLost() {
  mouse_->CaptureLost();
  AfterMouseEvent();
}

void SpectrumWindow::AfterMouseEvent() {
  SetCursor(mouse_->Cursor());
  shell_.CommandStatesChanged();
}

// --- reading the plot -------------------------------------------------------

bool SpectrumWindow::HasData() const { return doc_->IsLoaded(); }
PlotRect SpectrumWindow::Plot() const { return view_->state().rect; }
int32_t SpectrumWindow::AxisHeight() const { return view_->state().axisHeight; }

MassRange SpectrumWindow::FullRange() const {
  MassRange range;
  view_->FullRange(range.low, range.high);
  return range;
}

MassRange SpectrumWindow::DisplayedRange() const {
  return MassRange{view_->DisplayedLow(), view_->DisplayedHigh()};
}

double SpectrumWindow::MassAt(int32_t x) const { return view_->XToMass(x); }
int32_t SpectrumWindow::XAt(double mz) const { return view_->MassToX(mz); }
int32_t SpectrumWindow::RangeBarX(double mz) const { return view_->RangeBarX(mz); }
int64_t SpectrumWindow::SampleIndexOf(double mz) const { return view_->SampleIndexOf(mz); }
double SpectrumWindow::AdductMass() const { return view_->state().adductMass; }
bool SpectrumWindow::DisplayMz() const { return doc_->GetSpectrum().m_bDisplayMz != 0; }

// --- displayed range ----------------------------------------------------------

bool SpectrumWindow::PushRange(double low, double high) { return view_->PushRange(low, high); }
bool SpectrumWindow::PopRange() { return view_->PopRange(); }

void SpectrumWindow::SetPendingRange(const MassRange& range) {
  if (!view_->state().rangeDrag) view_->BeginRangeDrag();
  view_->SetPendingRange(range.low, range.high);
}

void SpectrumWindow::ClearPendingRange() {
  CDisplayState& st = view_->state();
  st.rangeDrag = false;
  st.pendingLow = st.pendingHigh = 0;
  st.autoBinning = true;
}

void SpectrumWindow::RequestAutoBinning() { view_->RequestAutoBinning(); }

void SpectrumWindow::Redraw(RedrawScope scope) {
  RedrawView();
  if (scope != RedrawScope::LockedViews || !shell_.viewContext().viewsLocked) return;
  for (SpectrumWindow* other : shell_.SpectrumWindows())
    if (other != this) other->RedrawView();
}

VerticalExpansion SpectrumWindow::Expansion() const { return view_->state().expansion; }
void SpectrumWindow::SetExpansion(const VerticalExpansion& expansion) {
  view_->state().expansion = expansion;
}

void SpectrumWindow::ResizePlot(const PlotRect& rect, bool movesEdges) {
  CDisplayState& st = view_->state();
  st.rect = rect;
  if (movesEdges) {
    st.leftEdge = rect.left;
    st.topEdge = rect.top;
  }
  st.displayWidth = rect.Width() * kCmPerTwip;
  st.displayHeight = rect.Height() * kCmPerTwip;
  ShareRectangleWithLockedViews();
}

void SpectrumWindow::SetDisplayMode(char mode) { view_->state().displayMode = mode; }
int SpectrumWindow::MissedCleavageLevels() const { return view_->MissedCleavageLevels(); }
int SpectrumWindow::MissedCleavageLevel() const { return view_->state().missedCleavageLevel; }
void SpectrumWindow::SetMissedCleavageLevel(int level) {
  view_->state().missedCleavageLevel = level;
}

// --- labels and picking: served once the label work is in ------------------

int SpectrumWindow::LabelAt(Point) const { return -1; }

void SpectrumWindow::DeleteLabel(int index) {
  auto& labels = doc_->GetSpectrum().m_pLabels;
  if (index < 0 || index >= static_cast<int>(labels.size())) return;
  CMassList& list = view_->massList();
  list.RemoveAt(list.FindNear(labels[static_cast<size_t>(index)].mass, 0.1));
  labels.erase(labels.begin() + index);
}

void SpectrumWindow::EditLabel(int) {}
PickOutcome SpectrumWindow::Pick(MouseMode, Point, double) { return PickOutcome::ReturnToIdle; }
void SpectrumWindow::ForgetReferencePeak() {}
bool SpectrumWindow::NormalizationPeakExists() const { return false; }
int SpectrumWindow::CalibrationPointCount() const { return 0; }

// --- feedback -----------------------------------------------------------------

void SpectrumWindow::DrawMarker(const MarkerLine& marker) { page_->DrawMarker(marker); }

void SpectrumWindow::SetCursor(MouseCursor cursor) {
  if (cursor == cursor_) return;
  cursor_ = cursor;
  page_->viewport()->setCursor(CursorFor(cursor));
}

void SpectrumWindow::SetTooltipText(const std::string& text) {
  page_->SetTooltipText(QString::fromStdString(text));
}

// The page holds the mouse while a button is down; a picking mode needs
// nothing more on this desktop.
void SpectrumWindow::CaptureMouse() {}
void SpectrumWindow::ReleaseMouse() {}

void SpectrumWindow::ShowContextMenu(MouseContextMenu menu, Point at) {
  std::vector<int> ids;
  if (menu == MouseContextMenu::Filters) {
    ids = {cmd::kSmooth, cmd::kAbc, cmd::kHighPassFilter, cmd::kMassCorrelation,
           cmd::kAutocorrelation, cmd::kToolsRevert};
  } else {
    ids = {cmd::kProperties, cmd::kPropertiesUseDefault, cmd::kPropertiesSetDefault,
           cmd::kPropertiesCopy, cmd::kPropertiesPaste};
  }
  const QPoint pixel = page_->ToPixels(at).toPoint();
  shell_.ShowCommandMenu(ids, page_->viewport()->mapToGlobal(pixel));
}

void SpectrumWindow::MouseModeChanged(MouseMode mode) {
  view_->state().mouseMode = static_cast<char>(mode);
}

// --- graph options ------------------------------------------------------------

void SpectrumWindow::ResetToFullRange() { view_->ShowFullSpectrum(); }

IntensityRangeSetting SpectrumWindow::IntensityRange() const {
  const VerticalScale& scale = view_->state().scale;
  return IntensityRangeSetting{scale.fixed, scale.fixedMaximum};
}

void SpectrumWindow::SetIntensityRange(const IntensityRangeSetting& setting) {
  VerticalScale& scale = view_->state().scale;
  scale.fixed = setting.fixed;
  scale.fixedMaximum = setting.fixedMaximum;
}

char SpectrumWindow::DisplayMode() const { return view_->state().displayMode; }

PlotSizeCm SpectrumWindow::DisplaySize() const {
  const CDisplayState& st = view_->state();
  if (st.displayMode == 'C') return PlotSizeCm{st.customWidth, st.customHeight};
  return PlotSizeCm{st.displayWidth, st.displayHeight};
}

void SpectrumWindow::SetPlotDimensions(char mode, const PlotSizeCm& size) {
  CDisplayState& st = view_->state();
  st.displayMode = mode;
  if (mode == 'C') {
    st.customWidth = size.width;
    st.customHeight = size.height;
  }
  view_->RecomputeRectangle();
}

void SpectrumWindow::ShareRectangleWithLockedViews() {
  if (!shell_.viewContext().viewsLocked) return;
  for (SpectrumWindow* other : shell_.SpectrumWindows()) {
    if (other == this) continue;
    other->view().ApplySharedRectangle(view_->state().rect);
    other->mouse().ResetToIdle();
    other->RedrawView();
  }
}

bool SpectrumWindow::HalfFrame() const { return view_->state().halfFrame; }
void SpectrumWindow::SetHalfFrame(bool half) { view_->state().halfFrame = half; }

AxisTitles SpectrumWindow::Titles() const {
  return AxisTitles{view_->state().mzTitle, view_->state().intensityTitle};
}

void SpectrumWindow::SetTitles(const AxisTitles& titles) {
  view_->state().mzTitle = titles.mz;
  view_->state().intensityTitle = titles.intensity;
}

LineWidths SpectrumWindow::Widths() const {
  return LineWidths{view_->state().spectrumLineWidth, view_->state().frameLineWidth};
}

void SpectrumWindow::SetWidths(const LineWidths& widths) {
  view_->state().spectrumLineWidth = widths.spectrum;
  view_->state().frameLineWidth = widths.frame;
}

Color SpectrumWindow::CrossesColor() const { return view_->state().crossColor; }
void SpectrumWindow::SetCrossesColor(const Color& color) { view_->state().crossColor = color; }

int SpectrumWindow::OpenSpectrumCount() const { return shell_.state().DocumentCount(); }
int SpectrumWindow::TraceCount() const {
  return std::max<int>(1, static_cast<int>(view_->state().traces.size()));
}

std::vector<std::string> SpectrumWindow::TraceCandidates() const {
  std::vector<std::string> titles;
  const auto& traces = view_->state().traces;
  for (CIonvueDoc* doc : OpenDocuments())
    if (std::find(traces.begin(), traces.end(), doc) == traces.end())
      titles.push_back(doc->m_strTitle);
  return titles;
}

void SpectrumWindow::AddTrace(int candidate) {
  const auto& traces = view_->state().traces;
  int index = 0;
  for (CIonvueDoc* doc : OpenDocuments()) {
    if (std::find(traces.begin(), traces.end(), doc) != traces.end()) continue;
    if (index++ == candidate) {
      view_->AddTrace(doc);
      return;
    }
  }
}

std::vector<std::string> SpectrumWindow::RemovableTraces() const {
  std::vector<std::string> titles;
  const auto& traces = view_->state().traces;
  for (size_t i = 1; i < traces.size(); ++i) titles.push_back(traces[i]->m_strTitle);
  return titles;
}

void SpectrumWindow::RemoveTrace(int removable) {
  const auto& traces = view_->state().traces;
  const size_t index = static_cast<size_t>(removable) + 1;
  if (removable >= 0 && index < traces.size()) view_->RemoveTrace(traces[index]);
}

}  // namespace ionvue
