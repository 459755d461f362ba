// The zoom stack as the view runs it: pushes, replays, the sounds of refused
// ones, publishing to the shared range and the sample-count check.

#include <gtest/gtest.h>

#include "tests/view/view_fixture.h"

namespace ionvue {
namespace {

class ZoomTest : public testing::ViewTest {
 protected:
  void SetUp() override {
    ViewTest::SetUp();
    Load(1001);  // m/z 1 .. 1001
    Draw();
    host.ClearEvents();
  }
  std::vector<std::string> Sounds() const {
    std::vector<std::string> out;
    for (const HostEvent& e : host.events())
      if (e.kind == HostEvent::Kind::Wav) out.push_back(e.text);
    return out;
  }
};

TEST_F(ZoomTest, AChangedDocumentIsShownWholeAndPublished) {
  CIonvueView& v = View();
  EXPECT_FALSE(doc->IsModified());  // consumed by the redraw
  EXPECT_EQ(v.state().zoom.Depth(), 0);
  EXPECT_DOUBLE_EQ(v.DisplayedLow(), 1);
  EXPECT_DOUBLE_EQ(v.DisplayedHigh(), 1001);
  EXPECT_DOUBLE_EQ(context.sharedLow, 1);
  EXPECT_DOUBLE_EQ(context.sharedHigh, 1001);
  EXPECT_EQ(host.status(0), CIonvueView::kIdlePrompt);
}

TEST_F(ZoomTest, PushClampsOrdersAndPublishes) {
  CIonvueView& v = View();
  ASSERT_TRUE(v.PushRange(700, -50));
  EXPECT_EQ(v.state().zoom.Depth(), 1);
  EXPECT_DOUBLE_EQ(v.DisplayedLow(), 1);
  EXPECT_DOUBLE_EQ(v.DisplayedHigh(), 700);
  EXPECT_DOUBLE_EQ(v.DisplayedWidth(), 699);
  EXPECT_DOUBLE_EQ(context.sharedLow, 1);
  EXPECT_DOUBLE_EQ(context.sharedHigh, 700);
  EXPECT_TRUE(v.state().autoBinning);
  EXPECT_TRUE(Sounds().empty());
}

TEST_F(ZoomTest, TheRangeShownAlreadyIsIgnoredQuietlyAnEmptyOneBeeps) {
  CIonvueView& v = View();
  ASSERT_TRUE(v.PushRange(100, 200));
  EXPECT_FALSE(v.PushRange(200, 100));
  EXPECT_TRUE(Sounds().empty());
  EXPECT_FALSE(v.PushRange(150, 150));
  EXPECT_FALSE(v.PushRange(5000, 6000));  // both clamp to 1001
  EXPECT_EQ(Sounds(), (std::vector<std::string>{"none/sf_beep.wav", "none/sf_beep.wav"}));
  EXPECT_EQ(v.state().zoom.Depth(), 1);
}

TEST_F(ZoomTest, TwoHundredEntriesHoldTheFullRangeAnd199Zooms) {
  CIonvueView& v = View();
  for (int i = 1; i <= 199; ++i) ASSERT_TRUE(v.PushRange(1 + i, 1001 - i)) << i;
  EXPECT_EQ(v.state().zoom.Depth(), 199);
  EXPECT_TRUE(Sounds().empty());
  EXPECT_FALSE(v.PushRange(400, 500));
  EXPECT_EQ(Sounds(), std::vector<std::string>{"none/sf_beep.wav"});
  EXPECT_DOUBLE_EQ(v.DisplayedLow(), 200);
  EXPECT_DOUBLE_EQ(v.DisplayedHigh(), 802);
  // Replay walks back down to the full range, which then beeps.
  for (int i = 0; i < 199; ++i) ASSERT_TRUE(v.PopRange());
  EXPECT_DOUBLE_EQ(v.DisplayedHigh(), 1001);
  EXPECT_FALSE(v.PopRange());
  EXPECT_EQ(Sounds().size(), 2u);
  EXPECT_EQ(v.state().zoom.Depth(), 0);
  Draw();  // a full stack draws like any other
}

TEST_F(ZoomTest, ReplayPublishesTheRangeBelow) {
  CIonvueView& v = View();
  v.PushRange(100, 900);
  v.PushRange(300, 400);
  ASSERT_TRUE(v.PopRange());
  EXPECT_DOUBLE_EQ(context.sharedLow, 100);
  EXPECT_DOUBLE_EQ(context.sharedHigh, 900);
}

TEST_F(ZoomTest, ARangeMustCoverMoreThanTenSamples) {
  CIonvueView& v = View();
  EXPECT_FALSE(v.CoversEnoughSamples(100, 110));
  EXPECT_TRUE(v.CoversEnoughSamples(100, 111));
  EXPECT_TRUE(v.CoversEnoughSamples(111, 100));
  EXPECT_FALSE(v.CoversEnoughSamples(-50, 5));  // below 0 counts as sample 0
}

TEST_F(ZoomTest, ARangeBarDragShowsItsPendingRangeAndPushesOnRelease) {
  CIonvueView& v = View();
  v.BeginRangeDrag();
  v.SetPendingRange(300, 305);
  EXPECT_DOUBLE_EQ(v.DisplayedLow(), 300);
  EXPECT_EQ(v.MassToX(300), testing::kPortrait.left);
  host.ClearEvents();
  Draw();
  EXPECT_TRUE(host.StatusTexts(0).empty());  // no idle prompt during a drag
  EXPECT_FALSE(v.EndRangeDrag());            // too narrow: the default beep
  ASSERT_FALSE(host.events().empty());
  EXPECT_EQ(host.events().back().kind, HostEvent::Kind::Beep);
  EXPECT_EQ(v.state().zoom.Depth(), 0);
  v.BeginRangeDrag();
  v.SetPendingRange(300, 600);
  EXPECT_TRUE(v.EndRangeDrag());
  EXPECT_FALSE(v.state().rangeDrag);
  EXPECT_DOUBLE_EQ(v.DisplayedHigh(), 600);
}

TEST_F(ZoomTest, LockedViewsFollowTheSharedRangeWithoutBeeping) {
  CIonvueView& v = View();
  context.viewsLocked = true;
  context.sharedLow = 800;
  context.sharedHigh = 200;
  Draw();
  EXPECT_DOUBLE_EQ(v.DisplayedLow(), 200);
  EXPECT_DOUBLE_EQ(v.DisplayedHigh(), 800);
  context.sharedLow = context.sharedHigh = 5000;  // beyond this spectrum
  Draw();
  Draw();
  EXPECT_TRUE(Sounds().empty());
  EXPECT_DOUBLE_EQ(v.DisplayedHigh(), 800);
}

TEST_F(ZoomTest, DisplayFullSpectrumReturnsToDepthZero) {
  CIonvueView& v = View();
  v.PushRange(100, 900);
  v.PushRange(300, 400);
  v.state().autoBinning = false;
  v.ShowFullSpectrum();
  EXPECT_EQ(v.state().zoom.Depth(), 0);
  EXPECT_TRUE(v.state().autoBinning);
  EXPECT_DOUBLE_EQ(context.sharedHigh, 1001);
}

TEST_F(ZoomTest, RepaintsReuseTheBinsUntilSomethingAsksForNewOnes) {
  CIonvueView& v = View();
  Draw();
  const double factor = v.state().binFactor;
  Samples()[600] = 4444;  // changed in place, as nothing but a test does
  Draw();
  EXPECT_EQ(doc->m_nScreenIntensity[599], 1);
  v.RequestAutoBinning();
  Draw();
  EXPECT_EQ(doc->m_nScreenIntensity[599], 4444);
  EXPECT_EQ(v.state().binFactor, factor);
  ASSERT_TRUE(v.PushRange(100, 900));
  Draw();
  EXPECT_DOUBLE_EQ(doc->m_dScreenMz[0], 100);
  doc->SetModifiedFlag(true);  // new data: shown whole and binned afresh
  Draw();
  EXPECT_DOUBLE_EQ(doc->m_dScreenMz[0], 1);
}

}  // namespace
}  // namespace ionvue
