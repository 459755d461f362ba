#pragma once
// The page and the plot rectangle on it, in twips with y upward (the page
// lies at y <= 0).

#include <cstdint>

namespace ionvue {

inline constexpr int32_t kPageWidthTwips = 20160;
inline constexpr int32_t kPageHeightTwips = 15840;
inline constexpr double kTwipsPerCm = 1440 / 2.54;
inline constexpr double kCmPerTwip = 0.0017638888888888889;

struct PlotRect {
  int32_t left = 100, top = -100, right = 200, bottom = -200;
  int32_t Width() const { return right - left; }
  int32_t Height() const { return top - bottom; }
  bool operator==(const PlotRect&) const = default;
};

// 'L' landscape, 'P' portrait, 'C' custom, 'V' variable.
char DisplayModeFromText(const char* text);
const char* DisplayModeText(char mode);

// A position in centimetres from the page's left or top edge as twips
// (the top edge comes out negative).
int32_t LeftEdgeFromCm(double cm);
int32_t TopEdgeFromCm(double cm);
// Keeps a plot's corner on the page: left at least 100, top at most -100.
void LimitEdges(int32_t& left, int32_t& top);

// The rectangle of a plot of the given mode whose top-left corner is at
// (leftEdge, topEdge); 'C' and 'V' take their size in centimetres.
PlotRect ComputePlotRect(char mode, int32_t leftEdge, int32_t topEdge, double widthCm,
                         double heightCm);

}  // namespace ionvue
