#include "viewer/services/main_frame.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/settings.h"
#include "tests/support/test_support.h"
#include "viewer/services/application_state.h"
#include "viewer/services/command_table.h"
#include "viewer/services/peak_parameter_fields.h"
#include "viewer/services/status_bar_model.h"
#include "viewer/services/toolbar_layout.h"
#include "viewer/services/window_placement.h"

namespace ionvue {
namespace {

using MainFrameTest = testing::TempDirTest;

TEST_F(MainFrameTest, EntryFieldsStartFromTheirDefaults) {
  PeakParameterFields fields;
  EXPECT_EQ(fields.CentroidWidthText(), "5");
  EXPECT_EQ(fields.SignalToNoiseText(), "4.0");
  EXPECT_EQ(fields.ResolutionText(), "6000");
}

TEST_F(MainFrameTest, EntryFieldsSaveWhatTheyAcceptAndRevertTheRest) {
  struct Case {
    const char* text;
    bool centroid, sn, resolution;
  };
  const Case cases[] = {
      {"0", false, false, false},   {"abc", false, false, false},
      {"0.5", false, false, false}, {"-3", false, false, false},
      {"1", true, true, true},      {"12x", true, true, true},
      {"2.75", true, true, true},   {"99999999999", false, true, false},
      {"inf", false, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    PeakParameterFields fields;
    EXPECT_EQ(fields.EditCentroidWidth(c.text), c.centroid);
    EXPECT_EQ(fields.EditSignalToNoise(c.text), c.sn);
    EXPECT_EQ(fields.EditResolution(c.text), c.resolution);
  }
  ReopenSettings();
  PeakParameterFields fields;
  EXPECT_FALSE(fields.EditCentroidWidth("0"));
  EXPECT_EQ(fields.CentroidWidthText(), "2");  // the last accepted value, "2.75" read as 2
  EXPECT_TRUE(fields.EditSignalToNoise("7.26"));
  EXPECT_EQ(Settings().GetString("Graph", "StoN", ""), "7.3");
  EXPECT_EQ(Settings().GetInt("Centroid", "centroid_width", 0), 2);
  EXPECT_EQ(Settings().GetInt("Graph", "FWHM", 0), 2);
}

TEST_F(MainFrameTest, DamagedStoredParametersFallBackToTheDefaults) {
  Settings().WriteInt("Centroid", "centroid_width", -4);
  Settings().WriteString("Graph", "StoN", "0.2");
  Settings().WriteInt("Graph", "FWHM", 0);
  PeakParameterFields fields;
  EXPECT_EQ(fields.centroidWidth(), 5);
  EXPECT_EQ(fields.SignalToNoiseText(), "4.0");
  EXPECT_EQ(fields.resolution(), 6000);
}

TEST_F(MainFrameTest, WindowPlacementDefaultsSanityAndMaximisedClose) {
  WindowPlacement start = WindowPlacement::Load();
  EXPECT_EQ(start.width, 800);
  EXPECT_EQ(start.height, 600);
  EXPECT_EQ(start.left, 0);
  EXPECT_EQ(start.top, 0);

  WindowPlacement moved{120, 80, 1024, 700};
  EXPECT_TRUE(moved.Save(false, false));
  WindowPlacement maximised{0, 0, 1920, 1080};
  EXPECT_FALSE(maximised.Save(false, true));
  EXPECT_FALSE(maximised.Save(true, false));
  WindowPlacement back = WindowPlacement::Load();
  EXPECT_EQ(back.left, 120);
  EXPECT_EQ(back.width, 1024);

  Settings().WriteInt("General", "WindowWidth", 3);
  Settings().WriteInt("General", "WindowHeight", 900000);
  Settings().WriteInt("General", "WindowLeft", -2000000000);
  WindowPlacement damaged = WindowPlacement::Load();
  EXPECT_EQ(damaged.width, 800);
  EXPECT_EQ(damaged.height, 600);
  EXPECT_EQ(damaged.left, 0);

  WindowPlacement far{5000, -300, 1200, 900};
  WindowPlacement fitted = far.FitTo(0, 0, 1024, 768);
  EXPECT_EQ(fitted.width, 1024);
  EXPECT_EQ(fitted.height, 768);
  EXPECT_EQ(fitted.left, 0);
  EXPECT_EQ(fitted.top, 0);
}

TEST(StatusBar, FourPanesAndARepaintForEveryChange) {
  StatusBarModel bar;
  std::vector<int> repainted;
  bar.onChanged = [&](int pane) { repainted.push_back(pane); };
  EXPECT_TRUE(bar.SetPaneText(0, "Zoom LMB, Replay RMB"));
  EXPECT_TRUE(bar.SetPaneText(3, "1234.5"));
  EXPECT_FALSE(bar.SetPaneText(4, "x"));
  EXPECT_FALSE(bar.SetPaneText(-1, "x"));
  EXPECT_EQ(bar.PaneText(0), "Zoom LMB, Replay RMB");
  EXPECT_EQ(bar.PaneText(3), "1234.5");
  EXPECT_EQ(bar.PaneText(7), "");
  EXPECT_EQ(repainted, (std::vector<int>{0, 3}));
  EXPECT_EQ(StatusBarModel::PaneWidth(1), 80);
  EXPECT_EQ(StatusBarModel::PaneWidth(3), 80);
}

TEST(Toolbars, EveryButtonIsACommandOfTheTable) {
  auto bars = Toolbars();
  ASSERT_EQ(bars.size(), 2u);
  EXPECT_EQ(bars[0].caption, "Display: ");
  EXPECT_EQ(bars[1].caption, "  Peaks: ");
  EXPECT_FALSE(bars[0].newRow);
  EXPECT_TRUE(bars[1].newRow);
  int buttons = 0, separators = 0;
  for (const ToolbarLayout& bar : bars) {
    EXPECT_NE(bar.buttons.front(), kToolbarSeparator);
    EXPECT_NE(bar.buttons.back(), kToolbarSeparator);
    for (int id : bar.buttons) {
      if (id == kToolbarSeparator) {
        ++separators;
        continue;
      }
      ++buttons;
      EXPECT_NE(FindCommand(id), nullptr) << id;
    }
  }
  EXPECT_EQ(buttons, 14 + 10);
  EXPECT_EQ(separators, 4 + 4);
  EXPECT_EQ(bars[0].buttons[12], cmd::kLockViews);
  EXPECT_EQ(bars[1].buttons.back(), cmd::kAddPoint);
  ASSERT_EQ(EntryBands().size(), 3u);
  EXPECT_EQ(EntryBands()[1].caption, "s/n: ");
  EXPECT_EQ(EntryBands()[2].width, 60);
}

TEST_F(MainFrameTest, ClosingTheFrameDeletesOnlyTheSubmissionPages) {
  for (const char* name : {"query.html", "query17.html", "queryX.htm", "myquery.html", "q.html"})
    WriteFile(std::string("root/") + name, "<html>");
  Settings().WriteString("Defaults", "IVRootDirectory", PathOf("root"));
  ApplicationState state;
  CloseMainFrame(state, WindowPlacement{}, false, true);
  std::vector<std::string> left;
  for (const auto& entry : std::filesystem::directory_iterator(PathOf("root")))
    left.push_back(entry.path().filename().string());
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<std::string>{"myquery.html", "q.html", "queryX.htm"}));
}

TEST_F(MainFrameTest, ToolBarStateLivesBesideTheSettings) {
  EXPECT_EQ(ToolBarStateFile(), PathOf("config/ivuebar.ini"));
  EXPECT_EQ(LoadToolBarState(), "");
  ASSERT_TRUE(SaveToolBarState(std::string("\0\1layout", 8)));
  EXPECT_EQ(LoadToolBarState(), std::string("\0\1layout", 8));
}

}  // namespace
}  // namespace ionvue
