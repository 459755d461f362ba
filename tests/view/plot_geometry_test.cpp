#include "viewer/view/plot_geometry.h"

#include <gtest/gtest.h>

#include "platform/settings.h"
#include "tests/view/view_fixture.h"
#include "viewer/view/view_settings.h"

namespace ionvue {
namespace {

using testing::kPortrait;

TEST(PlotRect, SizesByDisplayMode) {
  struct Case {
    char mode;
    double width, height;
    PlotRect rect;
  } cases[] = {
      {'L', 0, 0, {1440, -566, 1440 + 12472, -566 - 8787}},
      {'P', 0, 0, {1440, -566, 1440 + 8503, -566 - 5669}},
      // 15 cm x 0.3937... x 1440 = 8503.9 -> 8503; 10 cm -> 5669.
      {'C', 15, 10, {1440, -566, 1440 + 8503, -566 - 5669}},
      {'V', 20, 5, {1440, -566, 1440 + 11338, -566 - 2834}},
      // Too small sizes keep 100 twips.
      {'V', 0, -3, {1440, -566, 1540, -666}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ComputePlotRect(c.mode, 1440, -566, c.width, c.height), c.rect) << c.mode;
}

TEST(PlotRect, TheCornerStaysOnThePage) {
  PlotRect r = ComputePlotRect('P', 0, 50, 0, 0);
  EXPECT_EQ(r.left, 100);
  EXPECT_EQ(r.top, -100);
  EXPECT_EQ(r.right, 8503);  // from the edge as given, then at least left + 100
  EXPECT_EQ(r.bottom, 50 - 5669);
  EXPECT_EQ(LeftEdgeFromCm(2.54), 1440);
  EXPECT_EQ(TopEdgeFromCm(1.0), -566);
  // A damaged store cannot overflow the arithmetic.
  PlotRect huge = ComputePlotRect('V', 1440, -566, 1e30, 1e30);
  EXPECT_GT(huge.right, huge.left);
  EXPECT_LT(huge.bottom, huge.top);
}

TEST(PlotRect, ModeNames) {
  EXPECT_EQ(DisplayModeFromText("Landscape"), 'L');
  EXPECT_EQ(DisplayModeFromText("Portrait"), 'P');
  EXPECT_EQ(DisplayModeFromText("Custom"), 'C');
  EXPECT_EQ(DisplayModeFromText("Variable"), 'V');
  EXPECT_EQ(DisplayModeFromText("portrait"), 'V');
}

class ViewSettingsTest : public testing::ViewTest {};

TEST_F(ViewSettingsTest, DefaultsGiveThePortraitPlotAndKeysAreWrittenBack) {
  CIonvueView& v = View();
  const CDisplayState& st = v.state();
  EXPECT_EQ(st.rect, kPortrait);
  EXPECT_EQ(st.displayMode, 'P');
  EXPECT_TRUE(st.halfFrame);
  EXPECT_EQ(st.mzTitle, "m/z");
  EXPECT_EQ(st.intensityTitle, "Intensity");
  EXPECT_EQ(st.axisFont.height, -240);
  EXPECT_EQ(st.crossColor, kNavy);
  // The font keys exist as soon as a view has been made.
  EXPECT_TRUE(Settings().Has("Fonts", "FontSize"));
  EXPECT_TRUE(Settings().Has("Fonts", "LabelFontWeight"));
  EXPECT_FALSE(Settings().Has("Graph", "LeftEdge"));

  view.reset();
  SettingsStore& s = Settings();
  EXPECT_EQ(s.GetString("Graph", "LeftEdge", ""), "2.54");
  EXPECT_EQ(s.GetString("Graph", "TopEdge", ""), "1.00");
  EXPECT_EQ(s.GetString("Colors", "Crosses", ""), "8388608");
  EXPECT_EQ(s.GetString("Graph", "DefaultMzLabel", ""), "m/z");
  EXPECT_EQ(s.GetInt("Graph", "SpectrumLineWidth", 0), 1);
  EXPECT_EQ(s.GetInt("Printer", "SpinPrinterFont", 0), 1);
  EXPECT_EQ(s.GetString("Calibration", "CalibrantName", ""), "none");
}

TEST_F(ViewSettingsTest, StoredValuesShapeTheNextView) {
  SettingsStore& s = Settings();
  s.WriteString("Graph", "DisplayMode", "Custom");
  s.WriteString("Graph", "CustomDisplayWidth", "20.0");
  s.WriteString("Graph", "CustomDisplayHeight", "5.0");
  s.WriteString("Graph", "FrameType", "full-frame");
  s.WriteString("Graph", "LeftEdge", "1.0");
  s.WriteString("Colors", "Crosses", "255");
  s.WriteInt("Graph", "FrameLineWidth", 3);
  CIonvueView& v = View();
  EXPECT_EQ(v.state().rect, (PlotRect{566, -566, 566 + 11338, -566 - 2834}));
  EXPECT_FALSE(v.state().halfFrame);
  EXPECT_EQ(v.state().crossColor, kRed);
  EXPECT_EQ(v.state().frameLineWidth, 3);
  v.state().crossColor = kGreen;
  view.reset();
  EXPECT_EQ(Settings().GetString("Colors", "Crosses", ""), "32768");
  EXPECT_EQ(Settings().GetString("Graph", "LeftEdge", ""), "1.00");
}

TEST_F(ViewSettingsTest, ASharedRectangleMakesTheModeVariable) {
  CIonvueView& v = View();
  v.state().mouseMode = 'C';
  v.ApplySharedRectangle({1000, -1000, 6670, -4402});
  EXPECT_EQ(v.state().displayMode, 'V');
  EXPECT_EQ(v.state().mouseMode, 's');
  EXPECT_NEAR(v.state().displayWidth, 5670 * 0.0017638888888888889, 1e-12);
  EXPECT_NEAR(v.state().displayHeight, 3402 * 0.0017638888888888889, 1e-12);
  v.state().displayMode = 'L';
  v.RecomputeRectangle();
  EXPECT_EQ(v.state().rect, (PlotRect{1440, -566, 1440 + 12472, -566 - 8787}));
}

TEST_F(ViewSettingsTest, ModeCommandsAndCornerResizes) {
  CIonvueView& v = View();
  v.SetDisplayMode('L');
  EXPECT_EQ(v.state().rect, (PlotRect{1440, -566, 1440 + 12472, -566 - 8787}));
  EXPECT_EQ(Settings().GetString("Graph", "DisplayMode", ""), "Landscape");
  v.ResizePlot({2000, -1000, 7000, -5000}, false);
  EXPECT_EQ(v.state().leftEdge, 1440);
  v.ResizePlot({2000, -1000, 7000, -5000}, true);
  EXPECT_EQ(v.state().leftEdge, 2000);
  EXPECT_EQ(v.state().topEdge, -1000);
  EXPECT_EQ(v.state().displayMode, 'V');
  v.SetDisplayMode('P');  // from the moved corner
  EXPECT_EQ(v.state().rect, (PlotRect{2000, -1000, 2000 + 8503, -1000 - 5669}));
  view.reset();
  EXPECT_EQ(Settings().GetString("Graph", "LeftEdge", ""), "3.53");
  EXPECT_EQ(Settings().GetString("Graph", "DisplayMode", ""), "Portrait");
}

}  // namespace
}  // namespace ionvue
