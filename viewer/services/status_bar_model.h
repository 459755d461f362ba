#pragma once
// The four panes of the status bar: pane 0 the prompts and progress texts,
// panes 1 and 2 the charge-state hints, pane 3 the m/z under the pointer.

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace ionvue {

class StatusBarModel {
 public:
  static constexpr int kPanes = 4;
  // Pane 0 takes what the bar has left; the others are this wide.
  static constexpr int kFixedPaneWidth = 80;
  static constexpr int PaneWidth(int pane) { return pane == 0 ? 0 : kFixedPaneWidth; }

  // False (and nothing changed) for a pane outside 0 to 3.
  bool SetPaneText(int pane, std::string_view text);
  const std::string& PaneText(int pane) const;

  // Called with the pane after every change, so the bar repaints at once.
  std::function<void(int pane)> onChanged;

 private:
  std::array<std::string, kPanes> m_texts;
};

}  // namespace ionvue
