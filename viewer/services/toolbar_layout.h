#pragma once
// The bands of the main window's re-arrangeable bar: the two toolbars and
// the three peak-parameter entry fields.

#include <span>
#include <string_view>
#include <vector>

namespace ionvue {

// A button of a toolbar, or a separator (id 0).
inline constexpr int kToolbarSeparator = 0;

struct ToolbarLayout {
  std::string_view caption;
  std::vector<int> buttons;  // command ids in order; kToolbarSeparator between groups
  bool newRow;               // the band starts a new row
};

inline constexpr int kToolbarButtonWidth = 20;
inline constexpr int kToolbarButtonHeight = 19;

// "Display: " and "  Peaks: ", both with grippers.
std::span<const ToolbarLayout> Toolbars();

// The entry bands, without grippers, after the toolbars.
struct EntryBand {
  std::string_view caption;
  int width;
  int height;
};
std::span<const EntryBand> EntryBands();  // centroid width, s/n, resolution

}  // namespace ionvue
