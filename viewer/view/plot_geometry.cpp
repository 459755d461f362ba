#include "viewer/view/plot_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace ionvue {

namespace {

// Centimetres to twips, truncated; absurd sizes from a damaged store stay
// far inside int32 so no later arithmetic overflows.
int32_t Twips(double cm, double factor) {
  double v = std::trunc(cm * factor);
  if (!(v > -2000000)) return -2000000;
  if (v > 2000000) return 2000000;
  return static_cast<int32_t>(v);
}

}  // namespace

char DisplayModeFromText(const char* text) {
  if (std::strcmp(text, "Landscape") == 0) return 'L';
  if (std::strcmp(text, "Portrait") == 0) return 'P';
  if (std::strcmp(text, "Custom") == 0) return 'C';
  return 'V';
}

const char* DisplayModeText(char mode) {
  switch (mode) {
    case 'L':
      return "Landscape";
    case 'P':
      return "Portrait";
    case 'C':
      return "Custom";
    default:
      return "Variable";
  }
}

int32_t LeftEdgeFromCm(double cm) { return Twips(cm, kTwipsPerCm); }
int32_t TopEdgeFromCm(double cm) { return Twips(-cm, kTwipsPerCm); }

void LimitEdges(int32_t& left, int32_t& top) {
  left = std::max<int32_t>(left, 100);
  top = std::min<int32_t>(top, -100);
}

PlotRect ComputePlotRect(char mode, int32_t leftEdge, int32_t topEdge, double widthCm,
                         double heightCm) {
  int32_t w, h;
  switch (mode) {
    case 'L':
      w = 12472;
      h = 8787;
      break;
    case 'P':
      w = 8503;
      h = 5669;
      break;
    default:
      w = Twips(widthCm, 0.39370078740157477 * 1440);
      h = Twips(heightCm, 0.39370078740157477 * 1440);
      break;
  }
  PlotRect r;
  r.left = leftEdge;
  r.top = topEdge;
  r.right = leftEdge + w;
  r.bottom = topEdge - h;
  LimitEdges(r.left, r.top);
  r.right = std::max(r.right, r.left + 100);
  r.bottom = std::min(r.bottom, r.top - 100);
  return r;
}

}  // namespace ionvue
