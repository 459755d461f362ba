// What lies over or beside the plot: the information block, the hash value
// on paper, the vertical-expansion marker and the digest crosses.

#include <algorithm>
#include <cmath>

#include "platform/settings.h"
#include "viewer/core/digest_source.h"
#include "viewer/core/document.h"
#include "viewer/view/information_text.h"
#include "viewer/view/plot_renderer.h"
#include "viewer/view/view_fonts.h"

namespace ionvue {

namespace {

// More crosses than this on one plot would only blacken it; the limit keeps
// a digest of thousands of fragments from stalling a repaint.
constexpr int kMaxCrosses = 200000;

int32_t BinBefore(const CIonvueDoc& doc, double mz) {
  const int count = std::min<int>(doc.m_nScreenBins, static_cast<int>(doc.m_dScreenMz.size()));
  if (count <= 0) return -1;
  const double* bins = doc.m_dScreenMz.data();
  int i = 0;
  if (std::is_sorted(bins, bins + count))
    i = static_cast<int>(std::lower_bound(bins, bins + count, mz) - bins);
  else
    while (i < count && bins[i] < mz) ++i;
  return std::clamp(i - 1, 0, count - 1);
}

}  // namespace

void DrawInformation(RenderPass& pass, const std::string& timeText) {
  Canvas& c = pass.canvas;
  CDisplayState& st = pass.state;
  const PlotRect& r = pass.map.rect;
  c.SetFont(SmallFont(st));
  c.SetTextColor(kBlack);
  const CSpectrum& spectrum = pass.doc.GetSpectrum();
  const int maxWidth = r.Width() - c.TextExtent("MMM").width;
  st.informationText = InformationLines(
      spectrum.m_pcName + timeText, spectrum.GetPropertyText(), maxWidth,
      [&c](std::string_view text) { return c.TextExtent(std::string(text)).width; });
  int32_t y = r.bottom - TruncTwips(st.smallHeight * 1.65 + st.axisHeight);
  const int32_t advance = TruncTwips(st.smallHeight * 1.1);
  for (const std::string& line : st.informationText) {
    c.Text({r.left, y}, line, TextAlign::TopLeft);
    y -= advance;
  }
  st.informationHeight = r.bottom - y;
}

void DrawHashValue(RenderPass& pass) {
  const auto& hash = pass.doc.GetSpectrum().m_nHash;
  if (hash[0] == 0 && hash[1] == 0 && hash[2] == 0 && hash[3] == 0) return;
  Canvas& c = pass.canvas;
  const PlotRect& r = pass.map.rect;
  c.SetFont(SmallFont(pass.state));
  c.SetTextColor(kBlack);
  c.Text({r.right, r.top + TruncTwips(pass.state.smallHeight * 1.1)},
         Format("%X %X %X %X", hash[0], hash[1], hash[2], hash[3]), TextAlign::TopRight);
}

void DrawExpansionMarker(RenderPass& pass) {
  Canvas& c = pass.canvas;
  const CDisplayState& st = pass.state;
  const PlotRect& r = pass.map.rect;
  const int32_t h = st.axisHeight;
  const int32_t a = pass.map.MassToX(st.expansion.low);
  const int32_t b = pass.map.MassToX(st.expansion.high);
  if ((a < r.left && b < r.left) || (a > r.right && b > r.right)) return;

  c.SetFont(AxisFont(st));
  c.SetTextColor(kBlack);
  c.SetPen(Pen{kBlack, pass.printing() ? 20 : 10});
  const std::string text = Format("x %.1f", st.expansion.factor);
  const int32_t w = c.TextExtent(text).width;
  const int32_t y1 = r.top - 56, y2 = r.top - h - 56;
  const bool wide = static_cast<int64_t>(b) - a >= w;
  const int32_t textY = wide ? y1 : r.top + h;

  const int32_t ta = std::clamp(a, r.left, r.right);
  const int32_t tb = std::clamp(b, r.left, r.right);
  int32_t from = ta, to = tb;
  c.Line({ta, y1}, {ta, y2});
  c.Line({tb, y1}, {tb, y2});
  if (r.left <= a && a < r.right) {
    c.Text({a + 56, textY}, text, TextAlign::TopLeft);
    from = wide ? a + w + 112 : a;
  } else if (a < r.left && r.left < b && b <= r.right) {
    c.Text({b - 56, textY}, text, TextAlign::TopRight);
    to = wide ? b - w - 112 : b;
  }
  c.Line({from, y2 + h / 2}, {to, y2 + h / 2});
}

void DrawCrosses(RenderPass& pass, DigestSource& digest, const Color& color, int32_t penWidth) {
  Canvas& c = pass.canvas;
  const CIonvueDoc& doc = pass.doc;
  const int32_t h = pass.state.axisHeight;
  const double centre = (pass.map.low + pass.high) / 2;
  const double halfWidth = (pass.high - pass.map.low) / 2;
  c.SetPen(Pen{color, penWidth});

  digest.ResetEnumeration();
  for (int drawn = 0; drawn < kMaxCrosses;) {
    int firstResidue = 0, lastResidue = 0, firstFragment = 0, fragmentsInRun = 0;
    const double m = digest.NextMatch(centre, halfWidth, firstResidue, lastResidue, firstFragment,
                                      fragmentsInRun);
    if (!(m > 0.1)) break;
    if (fragmentsInRun > pass.state.missedCleavageLevel) continue;
    const double mz = m + pass.state.adductMass;
    const int32_t x = pass.map.MassToX(mz);
    const int bin = BinBefore(doc, mz);
    const int32_t y =
        bin < 0 ? pass.map.rect.bottom
                : pass.map.IntensityToY(doc.m_nScreenIntensity[bin], doc.m_dScreenMz[bin]);
    c.Line({x, y + h / 2}, {x, y - h / 2});
    c.Line({x + h / 2, y}, {x - h / 2, y});
    ++drawn;
  }
}

}  // namespace ionvue
