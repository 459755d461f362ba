#include "viewer/services/status_bar_model.h"

namespace ionvue {

bool StatusBarModel::SetPaneText(int pane, std::string_view text) {
  if (pane < 0 || pane >= kPanes) return false;
  m_texts[pane] = std::string(text);
  if (onChanged) onChanged(pane);
  return true;
}

const std::string& StatusBarModel::PaneText(int pane) const {
  static const std::string none;
  return pane >= 0 && pane < kPanes ? m_texts[pane] : none;
}

}  // namespace ionvue
