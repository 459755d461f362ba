// Picking modes, their prompts and cursors, vertical expansion, the pointer's
// m/z, and leaving modes by Escape or lost capture.

#include <gtest/gtest.h>

#include "tests/view/mouse_test_fixture.h"
#include "viewer/view/display_state.h"
#include "viewer/view/mouse_dialogs.h"

namespace ionvue::testing {
namespace {

using MouseModeSwitches = MouseTest;

TEST_F(MouseModeSwitches, EachCommandAnnouncesItsModeAndLeavesItWhenRepeated) {
  view.calibrationPoints = 2;
  struct Case {
    MouseMode mode;
    const char* prompt;
    MouseCursor cursor;
    bool redrawOnExit;
  } cases[] = {
      {MouseMode::CentroidLabels, "Select centroids LMB, Exit RMB", MouseCursor::Crosshair, true},
      {MouseMode::TimeLabels, "Select times LMB, Exit RMB", MouseCursor::Crosshair, false},
      {MouseMode::MassDifferences, "Select points LMB, Exit RMB", MouseCursor::Crosshair, true},
      {MouseMode::Integrals, "Select background point (LMB) or exit (RMB)",
       MouseCursor::BackgroundPick, true},
      {MouseMode::NormalizationPeak, "Select background point (LMB) or exit (RMB)",
       MouseCursor::BackgroundPick, true},
      {MouseMode::CalibrationPoint, "Select peak # 3 LMB, Exit RMB", MouseCursor::Crosshair, false},
      {MouseMode::ExpandRegion, "Select first point LMB, Exit RMB", MouseCursor::Arrow, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<char>(c.mode));
    view.ClearRecords();
    mouse.SelectMode(c.mode);
    EXPECT_EQ(mouse.Mode(), c.mode);
    EXPECT_EQ(Prompt(), c.prompt);
    EXPECT_EQ(mouse.Cursor(), c.cursor);
    EXPECT_TRUE(view.captured());
    EXPECT_EQ(view.modeChanges, std::vector<MouseMode>{c.mode});

    mouse.SelectMode(c.mode);
    EXPECT_EQ(mouse.Mode(), MouseMode::Idle);
    EXPECT_EQ(Prompt(), "Zoom LMB, Replay RMB");
    EXPECT_EQ(mouse.Cursor(), MouseCursor::Arrow);
    EXPECT_FALSE(view.captured());
    EXPECT_EQ(!view.redraws.empty(), c.redrawOnExit);
  }
}

TEST_F(MouseModeSwitches, CentroidTimeAndCalibrationStartOnlyFromIdle) {
  mouse.SelectMode(MouseMode::MassDifferences);
  for (MouseMode m : {MouseMode::CentroidLabels, MouseMode::TimeLabels, MouseMode::CalibrationPoint})
    mouse.SelectMode(m);
  EXPECT_EQ(mouse.Mode(), MouseMode::MassDifferences);

  mouse.SelectMode(MouseMode::Integrals);  // from any mode
  EXPECT_EQ(mouse.Mode(), MouseMode::Integrals);
  EXPECT_TRUE(mouse.BackgroundPending());
  mouse.SelectMode(MouseMode::NormalizationPeak);
  EXPECT_EQ(mouse.Mode(), MouseMode::NormalizationPeak);
  mouse.SelectMode(MouseMode::MassDifferences);
  EXPECT_EQ(mouse.Mode(), MouseMode::MassDifferences);
}

TEST_F(MouseModeSwitches, ModeCommandsNeedData) {
  view.data = false;
  mouse.SelectMode(MouseMode::CentroidLabels);
  mouse.SelectMode(MouseMode::ExpandRegion);
  EXPECT_EQ(mouse.Mode(), MouseMode::Idle);
}

TEST_F(MouseModeSwitches, PicksGoToTheViewUntilARightClick) {
  mouse.SelectMode(MouseMode::CentroidLabels);
  mouse.LeftPress(At(1500));
  mouse.LeftPress(At(1600));
  mouse.LeftPress({500, -3000});  // outside the plot: nothing
  ASSERT_EQ(view.picks.size(), 2u);
  EXPECT_EQ(view.picks[0].mode, MouseMode::CentroidLabels);
  EXPECT_EQ(view.picks[0].at, At(1500));
  EXPECT_DOUBLE_EQ(view.picks[0].mz, 1500);
  EXPECT_EQ(mouse.Mode(), MouseMode::CentroidLabels);
  EXPECT_EQ(view.zoom.Depth(), 0);

  view.ClearRecords();
  mouse.RightPress(At(1500));
  EXPECT_EQ(mouse.Mode(), MouseMode::Idle);
  EXPECT_EQ(Prompt(), "Zoom LMB, Replay RMB");
  EXPECT_FALSE(view.redraws.empty());
  EXPECT_FALSE(view.captured());
  EXPECT_TRUE(Wavs().empty()) << "leaving a mode is not a replay";
}

TEST_F(MouseModeSwitches, RightClickOutOfEachPickingMode) {
  mouse.SelectMode(MouseMode::MassDifferences);
  mouse.RightPress(At(1500));
  EXPECT_EQ(view.referenceForgotten, 1);

  mouse.SelectMode(MouseMode::TimeLabels);
  view.ClearRecords();
  host.ClearEvents();
  mouse.RightPress(At(1500));
  EXPECT_EQ(mouse.Mode(), MouseMode::Idle);
  EXPECT_TRUE(view.redraws.empty()) << "time labels are never drawn";
  EXPECT_EQ(host.StatusTexts(0), std::vector<std::string>{"Zoom LMB, Replay RMB"});
  EXPECT_EQ(view.referenceForgotten, 1);
}

TEST_F(MouseModeSwitches, IntegralClicksAlternateBackgroundAndPeak) {
  mouse.SelectMode(MouseMode::Integrals);
  EXPECT_EQ(ShownCursor(), MouseCursor::BackgroundPick);
  mouse.LeftPress(At(1400));
  EXPECT_FALSE(mouse.BackgroundPending());
  EXPECT_EQ(ShownCursor(), MouseCursor::Crosshair);
  mouse.LeftPress(At(1410));
  EXPECT_TRUE(mouse.BackgroundPending());
  EXPECT_EQ(ShownCursor(), MouseCursor::BackgroundPick);
  EXPECT_EQ(view.picks.size(), 2u);
  EXPECT_EQ(mouse.Mode(), MouseMode::Integrals);
}

TEST_F(MouseModeSwitches, ACompletedPickReturnsToIdleKeepingItsText) {
  mouse.SelectMode(MouseMode::NormalizationPeak);
  mouse.LeftPress(At(1400));
  view.outcome = PickOutcome::ReturnToIdle;
  host.ClearEvents();
  mouse.LeftPress(At(1410));
  EXPECT_EQ(mouse.Mode(), MouseMode::Idle);
  EXPECT_TRUE(host.StatusTexts(0).empty());
  EXPECT_FALSE(view.captured());
}

TEST_F(MouseModeSwitches, ACalibrationPointEndsTheModeWithTheZoomPrompt) {
  mouse.SelectMode(MouseMode::CalibrationPoint);
  EXPECT_EQ(Prompt(), "Select peak # 1 LMB, Exit RMB");
  mouse.LeftPress(At(1400));
  ASSERT_EQ(view.picks.size(), 1u);
  EXPECT_EQ(view.picks[0].mode, MouseMode::CalibrationPoint);
  EXPECT_EQ(mouse.Mode(), MouseMode::Idle);
  EXPECT_EQ(Prompt(), "Zoom LMB, Replay RMB");
  EXPECT_FALSE(view.captured());
}

TEST_F(MouseModeSwitches, ClickedLabelsAreEditedOrDeletedInsteadOfZooming) {
  view.labelAt = [](Point p) { return p.x == X(1400) ? 4 : -1; };
  mouse.LeftPress(At(1400));
  EXPECT_EQ(view.edited, std::vector<int>{4});
  EXPECT_EQ(mouse.Mode(), MouseMode::Idle);
  EXPECT_EQ(view.redraws, std::vector<RedrawScope>{RedrawScope::LockedViews});

  mouse.ToggleDeleteLabelMode();
  EXPECT_EQ(ShownCursor(), MouseCursor::DeleteLabel);
  mouse.LeftPress(At(1400));
  EXPECT_EQ(view.deleted, std::vector<int>{4});
  EXPECT_EQ(view.edited.size(), 1u);

  mouse.LeftPress(At(1500));  // no label there: a zoom starts
  EXPECT_EQ(mouse.Mode(), MouseMode::ZoomSecondPoint);
}

TEST_F(MouseModeSwitches, ExpansionByTwoClicksAsksForTheFactor) {
  mouse.SelectMode(MouseMode::ExpandRegion);
  EXPECT_DOUBLE_EQ(view.expansion.low, -1000.0);
  EXPECT_DOUBLE_EQ(view.expansion.high, 1.0);
  EXPECT_DOUBLE_EQ(view.expansion.factor, 1.0);
  EXPECT_FALSE(view.expansion.active);

  mouse.LeftPress(At(1300));
  EXPECT_DOUBLE_EQ(view.expansion.low, 1300);
  EXPECT_TRUE(view.expansion.active);
  EXPECT_EQ(Prompt(), "Now select the second point ...");
  ASSERT_EQ(view.markers.size(), 1u);
  EXPECT_EQ(view.markers[0].pen.color, kGreen);
  mouse.LeftRelease(At(1300));
  EXPECT_EQ(mouse.Mode(), MouseMode::ExpandRegion);

  host.QueueDialog([](DialogModel& m) {
    auto& d = dynamic_cast<ExpansionFactorDialog&>(m);
    EXPECT_DOUBLE_EQ(d.factor, 2);
    d.factor = 3;
    return true;
  });
  mouse.LeftPress(At(1200));
  EXPECT_EQ(Dialogs(), std::vector<std::string>{"Expand a region"});
  EXPECT_EQ(view.markers.size(), 2u);
  EXPECT_DOUBLE_EQ(view.expansion.low, 1200);
  EXPECT_DOUBLE_EQ(view.expansion.high, 1300);
  EXPECT_DOUBLE_EQ(view.expansion.factor, 3);
  EXPECT_TRUE(view.expansion.active);
  EXPECT_EQ(mouse.Mode(), MouseMode::Idle);
  EXPECT_FALSE(view.captured());
  EXPECT_EQ(view.redraws.back(), RedrawScope::LockedViews);

  mouse.SelectMode(MouseMode::ExpandRegion);  // active: switches it off
  EXPECT_FALSE(view.expansion.active);
  EXPECT_DOUBLE_EQ(view.expansion.factor, 1.0);
  EXPECT_EQ(mouse.Mode(), MouseMode::Idle);
}

TEST_F(MouseModeSwitches, ExpansionByDraggingAndItsCancel) {
  mouse.SelectMode(MouseMode::ExpandRegion);
  mouse.LeftPress(At(1300));
  mouse.Move(At(1350), true);
  ASSERT_EQ(view.markers.size(), 2u);
  EXPECT_EQ(view.markers[1].pen.color, kGreen);
  mouse.LeftRelease(At(1400));  // the fallback accepts the preset factor
  EXPECT_DOUBLE_EQ(view.expansion.low, 1300);
  EXPECT_DOUBLE_EQ(view.expansion.high, 1400);
  EXPECT_DOUBLE_EQ(view.expansion.factor, 2);

  mouse.SelectMode(MouseMode::ExpandRegion);
  mouse.SelectMode(MouseMode::ExpandRegion);
  mouse.LeftPress(At(1300));
  host.QueueDialog([](DialogModel&) { return false; });
  mouse.LeftPress(At(1400));
  EXPECT_FALSE(view.expansion.active);
  EXPECT_DOUBLE_EQ(view.expansion.factor, 1.0);
}

TEST_F(MouseModeSwitches, RightClickSwitchesAnUnfinishedExpansionOff) {
  mouse.SelectMode(MouseMode::ExpandRegion);
  mouse.LeftPress(At(1300));
  mouse.RightPress(At(1300));
  EXPECT_EQ(mouse.Mode(), MouseMode::Idle);
  EXPECT_FALSE(view.expansion.active);
  EXPECT_DOUBLE_EQ(view.expansion.low, 0);
  EXPECT_DOUBLE_EQ(view.expansion.high, 0);
  EXPECT_DOUBLE_EQ(view.expansion.factor, 1.0);
  EXPECT_EQ(Prompt(), "Zoom LMB, Replay RMB");
}

TEST_F(MouseModeSwitches, PointerMassInTheDisplayPaneAndTheTooltip) {
  mouse.Move(At(1500), false);
  EXPECT_EQ(host.status(3), "1499.0");  // less the adduct mass 1.0074
  EXPECT_EQ(view.tooltips, std::vector<std::string>{"1499.0"});
  mouse.Move(At(1500), false);
  EXPECT_EQ(host.StatusTexts(3).size(), 2u);
  EXPECT_EQ(view.tooltips.size(), 1u) << "the tooltip changes only with its text";

  mouse.Move({500, -3000}, false);
  EXPECT_EQ(host.status(3), " ");
  EXPECT_EQ(view.tooltips.back(), "");

  view.displayMz = true;
  mouse.Move(At(1500), false);
  EXPECT_EQ(host.status(3), "1500.0");
  EXPECT_TRUE(host.StatusTexts(0).empty());
}

TEST_F(MouseModeSwitches, EscapeLeavesModesAndDrags) {
  mouse.KeyPress(MouseKey::Escape);  // idle: nothing
  EXPECT_TRUE(host.StatusTexts(0).empty());

  mouse.LeftPress(At(1200));
  mouse.KeyPress(MouseKey::Escape);
  EXPECT_EQ(mouse.Mode(), MouseMode::Idle);
  EXPECT_EQ(Prompt(), "Zoom LMB, Replay RMB");
  mouse.LeftPress(At(1500));
  EXPECT_EQ(mouse.Mode(), MouseMode::ZoomSecondPoint) << "a fresh zoom, not a completed one";
  mouse.KeyPress(MouseKey::Escape);

  Zoom(1200, 1500);
  mouse.LeftPress({3000, -150});
  mouse.Move({2000, -150}, true);
  mouse.KeyPress(MouseKey::Escape);
  EXPECT_FALSE(mouse.RangeBarDragging());
  EXPECT_FALSE(view.pendingSet);
  EXPECT_FALSE(view.captured());
  mouse.LeftRelease({2000, -150});
  EXPECT_EQ(view.zoom.Depth(), 1);

  mouse.SelectMode(MouseMode::ExpandRegion);
  mouse.LeftPress(At(1300));
  mouse.KeyPress(MouseKey::Escape);
  EXPECT_FALSE(view.expansion.active);
  EXPECT_EQ(mouse.Mode(), MouseMode::Idle);
}

TEST_F(MouseModeSwitches, LostCaptureAbandonsAResizeButNotAPickingMode) {
  mouse.LeftPress({11200, -6100});
  mouse.CaptureLost();
  EXPECT_EQ(mouse.Mode(), MouseMode::Idle);
  mouse.LeftRelease({13000, -8000});
  EXPECT_TRUE(view.resizes.empty());
  EXPECT_EQ(view.releases, 0) << "the capture was already gone";

  mouse.SelectMode(MouseMode::CentroidLabels);
  EXPECT_EQ(view.captures, 2);
  mouse.CaptureLost();
  mouse.Move(At(1500), false);
  mouse.LeftPress(At(1500));
  EXPECT_EQ(mouse.Mode(), MouseMode::CentroidLabels);
  EXPECT_EQ(view.picks.size(), 1u);
  EXPECT_EQ(view.captures, 2) << "not grabbed back while the mode lasts";
  mouse.RightPress(At(1500));
  EXPECT_EQ(view.releases, 0);
  mouse.SelectMode(MouseMode::CentroidLabels);
  EXPECT_EQ(view.captures, 3);
}

TEST_F(MouseModeSwitches, LostCaptureEndsARangeBarDrag) {
  Zoom(1200, 1500);
  mouse.LeftPress({3000, -150});
  mouse.Move({2000, -150}, true);
  mouse.CaptureLost();
  EXPECT_FALSE(mouse.RangeBarDragging());
  EXPECT_FALSE(view.pendingSet);
  EXPECT_EQ(view.zoom.Depth(), 1);
  EXPECT_TRUE(mouse.ShowsIdlePrompt());
}

TEST_F(MouseModeSwitches, ANewSpectrumResetsToIdleWithoutARedraw) {
  mouse.SelectMode(MouseMode::Integrals);
  view.ClearRecords();
  mouse.ResetToIdle();
  EXPECT_EQ(mouse.Mode(), MouseMode::Idle);
  EXPECT_TRUE(view.redraws.empty());
  EXPECT_FALSE(view.captured());
}

}  // namespace
}  // namespace ionvue::testing
