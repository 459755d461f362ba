#include "viewer/services/application_state.h"

#include <algorithm>

#include "platform/settings.h"
#include "viewer/core/document.h"

namespace ionvue {

namespace {
void Redraw(CIonvueDoc* document) {
  if (document && document->onRedraw) document->onRedraw();
}
}  // namespace

bool ApplicationState::AddDocument(CIonvueDoc* document) {
  if (!document || IsListed(document)) return IsListed(document);
  if (DocumentCount() >= kMaxDocuments) return false;
  m_pDocuments.push_back(document);
  return true;
}

void ApplicationState::RemoveDocument(CIonvueDoc* document) {
  auto it = std::find(m_pDocuments.begin(), m_pDocuments.end(), document);
  if (it != m_pDocuments.end()) m_pDocuments.erase(it);
  if (m_pCurrent == document) m_pCurrent = nullptr;
  ViewsLocked();
}

bool ApplicationState::IsListed(const CIonvueDoc* document) const {
  return std::find(m_pDocuments.begin(), m_pDocuments.end(), document) != m_pDocuments.end();
}

void ApplicationState::RedrawAll() {
  for (CIonvueDoc* document : m_pDocuments) Redraw(document);
}

bool ApplicationState::ViewsLocked() {
  if (m_bViewsLocked && DocumentCount() < 2) {
    m_bViewsLocked = false;
    Changed();
  }
  return m_bViewsLocked;
}

ApplicationState::ApplicationState() { MirrorSwitches(); }

void ApplicationState::MirrorSwitches() {
  m_viewContext.viewsLocked = m_bViewsLocked;
  m_viewContext.showInformation = m_bShowInformation;
  m_viewContext.showHash = m_bHash;
}

void ApplicationState::Changed() {
  MirrorSwitches();
  if (onSwitchesChanged) onSwitchesChanged();
}

void ApplicationState::SetShowInformation(bool on) {
  m_bShowInformation = on;
  Changed();
}

void ApplicationState::SetHashValue(bool on) {
  m_bHash = on;
  Changed();
}

void ApplicationState::PushSharedRange(double a, double b) {
  m_viewContext.sharedLow = a < b ? a : b;
  m_viewContext.sharedHigh = a < b ? b : a;
}

void ApplicationState::ResetSharedRange() {
  ViewContext fresh;
  m_viewContext.sharedLow = fresh.sharedLow;
  m_viewContext.sharedHigh = fresh.sharedHigh;
}

void ApplicationState::ToggleLockViews(CIonvueDoc* commanding) {
  m_bViewsLocked = !m_bViewsLocked;
  Changed();
  Redraw(commanding);
  for (CIonvueDoc* document : m_pDocuments)
    if (document != commanding) Redraw(document);
}

void ApplicationState::ToggleShowInformation() {
  m_bShowInformation = !m_bShowInformation;
  Settings().WriteInt("Graph", "ShowLabel", m_bShowInformation ? 1 : 0);
  Changed();
  RedrawAll();
}

void ApplicationState::ToggleHashValue() {
  m_bHash = !m_bHash;
  Settings().WriteInt("Graph", "ShowHash", m_bHash ? 1 : 0);
  Changed();
  RedrawAll();
}

bool ApplicationState::ShowAllDialogs() const {
  return Settings().GetInt("Defaults", "ShowAllDialogs", 1) != 0;
}

void ApplicationState::ToggleShowAllDialogs() {
  Settings().WriteInt("Defaults", "ShowAllDialogs", ShowAllDialogs() ? 0 : 1);
  Changed();
}

void ApplicationState::SaveOnExit() {
  Settings().WriteInt("Defaults", "ShowAllDialogs", ShowAllDialogs() ? 1 : 0);
  m_recentFiles.Save();
}

}  // namespace ionvue
