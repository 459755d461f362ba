#pragma once
// A loaded document with a linear calibration in which sample i sits at
// m/z i, and a view of it drawn on a recording canvas.

#include <cmath>
#include <memory>
#include <ostream>
#include <vector>

#include "platform/scripted_host.h"
#include "tests/support/test_support.h"
#include "viewer/core/digest_source.h"
#include "viewer/core/document.h"
#include "viewer/view/ionvue_view.h"
#include "viewer/view/recording_canvas.h"

namespace ionvue {
inline void PrintTo(const Point& p, std::ostream* os) { *os << "(" << p.x << ", " << p.y << ")"; }
}  // namespace ionvue

namespace ionvue::testing {

// Fills a spectrum: linear model, a0 = 0, a1 = 1, time base 1, offset 0.
inline void MakeLinear(CSpectrum& s, int samples, int32_t level = 1) {
  ASSERT_TRUE(s.Resize(samples));
  for (int i = 0; i < samples; ++i) s.m_pData[i] = level;
  s.m_bTOF = 0;
  s.m_bDeTOF = 0;
  s.m_dA[0] = 0;
  s.m_dA[1] = 1;
  s.m_dA[2] = s.m_dA[3] = 0;
  s.m_dTimeBase = 1;
  s.m_nOffset = 0;
  s.m_nShots = 1;
  s.m_nCharge = 1;
}

// A mass template or cleavage table reduced to (mass, fragments in run)
// pairs, enumerated as the view asks for them.
class FakeDigest : public DigestSource {
 public:
  struct Match {
    double mass;
    int fragments;
  };
  FakeDigest(std::vector<Match> matches, bool plain, int fragmentCount)
      : matches_(std::move(matches)), plain_(plain), count_(fragmentCount) {}
  int IsPlainList() const override { return plain_; }
  int FragmentCount() const override { return count_; }
  void ResetEnumeration() override { next_ = 0; }
  double NextMatch(double centre, double halfWidth, int& firstResidue, int& lastResidue,
                   int& firstFragment, int& fragmentsInRun) override {
    ++calls;
    while (next_ < matches_.size()) {
      const Match& m = matches_[next_++];
      if (std::fabs(m.mass - centre) <= halfWidth) {
        if (!plain_) {
          firstResidue = 1;
          lastResidue = 2;
          firstFragment = 1;
          fragmentsInRun = m.fragments;
        }
        return m.mass;
      }
    }
    return 0.0;
  }
  int calls = 0;

 private:
  std::vector<Match> matches_;
  size_t next_ = 0;
  bool plain_;
  int count_;
};

class ViewTest : public TempDirTest {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    doc = std::make_unique<CIonvueDoc>(host, services);
  }
  void TearDown() override {
    view.reset();
    doc.reset();
    TempDirTest::TearDown();
  }
  // A loaded document of `samples` samples at m/z 0 .. samples - 1.
  void Load(int samples, int32_t level = 1) {
    MakeLinear(doc->GetSpectrum(), samples, level);
    doc->m_bLoaded = true;
    doc->SetModifiedFlag(true);
  }
  CIonvueView& View() {
    if (!view) {
      view = std::make_unique<CIonvueView>(*doc, context);
      view->clock = [] { return std::string("  (12:34 05/06/01)"); };
      view->OnInitialUpdate();
    }
    return *view;
  }
  RecordingCanvas Draw(Canvas::Target target = Canvas::Target::Screen) {
    RecordingCanvas canvas(target);
    View().OnDraw(canvas);
    return canvas;
  }
  int32_t* Samples() { return doc->GetSpectrum().m_pData.get(); }

  ScriptedHost host;
  DocumentServices services;
  ViewContext context;
  std::unique_ptr<CIonvueDoc> doc;
  std::unique_ptr<CIonvueView> view;
};

// The default plot: portrait, 2.54 cm from the left, 1 cm from the top.
inline constexpr PlotRect kPortrait{1440, -566, 1440 + 8503, -566 - 5669};

}  // namespace ionvue::testing
