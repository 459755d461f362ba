// MouseZooming with the left button, replaying with the right, and the limits of
// both.

#include <gtest/gtest.h>

#include "tests/view/mouse_test_fixture.h"
#include "viewer/view/display_state.h"

namespace ionvue::testing {
namespace {

using MouseZooming = MouseTest;

TEST_F(MouseZooming, TwoClicksZoomAndMarkTheFirstPoint) {
  mouse.LeftPress(At(1200));
  EXPECT_EQ(mouse.Mode(), MouseMode::ZoomSecondPoint);
  EXPECT_EQ(Prompt(), "Select second point LMB, Cancel RMB");
  EXPECT_DOUBLE_EQ(mouse.ZoomStart(), 1200);
  ASSERT_EQ(view.markers.size(), 1u);
  const MarkerLine& m = view.markers[0];
  EXPECT_EQ(m.from, (Point{3000, -6000 + 42}));
  EXPECT_EQ(m.to, (Point{3000, -1000 - 42}));
  EXPECT_EQ(m.pen.color, kNavy);
  EXPECT_EQ(m.pen.style, Pen::Style::Dot);
  EXPECT_EQ(m.pen.width, 1);
  EXPECT_EQ(m.strip, (PlotRect{2972, -1028, 3028, -5972}));
  EXPECT_TRUE(view.redraws.empty()) << "a redraw would wipe the marker";

  mouse.LeftRelease(At(1200));
  EXPECT_EQ(mouse.Mode(), MouseMode::ZoomSecondPoint);

  mouse.LeftPress(At(1500));
  EXPECT_EQ(mouse.Mode(), MouseMode::Idle);
  EXPECT_EQ(view.zoom.Depth(), 1);
  EXPECT_DOUBLE_EQ(view.zoom.Low(), 1200);
  EXPECT_DOUBLE_EQ(view.zoom.High(), 1500);
  EXPECT_GE(view.autoBinning, 1);
  ASSERT_FALSE(view.redraws.empty());
  EXPECT_EQ(view.redraws.back(), RedrawScope::LockedViews);
  EXPECT_EQ(Prompt(), "Zoom LMB, Replay RMB");
  EXPECT_TRUE(Wavs().empty());
}

TEST_F(MouseZooming, SecondPointLeftOfTheFirstZoomsTheSameWay) {
  Zoom(1500, 1200);
  EXPECT_DOUBLE_EQ(view.zoom.Low(), 1200);
  EXPECT_DOUBLE_EQ(view.zoom.High(), 1500);
}

TEST_F(MouseZooming, DragDrawsAFollowingMarkerAndReleaseCompletes) {
  mouse.LeftPress(At(1200));
  mouse.Move(At(1202), true);  // 20 twips: not yet a drag
  EXPECT_EQ(view.markers.size(), 1u);
  mouse.Move(At(1230), true);
  ASSERT_EQ(view.markers.size(), 2u);
  EXPECT_EQ(view.markers[1].from.x, X(1230));
  EXPECT_EQ(view.markers[1].pen.color, kNavy);
  mouse.Move(At(1300), true);
  ASSERT_EQ(view.markers.size(), 4u);
  EXPECT_EQ(view.markers[2].from.x, X(1230));
  EXPECT_EQ(view.markers[2].pen.color, kWhite);
  EXPECT_EQ(view.markers[3].from.x, X(1300));
  mouse.Move(At(1300), false);  // no button: no marker
  EXPECT_EQ(view.markers.size(), 4u);

  mouse.LeftRelease(At(1300));
  EXPECT_EQ(mouse.Mode(), MouseMode::Idle);
  EXPECT_DOUBLE_EQ(view.zoom.Low(), 1200);
  EXPECT_DOUBLE_EQ(view.zoom.High(), 1300);
}

TEST_F(MouseZooming, ShortDragLeavesTheZoomPendingForTheNextClick) {
  mouse.LeftPress(At(1200));
  mouse.Move(At(1202), true);
  mouse.LeftRelease(At(1202));
  EXPECT_EQ(mouse.Mode(), MouseMode::ZoomSecondPoint);
  EXPECT_EQ(view.zoom.Depth(), 0);
  mouse.LeftPress(At(1400));
  EXPECT_EQ(view.zoom.Depth(), 1);
  EXPECT_DOUBLE_EQ(view.zoom.High(), 1400);
}

TEST_F(MouseZooming, RangesOfTenSamplesOrFewerAreRefusedSilently) {
  struct Case {
    double end;
    bool pushed;
  } cases[] = {{1210, false}, {1211, true}, {1190, false}, {1189, true}, {1200, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.end);
    view.zoom.Reset(1000, 2000);
    view.ClearRecords();
    Zoom(1200, c.end);
    EXPECT_EQ(view.zoom.Depth(), c.pushed ? 1 : 0);
    EXPECT_EQ(mouse.Mode(), MouseMode::Idle);
    EXPECT_FALSE(view.redraws.empty());
  }
  EXPECT_TRUE(Wavs().empty());
}

TEST_F(MouseZooming, ReplayPopsAndBeepsAtTheFullRange) {
  Zoom(1200, 1500);
  view.ClearRecords();
  mouse.RightPress(At(1300));
  EXPECT_EQ(view.zoom.Depth(), 0);
  EXPECT_EQ(Prompt(), "Zoom LMB, Replay RMB");
  EXPECT_EQ(view.autoBinning, 1);
  EXPECT_EQ(view.redraws, std::vector<RedrawScope>{RedrawScope::LockedViews});

  view.ClearRecords();
  host.ClearEvents();
  mouse.RightPress(At(1300));
  EXPECT_EQ(Wavs(), std::vector<std::string>{"root/sf_beep.wav"});
  EXPECT_TRUE(view.redraws.empty());
  EXPECT_EQ(host.StatusTexts(0), std::vector<std::string>{"Zoom LMB, Replay RMB"});
}

TEST_F(MouseZooming, RightClickCancelsAPendingZoom) {
  mouse.LeftPress(At(1200));
  mouse.RightPress(At(1300));
  EXPECT_EQ(mouse.Mode(), MouseMode::Idle);
  EXPECT_EQ(view.zoom.Depth(), 0);
  EXPECT_TRUE(Wavs().empty()) << "leaving the mode is not a replay";
  EXPECT_EQ(Prompt(), "Zoom LMB, Replay RMB");
  EXPECT_FALSE(view.redraws.empty());
}

TEST_F(MouseZooming, RightClickOutsideThePlotOpensTheFilterMenuInstead) {
  Zoom(1200, 1500);
  host.ClearEvents();
  const Point outside{500, -3000};
  mouse.RightPress(outside);
  ASSERT_EQ(view.menus.size(), 1u);
  EXPECT_EQ(view.menus[0].first, MouseContextMenu::Filters);
  EXPECT_EQ(view.menus[0].second, outside);
  EXPECT_EQ(view.zoom.Depth(), 1);
  EXPECT_TRUE(host.StatusTexts(0).empty());
}

TEST_F(MouseZooming, ShiftClickReplaysEvenOutsideThePlot) {
  const Point outside{500, -3000};
  Zoom(1200, 1500);
  mouse.KeyPress(MouseKey::Shift);
  mouse.LeftPress(outside);
  EXPECT_EQ(view.zoom.Depth(), 0);
  EXPECT_TRUE(view.menus.empty());
  EXPECT_FALSE(mouse.ShiftHeld()) << "the click consumes the flag";

  Zoom(1200, 1500);
  mouse.LeftPress(outside, /*shift=*/true);
  EXPECT_EQ(view.zoom.Depth(), 0);
}

TEST_F(MouseZooming, ShiftFlagIsClearedByOtherKeysAndAnyRelease) {
  Zoom(1200, 1500);
  mouse.KeyPress(MouseKey::Shift);
  mouse.KeyPress(MouseKey::Other);
  mouse.LeftPress({500, -3000});
  EXPECT_EQ(view.zoom.Depth(), 1);

  mouse.KeyPress(MouseKey::Shift);
  EXPECT_TRUE(mouse.ShiftHeld());
  mouse.KeyRelease();
  EXPECT_FALSE(mouse.ShiftHeld());
  mouse.LeftPress({500, -3000});
  EXPECT_EQ(view.zoom.Depth(), 1);
}

TEST_F(MouseZooming, TwoHundredLevelsThenTheCueAndBackDown) {
  // Each zoom keeps all but the first thousandth of the shown range.
  const Point nearLeft{view.rect.left + 10, -3000};
  const Point right{view.rect.right, -3000};
  for (int i = 0; i < 205; ++i) {
    mouse.LeftPress(nearLeft);
    mouse.LeftRelease(nearLeft);
    mouse.LeftPress(right);
    mouse.LeftRelease(right);
    ASSERT_EQ(mouse.Mode(), MouseMode::Idle);
  }
  EXPECT_EQ(view.zoom.Depth(), CZoomStack::kCapacity - 1);
  EXPECT_EQ(Wavs().size(), 6u) << "the 200th to the 205th zoom are refused";
  EXPECT_LT(view.zoom.Low(), view.zoom.High());

  host.ClearEvents();
  for (int i = 0; i < 199; ++i) mouse.RightPress(right);
  EXPECT_EQ(view.zoom.Depth(), 0);
  EXPECT_TRUE(Wavs().empty());
  mouse.RightPress(right);
  EXPECT_EQ(Wavs().size(), 1u);
}

TEST_F(MouseZooming, DoubleClickOpensThePropertiesMenu) {
  mouse.LeftDoubleClick(At(1300));
  ASSERT_EQ(view.menus.size(), 1u);
  EXPECT_EQ(view.menus[0].first, MouseContextMenu::Properties);
  EXPECT_EQ(mouse.Mode(), MouseMode::Idle);
}

TEST_F(MouseZooming, DoubleClickCancelsAPendingZoomAndErasesItsMarker) {
  // The platform's order: press, release, double click, release.
  mouse.LeftPress(At(1200));
  mouse.LeftRelease(At(1200));
  mouse.LeftDoubleClick(At(1200));
  mouse.LeftRelease(At(1200));
  ASSERT_EQ(view.markers.size(), 2u);
  EXPECT_EQ(view.markers[1].from.x, X(1200));
  EXPECT_EQ(view.markers[1].pen.color, kWhite);
  ASSERT_EQ(view.menus.size(), 1u);
  EXPECT_EQ(view.menus[0].first, MouseContextMenu::Properties);
  EXPECT_EQ(mouse.Mode(), MouseMode::Idle);
  EXPECT_EQ(view.zoom.Depth(), 0);
}

TEST_F(MouseZooming, NothingHappensWithoutData) {
  view.data = false;
  mouse.LeftPress(At(1200));
  mouse.RightPress(At(1200));
  mouse.Move(At(1200), false);
  EXPECT_EQ(mouse.Mode(), MouseMode::Idle);
  EXPECT_TRUE(view.markers.empty());
  EXPECT_TRUE(Wavs().empty());
  EXPECT_EQ(host.status(3), " ");
}

}  // namespace
}  // namespace ionvue::testing
