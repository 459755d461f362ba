// The range bar, the missed-cleavage slider and the two resize corners.

#include <gtest/gtest.h>

#include "platform/settings.h"
#include "tests/view/mouse_test_fixture.h"
#include "viewer/view/mouse_hit_zones.h"

namespace ionvue::testing {
namespace {

TEST(MouseHitZones, EachGadgetAndItsEdges) {
  GadgetLayout g;
  g.plot = PlotRect{1000, -1000, 11000, -6000};
  g.axisHeight = 240;  // quarter 60, half 120
  g.rangeBar = true;
  g.barLowX = 3000;
  g.barHighX = 6000;
  g.sliderLevels = 5;  // slider at x 11300, marker at the bottom
  g.sliderLevel = 1;

  struct Case {
    Point at;
    MouseGadget gadget;
  } cases[] = {
      {{3060, -100}, MouseGadget::RangeBarLow},
      {{2940, -220}, MouseGadget::RangeBarLow},
      {{2939, -100}, MouseGadget::None},
      {{3000, -221}, MouseGadget::None},
      {{3000, -99}, MouseGadget::None},
      {{3061, -100}, MouseGadget::RangeBarWindow},
      {{6000, -150}, MouseGadget::RangeBarHigh},
      {{4500, 20}, MouseGadget::RangeBarWindow},
      {{4500, -220}, MouseGadget::RangeBarWindow},
      {{4500, 21}, MouseGadget::None},
      {{11300, -6000 + 239}, MouseGadget::Slider},
      {{11540, -6000 - 239}, MouseGadget::Slider},
      {{11300, -6000 + 240}, MouseGadget::None},
      {{11541, -6000}, MouseGadget::None},
      {{11300, -6100}, MouseGadget::Slider},  // the slider is tried before the corner
      {{11101, -6001}, MouseGadget::BottomRightHandle},
      {{11350, -6350}, MouseGadget::BottomRightHandle},
      {{11100, -6001}, MouseGadget::None},
      {{11200, -6000}, MouseGadget::None},
      {{11200, -6351}, MouseGadget::None},
      {{650, -1100}, MouseGadget::TopLeftHandle},
      {{949, -901}, MouseGadget::TopLeftHandle},
      {{950, -1000}, MouseGadget::None},
      {{649, -1000}, MouseGadget::None},
      {{700, -900}, MouseGadget::None},
      {{1000, -1000}, MouseGadget::Plot},
      {{11000, -6000}, MouseGadget::Plot},
      {{999, -3000}, MouseGadget::None},
      {{5000, -6001}, MouseGadget::None},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.at.x << "," << c.at.y);
    EXPECT_EQ(HitGadget(g, c.at), c.gadget);
  }

