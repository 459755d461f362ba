#include "viewer/services/window_placement.h"

#include <algorithm>

#include "platform/settings.h"

namespace ionvue {

namespace {
constexpr const char* kGeneral = "General";

int SaneSize(int value, int fallback) {
  return value >= WindowPlacement::kMinimumSize && value <= WindowPlacement::kMaximumExtent
             ? value
             : fallback;
}

int SanePosition(int value) {
  return value >= -WindowPlacement::kMaximumExtent && value <= WindowPlacement::kMaximumExtent
             ? value
             : 0;
}
}  // namespace

WindowPlacement WindowPlacement::Load() {
  SettingsStore& s = Settings();
  WindowPlacement p;
  p.width = SaneSize(s.GetInt(kGeneral, "WindowWidth", kDefaultWidth), kDefaultWidth);
  p.height = SaneSize(s.GetInt(kGeneral, "WindowHeight", kDefaultHeight), kDefaultHeight);
  p.left = SanePosition(s.GetInt(kGeneral, "WindowLeft", 0));
  p.top = SanePosition(s.GetInt(kGeneral, "WindowTop", 0));
  return p;
}

bool WindowPlacement::Save(bool minimized, bool maximized) const {
  if (minimized || maximized) return false;
  SettingsStore& s = Settings();
  s.WriteInt(kGeneral, "WindowWidth", width);
  s.WriteInt(kGeneral, "WindowHeight", height);
  s.WriteInt(kGeneral, "WindowTop", top);
  s.WriteInt(kGeneral, "WindowLeft", left);
  return true;
}

WindowPlacement WindowPlacement::FitTo(int screenLeft, int screenTop, int screenWidth,
                                       int screenHeight) const {
  WindowPlacement p = *this;
  if (screenWidth <= 0 || screenHeight <= 0) return p;
  p.width = std::min(p.width, screenWidth);
  p.height = std::min(p.height, screenHeight);
  p.left = std::clamp(p.left, screenLeft, screenLeft + screenWidth - p.width);
  p.top = std::clamp(p.top, screenTop, screenTop + screenHeight - p.height);
  return p;
}

}  // namespace ionvue
