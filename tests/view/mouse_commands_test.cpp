// The commands that switch modes or change only what is displayed: their
// enabling and check marks, their dialogs and what they save.

#include <gtest/gtest.h>

#include "platform/settings.h"
#include "tests/view/mouse_test_fixture.h"
#include "viewer/view/mouse_commands.h"
#include "viewer/view/mouse_dialogs.h"

namespace ionvue::testing {
namespace {

class MouseCommandsTest : public MouseTest {
 protected:
  CMouseCommands commands{host, mouse, view, view};
  bool Enabled(MouseCommand c) const { return commands.Update(c).enabled; }
  bool Checked(MouseCommand c) const { return commands.Update(c).checked; }
};

TEST_F(MouseCommandsTest, WithoutDataOnlyTheLayoutCommandsAreEnabled) {
  view.data = false;
  const MouseCommand needData[] = {
      MouseCommand::DisplayFullSpectrum, MouseCommand::SetDisplayRange,
      MouseCommand::SetIntensityRange,   MouseCommand::ZoomRegion,
      MouseCommand::ZoomIn,              MouseCommand::ZoomOut,
      MouseCommand::SetCustom,           MouseCommand::FullFrame,
      MouseCommand::DeleteLabelMode,     MouseCommand::LabelCentroid,
      MouseCommand::LabelMassDifferences, MouseCommand::LabelTime,
      MouseCommand::LabelIntegral,       MouseCommand::Normalization,
      MouseCommand::AddCalibrationPoint,
  };
  for (MouseCommand c : needData) {
    SCOPED_TRACE(static_cast<int>(c));
    EXPECT_FALSE(Enabled(c));
    EXPECT_FALSE(commands.Execute(c));
  }
  for (MouseCommand c : {MouseCommand::LandscapePlot, MouseCommand::PortraitPlot,
                         MouseCommand::CustomPlot, MouseCommand::AxisLabels,
                         MouseCommand::LineWidth, MouseCommand::CrossColor})
    EXPECT_TRUE(Enabled(c));
}

TEST_F(MouseCommandsTest, ChecksFollowTheState) {
  EXPECT_FALSE(Checked(MouseCommand::LabelCentroid));
  ASSERT_TRUE(commands.Execute(MouseCommand::LabelCentroid));
  EXPECT_TRUE(Checked(MouseCommand::LabelCentroid));
  EXPECT_TRUE(commands.Update(MouseCommand::LabelCentroid).checkable);
  commands.Execute(MouseCommand::LabelCentroid);

  struct Case {
    MouseCommand command;
    MouseMode mode;
  } modes[] = {{MouseCommand::LabelMassDifferences, MouseMode::MassDifferences},
               {MouseCommand::LabelTime, MouseMode::TimeLabels},
               {MouseCommand::LabelIntegral, MouseMode::Integrals},
               {MouseCommand::AddCalibrationPoint, MouseMode::CalibrationPoint}};
  for (const Case& c : modes) {
    commands.Execute(c.command);
    EXPECT_EQ(mouse.Mode(), c.mode);
    EXPECT_TRUE(Checked(c.command));
    commands.Execute(c.command);
    EXPECT_FALSE(Checked(c.command));
  }

  commands.Execute(MouseCommand::Normalization);
  EXPECT_EQ(mouse.Mode(), MouseMode::NormalizationPeak);
  EXPECT_FALSE(Checked(MouseCommand::Normalization)) << "checked by an existing peak, not the mode";
  view.normalizationPeak = true;
  EXPECT_TRUE(Checked(MouseCommand::Normalization));

  EXPECT_FALSE(Checked(MouseCommand::DeleteLabelMode));
  commands.Execute(MouseCommand::DeleteLabelMode);
  EXPECT_TRUE(Checked(MouseCommand::DeleteLabelMode));

  view.displayMode = 'L';
  EXPECT_TRUE(Checked(MouseCommand::LandscapePlot));
  EXPECT_FALSE(Checked(MouseCommand::PortraitPlot));
  EXPECT_FALSE(Checked(MouseCommand::FullFrame));
  view.halfFrame = false;
  EXPECT_TRUE(Checked(MouseCommand::FullFrame));

  EXPECT_FALSE(Enabled(MouseCommand::AddTrace));
  view.openSpectra = 2;
  EXPECT_TRUE(Enabled(MouseCommand::AddTrace));
  EXPECT_FALSE(Enabled(MouseCommand::DeleteTrace));
  view.traces.push_back("second");
  EXPECT_TRUE(Enabled(MouseCommand::DeleteTrace));
}

TEST_F(MouseCommandsTest, ZoomInTwiceThenOutTwice) {
  Zoom(1200, 1500);
  EXPECT_FALSE(Enabled(MouseCommand::ZoomOut));
  commands.Execute(MouseCommand::ZoomIn);
  commands.Execute(MouseCommand::ZoomIn);
  EXPECT_DOUBLE_EQ(view.expansion.factor, 3);
  EXPECT_DOUBLE_EQ(view.expansion.low, 1200);
  EXPECT_DOUBLE_EQ(view.expansion.high, 1500);
  EXPECT_TRUE(view.expansion.active);
  EXPECT_TRUE(Checked(MouseCommand::ZoomRegion));
  EXPECT_TRUE(Enabled(MouseCommand::ZoomOut));

  commands.Execute(MouseCommand::ZoomOut);
  EXPECT_DOUBLE_EQ(view.expansion.factor, 2);
  EXPECT_TRUE(view.expansion.active);
  commands.Execute(MouseCommand::ZoomOut);
  EXPECT_FALSE(view.expansion.active);
  EXPECT_DOUBLE_EQ(view.expansion.factor, 1.0);
  EXPECT_FALSE(Enabled(MouseCommand::ZoomOut));
}

TEST_F(MouseCommandsTest, DisplayFullSpectrum) {
  Zoom(1200, 1500);
  Zoom(1300, 1400);
  view.ClearRecords();
  commands.Execute(MouseCommand::DisplayFullSpectrum);
  EXPECT_EQ(view.zoom.Depth(), 0);
  EXPECT_EQ(view.autoBinning, 1);
  EXPECT_EQ(view.redraws, std::vector<RedrawScope>{RedrawScope::LockedViews});
}

TEST_F(MouseCommandsTest, SetDisplayRangeOrdersAndLimitsTheEnds) {
  view.zoom.PushRange(1200.7, 1500.2, 1000, 2000);
  host.QueueDialog([](DialogModel& m) {
    auto& d = dynamic_cast<DisplayRangeDialog&>(m);
    EXPECT_DOUBLE_EQ(d.start, 1200);
    EXPECT_DOUBLE_EQ(d.end, 1500);
    d.start = 2500;
    d.end = 1100;
    return true;
  });
  commands.Execute(MouseCommand::SetDisplayRange);
  EXPECT_EQ(Dialogs(), std::vector<std::string>{"Change display end points"});
  EXPECT_DOUBLE_EQ(view.zoom.Low(), 1100);
  EXPECT_DOUBLE_EQ(view.zoom.High(), 2000);
  EXPECT_EQ(view.redraws.back(), RedrawScope::LockedViews);
  EXPECT_TRUE(Wavs().empty());
}

TEST_F(MouseCommandsTest, SetDisplayRangeRefusesANarrowRangeWithTheCue) {
  Settings().WriteString("Defaults", "IVRootDirectory", "/opt/ionvue/");
  host.QueueDialog([](DialogModel& m) {
    auto& d = dynamic_cast<DisplayRangeDialog&>(m);
    d.start = 1300;
    d.end = 1310;
    return true;
  });
  commands.Execute(MouseCommand::SetDisplayRange);
  EXPECT_EQ(Wavs(), std::vector<std::string>{"/opt/ionvue/sf_beep.wav"});
  EXPECT_EQ(view.zoom.Depth(), 0);

  host.QueueDialog([](DialogModel&) { return false; });
  commands.Execute(MouseCommand::SetDisplayRange);
  EXPECT_EQ(view.zoom.Depth(), 0);
  EXPECT_EQ(Wavs().size(), 1u);
}

TEST_F(MouseCommandsTest, SetIntensityRangeToggles) {
  view.intensity = {false, 123};
  host.QueueDialog([](DialogModel& m) {
    auto& d = dynamic_cast<IntensityRangeDialog&>(m);
    EXPECT_EQ(d.maximum, 123);
    d.maximum = 456;
    return true;
  });
  commands.Execute(MouseCommand::SetIntensityRange);
  EXPECT_EQ(Dialogs(), std::vector<std::string>{"Set intensity range for display"});
  EXPECT_TRUE(view.intensity.fixed);
  EXPECT_EQ(view.intensity.fixedMaximum, 456);
  EXPECT_TRUE(Checked(MouseCommand::SetIntensityRange));

  commands.Execute(MouseCommand::SetIntensityRange);
  EXPECT_FALSE(view.intensity.fixed);
  EXPECT_EQ(Dialogs().size(), 1u) << "switching off asks nothing";

  host.QueueDialog([](DialogModel&) { return false; });
  commands.Execute(MouseCommand::SetIntensityRange);
  EXPECT_FALSE(view.intensity.fixed);
}

TEST_F(MouseCommandsTest, DimensionsAreSavedAndShared) {
  commands.Execute(MouseCommand::LandscapePlot);
  EXPECT_EQ(view.displayMode, 'L');
  EXPECT_EQ(Settings().GetString("Graph", "DisplayMode", ""), "Landscape");
  EXPECT_EQ(view.shared, 1);
  commands.Execute(MouseCommand::PortraitPlot);
  EXPECT_EQ(Settings().GetString("Graph", "DisplayMode", ""), "Portrait");

  commands.Execute(MouseCommand::CustomPlot);  // 15 high, 20 wide unless stored
  EXPECT_EQ(view.displayMode, 'C');
  EXPECT_DOUBLE_EQ(view.size.width, 20.0);
  EXPECT_DOUBLE_EQ(view.size.height, 15.0);
  EXPECT_EQ(Settings().GetString("Graph", "DisplayMode", ""), "Custom");
  EXPECT_EQ(view.shared, 3);

  Settings().WriteString("Graph", "CustomDisplayWidth", "12.5");
  commands.Execute(MouseCommand::CustomPlot);
  EXPECT_DOUBLE_EQ(view.size.width, 12.5);
}

TEST_F(MouseCommandsTest, SetCustomPresetsRoundedSizes) {
  view.displayMode = 'P';
  view.size = {15.456, 10.004};
  host.QueueDialog([](DialogModel& m) {
    auto& d = dynamic_cast<GraphDimensionsDialog&>(m);
    EXPECT_DOUBLE_EQ(d.heightCm, 10.0);
    EXPECT_DOUBLE_EQ(d.widthCm, 15.46);
    d.heightCm = 8;
    d.widthCm = 12;
    return true;
  });
  commands.Execute(MouseCommand::SetCustom);
  EXPECT_EQ(Dialogs(), std::vector<std::string>{"Change graph dimensions"});
  EXPECT_EQ(view.displayMode, 'C');
  EXPECT_DOUBLE_EQ(view.size.width, 12);
  EXPECT_DOUBLE_EQ(view.size.height, 8);
  EXPECT_EQ(Settings().GetString("Graph", "CustomDisplayWidth", ""), "12.00");
  EXPECT_EQ(Settings().GetString("Graph", "CustomDisplayHeight", ""), "8.00");
  EXPECT_EQ(Settings().GetString("Graph", "DisplayMode", ""), "Custom");

  host.QueueDialog([](DialogModel&) { return false; });
  view.displayMode = 'P';
  commands.Execute(MouseCommand::SetCustom);
  EXPECT_EQ(view.displayMode, 'P');
}

TEST_F(MouseCommandsTest, FrameTitlesAndWidthsAreSaved) {
  commands.Execute(MouseCommand::FullFrame);
  EXPECT_FALSE(view.halfFrame);
  EXPECT_EQ(Settings().GetString("Graph", "FrameType", ""), "full-frame");
  commands.Execute(MouseCommand::FullFrame);
  EXPECT_EQ(Settings().GetString("Graph", "FrameType", ""), "half-frame");

  host.QueueDialog([](DialogModel& m) {
    auto& d = dynamic_cast<AxisLabelsDialog&>(m);
    EXPECT_EQ(d.intensityTitle, "Intensity");
    EXPECT_EQ(d.mzTitle, "m/z");
    d.intensityTitle = "Counts";
    d.mzTitle = "Mass";
    return true;
  });
  commands.Execute(MouseCommand::AxisLabels);
  EXPECT_EQ(Dialogs().back(), "Enter new axis labels");
  EXPECT_EQ(view.titles.mz, "Mass");
  EXPECT_EQ(view.titles.intensity, "Counts");
  EXPECT_EQ(Settings().GetString("Graph", "DefaultMzLabel", ""), "Mass");
  EXPECT_EQ(Settings().GetString("Graph", "DefaultIntensityLabel", ""), "Counts");

  host.QueueDialog([](DialogModel& m) {
    auto& d = dynamic_cast<LineWidthDialog&>(m);
    d.spectrumWidth = 2;
    d.frameWidth = 3;
    return true;
  });
  commands.Execute(MouseCommand::LineWidth);
  EXPECT_EQ(Dialogs().back(), "Set spectrum line width");
  EXPECT_EQ(view.widths.spectrum, 2);
  EXPECT_EQ(view.widths.frame, 3);
  EXPECT_EQ(Settings().GetInt("Graph", "SpectrumLineWidth", 0), 2);
  EXPECT_EQ(Settings().GetInt("Graph", "FrameLineWidth", 0), 3);

  host.QueueDialog([](DialogModel& m) {
    dynamic_cast<LineWidthDialog&>(m).frameWidth = -1;
    return true;
  });
  commands.Execute(MouseCommand::LineWidth);
  EXPECT_EQ(view.widths.frame, 3);
  EXPECT_EQ(Settings().GetInt("Graph", "FrameLineWidth", 0), 3);
}

TEST_F(MouseCommandsTest, TracesAreChosenFromTheOpenSpectra) {
  view.openSpectra = 3;
  view.others = {"b.roziro", "c.roziro"};
  host.QueueDialog([](DialogModel& m) {
    auto& d = dynamic_cast<TraceChoiceDialog&>(m);
    EXPECT_EQ(d.titles, (std::vector<std::string>{"b.roziro", "c.roziro"}));
    d.selected = 1;
    return true;
  });
  commands.Execute(MouseCommand::AddTrace);
  EXPECT_EQ(Dialogs(), std::vector<std::string>{"Select a trace"});
  EXPECT_EQ(view.traces, (std::vector<std::string>{"own", "c.roziro"}));

  host.QueueDialog([](DialogModel&) { return true; });  // OK with nothing chosen
  commands.Execute(MouseCommand::AddTrace);
  EXPECT_EQ(view.traces.size(), 2u);

  host.QueueDialog([](DialogModel& m) {
    auto& d = dynamic_cast<TraceChoiceDialog&>(m);
    EXPECT_EQ(d.titles, std::vector<std::string>{"c.roziro"});
    d.selected = 0;
    return true;
  });
  commands.Execute(MouseCommand::DeleteTrace);
  EXPECT_EQ(view.traces, std::vector<std::string>{"own"});
}

TEST_F(MouseCommandsTest, CrossColorIsChosen) {
  host.QueueDialog([](DialogModel& m) {
    auto& d = dynamic_cast<CrossColorDialog&>(m);
    EXPECT_EQ(d.color, (Color{0, 0, 128}));
    d.color = Color{10, 20, 30};
    return true;
  });
  commands.Execute(MouseCommand::CrossColor);
  EXPECT_EQ(view.crosses, (Color{10, 20, 30}));
  EXPECT_FALSE(view.redraws.empty());
}

}  // namespace
}  // namespace ionvue::testing