  g.sliderLevels = 0;
  EXPECT_EQ(HitGadget(g, {11300, -6100}), MouseGadget::BottomRightHandle);
  g.rangeBar = false;
  EXPECT_EQ(HitGadget(g, {3000, -100}), MouseGadget::None);
}

TEST(MouseHitZones, SliderLevelsAndDegenerateSliders) {
  const PlotRect plot{1000, -1000, 11000, -6000};
  EXPECT_EQ(SliderMarkerY(plot, 5, 3), -6000 + 2 * 1250);
  EXPECT_EQ(SliderLevelAt(plot, 5, -6000), 1);
  EXPECT_EQ(SliderLevelAt(plot, 5, -6000 + 1249), 1);
  EXPECT_EQ(SliderLevelAt(plot, 5, -6000 + 1250), 2);
  EXPECT_EQ(SliderLevelAt(plot, 5, -7000), 1);
  EXPECT_EQ(SliderLevelAt(plot, 5, 0), 5);
  // One level has no steps; more levels than twips would step by zero.
  EXPECT_EQ(SliderLevelAt(plot, 1, -2000), 1);
  EXPECT_EQ(SliderMarkerY(plot, 1, 1), -6000);
  EXPECT_EQ(SliderMarkerY(plot, 5, 9), -1000) << "a level beyond the digest's stays on the scale";
  const PlotRect flat{1000, -1000, 11000, -1100};
  EXPECT_EQ(SliderLevelAt(flat, 500, -1050), 51);
}

TEST(MouseHitZones, RangeBarMassIsLimitedToTheSpectrum) {
  const PlotRect plot{1000, -1000, 11000, -6000};
  const MassRange full{1000, 2000};
  EXPECT_DOUBLE_EQ(RangeBarMass(plot, full, 6000), 1500);
  EXPECT_DOUBLE_EQ(RangeBarMass(plot, full, 0), 1000);
  EXPECT_DOUBLE_EQ(RangeBarMass(plot, full, 20000), 2000);
}

using MouseRangeBar = MouseTest;

TEST_F(MouseRangeBar, LowHandleStretchesTheRangeAndReleasePushesIt) {
  Zoom(1200, 1500);  // handles at x 3000 and 6000
  view.ClearRecords();
  mouse.LeftPress({3000, -160});
  EXPECT_TRUE(mouse.RangeBarDragging());
  EXPECT_EQ(ShownCursor(), MouseCursor::HorizontalResize);
  EXPECT_TRUE(view.captured());

  mouse.Move({2000, -3000}, true);
  EXPECT_TRUE(view.pendingSet);
  EXPECT_DOUBLE_EQ(view.pending.low, 1100);
  EXPECT_DOUBLE_EQ(view.pending.high, 1500);
  EXPECT_EQ(Prompt(), "1100 - 1500");
  EXPECT_EQ(view.autoBinning, 1);
  EXPECT_EQ(view.redraws, std::vector<RedrawScope>{RedrawScope::ThisView});
  EXPECT_FALSE(mouse.ShowsIdlePrompt());

  mouse.Move({7000, -3000}, true);  // past the high end: ignored
  EXPECT_DOUBLE_EQ(view.pending.low, 1100);

  mouse.LeftRelease({7000, -3000});
  EXPECT_FALSE(mouse.RangeBarDragging());
  EXPECT_FALSE(view.pendingSet);
  EXPECT_EQ(view.zoom.Depth(), 2);
  EXPECT_DOUBLE_EQ(view.zoom.Low(), 1100);
  EXPECT_DOUBLE_EQ(view.zoom.High(), 1500);
  EXPECT_EQ(view.redraws.back(), RedrawScope::LockedViews);
  EXPECT_FALSE(view.captured());
  EXPECT_EQ(ShownCursor(), MouseCursor::Arrow);
  EXPECT_TRUE(mouse.ShowsIdlePrompt());
}

TEST_F(MouseRangeBar, HighHandleMovesTheHighEnd) {
  Zoom(1200, 1500);
  mouse.LeftPress({6000, -150});
  mouse.Move({8000, -150}, true);
  EXPECT_EQ(Prompt(), "1200 - 1700");
  mouse.Move({2500, -150}, true);  // below the low end: ignored
  mouse.LeftRelease({2500, -150});
  EXPECT_DOUBLE_EQ(view.zoom.Low(), 1200);
  EXPECT_DOUBLE_EQ(view.zoom.High(), 1700);
}

TEST_F(MouseRangeBar, WindowDragStopsAtTheSpectrumEnd) {
  Zoom(1200, 1500);
  mouse.LeftPress({4500, -100});  // grabs m/z 1350
  mouse.Move({10500, -100}, true);
  EXPECT_DOUBLE_EQ(view.pending.low, 1800);
  EXPECT_DOUBLE_EQ(view.pending.high, 2000);
  mouse.Move({15000, -100}, true);  // beyond the bar: the spectrum's end
  EXPECT_DOUBLE_EQ(view.pending.low, 1850);
  EXPECT_DOUBLE_EQ(view.pending.high, 2000);
  EXPECT_EQ(Prompt(), "1850 - 2000");
  mouse.Move({3500, -100}, true);  // back left, below the start
  EXPECT_DOUBLE_EQ(view.pending.low, 1100);
  EXPECT_DOUBLE_EQ(view.pending.high, 1400);
  mouse.LeftRelease({3500, -100});
  EXPECT_DOUBLE_EQ(view.zoom.Low(), 1100);
  EXPECT_DOUBLE_EQ(view.zoom.High(), 1400);
}

TEST_F(MouseRangeBar, ReleaseOntoATooNarrowRangeGivesTheDefaultBeep) {
  Zoom(1200, 1500);
  mouse.LeftPress({3000, -150});
  mouse.Move({5950, -150}, true);  // low 1495: five samples
  mouse.LeftRelease({5950, -150});
  EXPECT_EQ(Beeps(), std::vector<BeepKind>{BeepKind::Default});
  EXPECT_EQ(view.zoom.Depth(), 1);
  EXPECT_FALSE(view.pendingSet);
  EXPECT_EQ(mouse.Mode(), MouseMode::Idle);
}

TEST_F(MouseRangeBar, MoveWithoutTheButtonEndsTheDragUnapplied) {
  Zoom(1200, 1500);
  mouse.LeftPress({3000, -150});
  mouse.Move({2000, -150}, true);
  mouse.Move({2000, -150}, false);
  EXPECT_FALSE(mouse.RangeBarDragging());
  EXPECT_FALSE(view.pendingSet);
  EXPECT_EQ(view.zoom.Depth(), 1);
  EXPECT_FALSE(view.captured());
  mouse.LeftRelease({2000, -150});
  EXPECT_EQ(view.zoom.Depth(), 1);
}

TEST_F(MouseRangeBar, PressFromAPickingModeEndsInIdle) {
  mouse.SelectMode(MouseMode::CentroidLabels);
  mouse.LeftPress({5000, -100});
  mouse.LeftRelease({5000, -100});
  EXPECT_EQ(mouse.Mode(), MouseMode::Idle);
  EXPECT_TRUE(view.picks.empty());
}

using MouseSlider = MouseTest;

TEST_F(MouseSlider, DragSelectsTheMissedCleavageLevel) {
  view.levels = 5;  // 1250 twips a level
  mouse.LeftPress({11400, -5900});
  EXPECT_TRUE(mouse.SliderDragging());
  EXPECT_EQ(ShownCursor(), MouseCursor::VerticalResize);
  EXPECT_TRUE(view.captured());

  mouse.Move({11400, -6000 + 2600}, true);
  EXPECT_EQ(view.level, 3);
  EXPECT_EQ(Prompt(), "Missed cleavages = 2");
  EXPECT_EQ(view.redraws.size(), 1u);
  mouse.Move({11400, -6000 + 2700}, true);  // same level: text, no redraw
  EXPECT_EQ(host.StatusTexts(0).size(), 2u);
  EXPECT_EQ(view.redraws.size(), 1u);
  mouse.Move({11400, 5000}, true);
  EXPECT_EQ(view.level, 5);
  EXPECT_EQ(Prompt(), "Missed cleavages = 4");

  mouse.LeftRelease({11400, 5000});
  EXPECT_FALSE(mouse.SliderDragging());
  EXPECT_EQ(mouse.Mode(), MouseMode::Idle);
  EXPECT_FALSE(view.captured());
}

TEST_F(MouseSlider, NoSliderWithoutADigest) {
  mouse.LeftPress({11300, -5900});
  EXPECT_FALSE(mouse.SliderDragging());
}

using MouseCornerResize = MouseTest;

TEST_F(MouseCornerResize, BottomRightCornerSavesTheSizeThatReopensTheSamePlot) {
  mouse.LeftPress({11200, -6100});
  EXPECT_EQ(mouse.Mode(), MouseMode::ResizeBottomRight);
  EXPECT_EQ(ShownCursor(), MouseCursor::DiagonalResize);
  EXPECT_TRUE(view.captured());

  mouse.LeftRelease({13000, -8000});
  const PlotRect expected{1000, -1000, 13000, -8000};
  ASSERT_EQ(view.resizes.size(), 1u);
  EXPECT_EQ(view.resizes[0].first, expected);
  EXPECT_FALSE(view.resizes[0].second);
  EXPECT_EQ(view.displayMode, 'V');
  EXPECT_EQ(Settings().GetString("Graph", "DisplayWidth", ""), "21.17");
  EXPECT_EQ(Settings().GetString("Graph", "DisplayHeight", ""), "12.35");
  EXPECT_EQ(Settings().GetString("Graph", "DisplayMode", ""), "Variable");
  EXPECT_EQ(mouse.Mode(), MouseMode::Idle);
  EXPECT_FALSE(view.captured());
  EXPECT_EQ(view.redraws.back(), RedrawScope::LockedViews);

  const PlotRect reopened =
      ComputePlotRect('V', 1000, -1000, Settings().GetReal("Graph", "DisplayWidth", "0"),
                      Settings().GetReal("Graph", "DisplayHeight", "0"));
  EXPECT_NEAR(reopened.right, expected.right, 3);
  EXPECT_NEAR(reopened.bottom, expected.bottom, 3);
}

TEST_F(MouseCornerResize, OutOfLimitsReleaseKeepsTheRectangle) {
  struct Case {
    Point at;
  } cases[] = {{{1100, -8000}}, {{13000, -1100}}, {{13000, 10}}, {{-5, -8000}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.at.x << "," << c.at.y);
    view.displayMode = 'P';
    mouse.LeftPress({11200, -6100});
    mouse.LeftRelease(c.at);
    EXPECT_TRUE(view.resizes.empty());
    EXPECT_EQ(view.displayMode, 'V') << "the mode changes whether or not the plot does";
    EXPECT_EQ(mouse.Mode(), MouseMode::Idle);
  }
  EXPECT_FALSE(Settings().Has("Graph", "DisplayWidth"));
}

TEST_F(MouseCornerResize, TopLeftCornerMovesTheEdges) {
  mouse.LeftPress({800, -1000});
  EXPECT_EQ(mouse.Mode(), MouseMode::ResizeTopLeft);
  mouse.LeftRelease({500, -500});
  ASSERT_EQ(view.resizes.size(), 1u);
  EXPECT_EQ(view.resizes[0].first, (PlotRect{600, -500, 11000, -6000}));
  EXPECT_TRUE(view.resizes[0].second);
  EXPECT_EQ(Settings().GetString("Graph", "DisplayWidth", ""), "18.34");
  EXPECT_EQ(Settings().GetString("Graph", "DisplayHeight", ""), "9.70");
  EXPECT_EQ(Settings().GetString("Graph", "LeftEdge", ""), "1.06");
  EXPECT_EQ(Settings().GetString("Graph", "TopEdge", ""), "0.88");
  EXPECT_EQ(Settings().GetString("Graph", "DisplayMode", ""), "Variable");
  EXPECT_EQ(view.displayMode, 'V');

  view.resizes.clear();
  mouse.LeftPress({400, -500});
  mouse.LeftRelease({10950, -500});  // not 100 left of the right side
  EXPECT_TRUE(view.resizes.empty());
}

TEST_F(MouseCornerResize, RightClickAbandonsTheResize) {
  mouse.LeftPress({11200, -6100});
  mouse.RightPress({13000, -8000});
  EXPECT_EQ(mouse.Mode(), MouseMode::Idle);
  mouse.LeftRelease({13000, -8000});
  EXPECT_TRUE(view.resizes.empty());
}

}  // namespace
}  // namespace ionvue::testing
