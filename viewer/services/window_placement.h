#pragma once
// Where the main window opens: General/WindowLeft, WindowTop, WindowWidth
// and WindowHeight, saved when it closes in its normal state.

namespace ionvue {

struct WindowPlacement {
  static constexpr int kDefaultWidth = 800;
  static constexpr int kDefaultHeight = 600;
  // A stored size outside these is taken for damage and replaced by the
  // default; a position beyond them likewise goes back to 0.
  static constexpr int kMinimumSize = 100;
  static constexpr int kMaximumExtent = 32000;

  int left = 0;
  int top = 0;
  int width = kDefaultWidth;
  int height = kDefaultHeight;

  static WindowPlacement Load();
  // Unless the frame is minimised or maximised, when the stored rectangle
  // is kept. True when it was written.
  bool Save(bool minimized, bool maximized) const;

  // Moves and shrinks the rectangle onto the available screen area so the
  // window never opens out of reach.
  WindowPlacement FitTo(int screenLeft, int screenTop, int screenWidth, int screenHeight) const;
};

}  // namespace ionvue
