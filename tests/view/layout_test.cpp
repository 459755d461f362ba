// The page without labels: frame, axes, ticks and their values, the trace,
// and what differs between the screen, the printer and the picture.

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/settings.h"
#include "tests/view/view_fixture.h"

namespace ionvue {
namespace {

using Kind = CanvasCall::Kind;
using testing::kPortrait;

class LayoutTest : public testing::ViewTest {
 protected:
  // m/z 1 .. 1001, flat at 1 with one peak of 1000 at m/z 500, one shot.
  void SetUp() override {
    ViewTest::SetUp();
    Load(1001);
    Samples()[500] = 1000;
  }
  // Vertical lines starting at y.
  static std::vector<CanvasCall> LinesAt(const RecordingCanvas& c, int32_t y) {
    std::vector<CanvasCall> out;
    for (const CanvasCall& call : c.Of(Kind::Line))
      if (call.points[0].y == y && call.points[0].x == call.points[1].x) out.push_back(call);
    return out;
  }
};

TEST_F(LayoutTest, HalfFrameWithItsPen) {
  RecordingCanvas c = Draw();
  std::vector<CanvasCall> lines = c.Of(Kind::Polyline);
  ASSERT_GE(lines.size(), 1u);
  const CanvasCall& frame = lines.front();
  EXPECT_EQ(frame.points, (std::vector<Point>{{1440, -566}, {1440, -6235}, {9943, -6235}}));
  EXPECT_EQ(frame.pen.width, 20);
  EXPECT_EQ(frame.pen.cap, Pen::Cap::Square);
  EXPECT_EQ(frame.pen.join, Pen::Join::Bevel);
  EXPECT_EQ(frame.pen.color, kBlack);
}

TEST_F(LayoutTest, FullFrameClosesTheBox) {
  Settings().WriteString("Graph", "FrameType", "full-frame");
  Settings().WriteInt("Graph", "FrameLineWidth", 2);
  RecordingCanvas c = Draw();
  const CanvasCall frame = c.Of(Kind::Polyline).front();
  EXPECT_EQ(
      frame.points,
      (std::vector<Point>{{1440, -566}, {1440, -6235}, {9943, -6235}, {9943, -566}, {1440, -566}}));
  EXPECT_EQ(frame.pen.width, 40);
}

TEST_F(LayoutTest, OnlyTheEndTicksCarryNumbers) {
  RecordingCanvas c = Draw();
  EXPECT_EQ(c.Texts(),
            (std::vector<std::string>{"m/z", "100", "1000", "Intensity", "400", "0", "1", "1001"}));
}

TEST_F(LayoutTest, MzAxisTicksTitleAndValues) {
  RecordingCanvas c = Draw();
  // Width 1000: step 100, ticks at 100 .. 1000.
  std::vector<CanvasCall> ticks = LinesAt(c, -6235);
  ASSERT_EQ(ticks.size(), 10u);
  EXPECT_EQ(ticks.front().points, (std::vector<Point>{{2281, -6235}, {2281, -6295}}));
  EXPECT_EQ(ticks.back().points[0].x, 9934);
  const CanvasCall* title = c.FindText("m/z");
  ASSERT_TRUE(title);
  EXPECT_EQ(title->points[0], (Point{5691, -6405}));
  EXPECT_EQ(title->align, TextAlign::TopCenter);
  EXPECT_EQ(c.FindText("100")->points[0], (Point{2281, -6345}));
  EXPECT_EQ(c.FindText("1000")->points[0], (Point{9934, -6355}));
}

TEST_F(LayoutTest, NarrowRangesWriteOneDecimal) {
  View();
  Draw();
  ASSERT_TRUE(View().PushRange(500, 520));
  RecordingCanvas c = Draw();
  // Width 20: step 2, first tick 500 written "%.1f".
  EXPECT_TRUE(c.FindText("500.0"));
  EXPECT_TRUE(c.FindText("520.0"));
}

TEST_F(LayoutTest, IntensityAxisTicksAndValues) {
  RecordingCanvas c = Draw();
  // span 999 x 1.1, R = span / 1.1 / 2.55 = 391.8 axis units: step 50,
  // pitch trunc(5669 x 50 / R x 0.9) = 651 twips.
  std::vector<CanvasCall> ticks;
  for (const CanvasCall& call : c.Of(Kind::Line))
    if (call.points[0].x == 1440 && call.points[1].x == 1380) ticks.push_back(call);
  ASSERT_EQ(ticks.size(), 9u);
  for (size_t k = 0; k < ticks.size(); ++k)
    EXPECT_EQ(ticks[k].points[0].y, -6235 + 651 * int(k)) << k;
  const CanvasCall* last = c.FindText("400");
  ASSERT_TRUE(last);
  EXPECT_EQ(last->points[0], (Point{1320, -1027 + 120}));
  EXPECT_EQ(last->align, TextAlign::TopRight);
  EXPECT_EQ(c.FindText("0")->points[0], (Point{1320, -6235 + 120}));
  const CanvasCall* title = c.FindText("Intensity");
  EXPECT_EQ(title->points[0], (Point{1440 - 600, -3400}));
  EXPECT_EQ(title->font.escapement, 900);
}

TEST_F(LayoutTest, SmallStepsWriteTwoDecimals) {
  doc->GetSpectrum().m_nShots = 1000;  // R = 0.39: step 0.05, 9 ticks
  RecordingCanvas c = Draw();
  EXPECT_TRUE(c.FindText("0.40"));
}

TEST_F(LayoutTest, TheTraceIsOnePolylineOfTheBins) {
  RecordingCanvas c = Draw();
  std::vector<CanvasCall> lines = c.Of(Kind::Polyline);
  ASSERT_EQ(lines.size(), 2u);
  const CanvasCall& trace = lines[1];
  EXPECT_EQ(trace.points.size(), 999u);
  EXPECT_EQ(trace.pen.width, 10);
  EXPECT_EQ(trace.pen.color, kBlack);
  auto peak = std::max_element(trace.points.begin(), trace.points.end(),
                               [](Point a, Point b) { return a.y < b.y; });
  // Bin 500: x = 1440 + trunc(499 / 1000 x 8503), y = bottom - trunc(-999 x 5669 / 1098.9).
  EXPECT_EQ(*peak, (Point{5682, -1082}));
  EXPECT_EQ(trace.points.front(), (Point{1440, -6235}));
}

TEST_F(LayoutTest, AVerticalExpansionMultipliesInsideItsWindow) {
  View();
  Draw();
  CDisplayState& st = View().state();
  st.expansion = {3.0, 490, 510, true};
  RecordingCanvas c = Draw();
  std::vector<CanvasCall> lines = c.Of(Kind::Polyline);
  auto peak = std::max_element(lines[1].points.begin(), lines[1].points.end(),
                               [](Point a, Point b) { return a.y < b.y; });
  EXPECT_EQ(peak->y, -566);  // limited to the top
  // Outside the window the flat trace stays at the bottom.
  EXPECT_EQ(lines[1].points.front().y, -6235);
  EXPECT_EQ(View().IntensityToY(100, 500), -6235 + int(99 * 5669 / 1098.9 * 3));
  EXPECT_EQ(View().IntensityToY(100, 400), -6235 + int(99 * 5669 / 1098.9));
}

TEST_F(LayoutTest, TheScreenMarksTheAxisEndTheOthersDoNot) {
  RecordingCanvas screen = Draw();
  std::vector<CanvasCall> shapes = screen.Of(Kind::Polygon);
  auto black = std::find_if(shapes.begin(), shapes.end(),
                            [](const CanvasCall& p) { return p.fill == kBlack; });
  ASSERT_NE(black, shapes.end());
  EXPECT_EQ(black->points, (std::vector<Point>{{10043, -6355}, {10163, -6355}, {10163, -6245}}));
  for (Canvas::Target t : {Canvas::Target::Printer, Canvas::Target::Picture})
    EXPECT_TRUE(Draw(t).Of(Kind::Polygon).empty());
}

TEST_F(LayoutTest, PaperIs850TwipsLowerWithoutTheScreenGadgets) {
  Draw();
  RecordingCanvas paper = Draw(Canvas::Target::Printer);
  std::vector<CanvasCall> lines = paper.Of(Kind::Polyline);
  EXPECT_EQ(lines[0].points.front(), (Point{1440, -566 - 850}));
  EXPECT_EQ(lines[1].pen.width, 20);
  for (const CanvasCall& line : paper.Of(Kind::Line)) EXPECT_NE(line.points[0].y, -100);
  EXPECT_FALSE(paper.FindText("1001"));  // the range bar's end value
  EXPECT_EQ(paper.FindText("Intensity")->font.escapement, 900);
  // The view's own rectangle is as it was.
  EXPECT_EQ(View().state().rect, kPortrait);
}

TEST_F(LayoutTest, PrinterInvertTurnsVerticalTextOnPaperOnly) {
  Settings().WriteInt("Printer", "SpinPrinterFont", 0);
  EXPECT_EQ(Draw(Canvas::Target::Printer).FindText("Intensity")->font.escapement, 2700);
  EXPECT_EQ(Draw(Canvas::Target::Screen).FindText("Intensity")->font.escapement, 900);
}

TEST_F(LayoutTest, PrintingAsksForAFreshRepaint) {
  int repaints = 0;
  View().onInvalidate = [&] { ++repaints; };
  Draw();
  EXPECT_EQ(repaints, 0);
  Draw(Canvas::Target::Printer);
  EXPECT_EQ(repaints, 1);
}

TEST_F(LayoutTest, TheHashValueIsPrintedOnlyWhenAskedFor) {
  doc->GetSpectrum().m_nHash = {0x1A2B, 0, 0xFFFFFFFF, 7};
  context.showHash = true;
  EXPECT_FALSE(Draw().FindText("1A2B 0 FFFFFFFF 7"));
  RecordingCanvas paper = Draw(Canvas::Target::Printer);
  const CanvasCall* hash = paper.FindText("1A2B 0 FFFFFFFF 7");
  ASSERT_TRUE(hash);
  EXPECT_EQ(hash->points[0], (Point{9943, -566 - 850 + 187}));
  EXPECT_EQ(hash->align, TextAlign::TopRight);
  EXPECT_EQ(hash->font.height, -170);
  context.showHash = false;
  EXPECT_FALSE(Draw(Canvas::Target::Printer).FindText("1A2B 0 FFFFFFFF 7"));
  context.showHash = true;
  doc->GetSpectrum().m_nHash = {0, 0, 0, 0};
  EXPECT_EQ(Draw(Canvas::Target::Printer).Texts().size(), 6u);
}

TEST_F(LayoutTest, ANegativeScaleIsReportedOnceAndTheRestIsDrawn) {
  View();
  Draw();
  View().state().scale.fixed = true;
  View().state().scale.fixedMaximum = -5;
  host.ClearEvents();
  RecordingCanvas c = Draw();
  ASSERT_EQ(host.Messages().size(), 1u);
  EXPECT_EQ(host.Messages()[0],
            "A problem has occurred in the interpretation\n of the input file. The most probably "
            "cause is \nreading a 16 bit binary file as a 32 bit binary file");
  bool stop = false, sound = false;
  for (const HostEvent& e : host.events()) {
    stop |= e.kind == HostEvent::Kind::Message && e.icon == MessageIcon::Stop;
    sound |= e.kind == HostEvent::Kind::Wav && e.text == "none/sr_beep.wav";
  }
  EXPECT_TRUE(stop);
  EXPECT_TRUE(sound);
  EXPECT_FALSE(c.FindText("0"));               // no intensity ticks
  EXPECT_EQ(c.Of(Kind::Polyline).size(), 2u);  // the trace is still there
  Draw();
  EXPECT_EQ(host.Messages().size(), 1u);
  View().state().scale.fixed = false;
  Draw();
  View().state().scale.fixed = true;
  View().state().scale.fixedMaximum = -5;
  Draw();
  EXPECT_EQ(host.Messages().size(), 2u);  // a new occurrence is reported again
}

TEST_F(LayoutTest, WithoutDataNothingIsDrawn) {
  doc->m_bLoaded = false;
  RecordingCanvas c = Draw();
  EXPECT_TRUE(c.Of(Kind::Line).empty());
  EXPECT_TRUE(c.Of(Kind::Polyline).empty());
  EXPECT_TRUE(c.Texts().empty());
  EXPECT_EQ(host.status(0), "Open a data file with the <File> menu");
}

TEST_F(LayoutTest, DegenerateSpectraDrawWithoutFault) {
  struct Case {
    int samples, shots;
  } cases[] = {{0, 1}, {1, 1}, {2, 1}, {12, 1}, {1001, 0}, {1001, -4}};
  for (const Case& k : cases) {
    Load(k.samples, 5);
    doc->GetSpectrum().m_nShots = k.shots;
    for (auto t : {Canvas::Target::Screen, Canvas::Target::Printer}) {
      RecordingCanvas c = Draw(t);
      EXPECT_FALSE(c.Of(Kind::Polyline).empty()) << k.samples;
    }
  }
  EXPECT_TRUE(host.Messages().empty());
}

TEST_F(LayoutTest, TenSamplesOrFewerCannotBeZoomedTo) {
  View();
  Draw();
  EXPECT_FALSE(View().CoversEnoughSamples(500, 505));
  ASSERT_TRUE(View().PushRange(500, 512));
  RecordingCanvas c = Draw();
  EXPECT_EQ(c.Of(Kind::Polyline)[1].points.size(), 13u);  // bins 500 .. 512
}

}  // namespace
}  // namespace ionvue
