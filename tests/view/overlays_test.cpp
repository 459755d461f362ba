// Digest crosses and the vertical-expansion marker.

#include <gtest/gtest.h>

#include "platform/settings.h"
#include "tests/view/view_fixture.h"

namespace ionvue {
namespace {

using Kind = CanvasCall::Kind;
using testing::FakeDigest;

class OverlaysTest : public testing::ViewTest {
 protected:
  void SetUp() override {
    ViewTest::SetUp();
    Load(1001);
    Samples()[500] = 1000;
    Samples()[301] = 500;
    Samples()[298] = 200;
    Draw();
  }
  static std::vector<CanvasCall> LinesIn(const RecordingCanvas& c, Color color, int32_t width) {
    std::vector<CanvasCall> out;
    for (const CanvasCall& call : c.Of(Kind::Line))
      if (call.pen.color == color && call.pen.width == width) out.push_back(call);
    return out;
  }
  static std::vector<Point> Centres(const std::vector<CanvasCall>& lines) {
    std::vector<Point> out;
    for (size_t i = 0; i + 1 < lines.size(); i += 2)
      out.push_back({lines[i].points[0].x, lines[i + 1].points[0].y});
    return out;
  }
};

TEST_F(OverlaysTest, CrossesSitOnTheTraceAtTheFragmentPlusTheAdduct) {
  doc->m_pDigests[0] = std::make_unique<FakeDigest>(
      std::vector<FakeDigest::Match>{{300, 1}, {400, 2}, {600, 1}, {1500, 1}}, false, 4);
  RecordingCanvas c = Draw();
  std::vector<CanvasCall> crosses = LinesIn(c, kNavy, 10);
  ASSERT_EQ(crosses.size(), 4u);  // 300 and 600; 400 is a run of two
  // m + 1.0074 = 301.0074: x = 1440 + trunc(300.0074 x 8.503) = 3990; the
  // bin before the first at or above it is m/z 301 (intensity 500):
  // y = -6235 + trunc(499 x 5669 / 1098.9) = -3661.
  EXPECT_EQ(crosses[0].points, (std::vector<Point>{{3990, -3661 + 120}, {3990, -3661 - 120}}));
  EXPECT_EQ(crosses[1].points, (std::vector<Point>{{3990 + 120, -3661}, {3990 - 120, -3661}}));
  EXPECT_EQ(Centres(crosses)[1], (Point{1440 + 5101, -6235}));  // 601.0074 on the baseline

  View().state().missedCleavageLevel = 2;
  doc->m_pDigests[0]->ResetEnumeration();
  EXPECT_EQ(LinesIn(Draw(), kNavy, 10).size(), 6u);
}

TEST_F(OverlaysTest, NegativeIonsPlaceCrossesBelowTheFragmentMass) {
  doc->GetSpectrum().m_nCharge = -1;
  doc->m_pDigests[0] =
      std::make_unique<FakeDigest>(std::vector<FakeDigest::Match>{{300, 1}}, false, 1);
  std::vector<Point> centres = Centres(LinesIn(Draw(), kNavy, 10));
  ASSERT_EQ(centres.size(), 1u);
  // 300 - 1.0085 = 298.9915: x = 1440 + trunc(297.9915 x 8.503); bin 298 (200).
  EXPECT_EQ(centres[0], (Point{1440 + 2533, -6235 + 1026}));
  EXPECT_DOUBLE_EQ(View().state().adductMass, -1.0085);
  doc->m_bNeutralMass = true;
  Draw();
  EXPECT_DOUBLE_EQ(View().state().adductMass, 0);
}

TEST_F(OverlaysTest, TheSecondListIsRedOnEveryTarget) {
  view.reset();  // it would write its own width back when it closes
  Settings().WriteInt("Graph", "SpectrumLineWidth", 3);
  Draw();
  doc->m_pDigests[0] =
      std::make_unique<FakeDigest>(std::vector<FakeDigest::Match>{{300, 1}}, false, 1);
  doc->m_pDigests[1] =
      std::make_unique<FakeDigest>(std::vector<FakeDigest::Match>{{500, 7}, {700, 7}}, true, 0);
  for (auto t : {Canvas::Target::Screen, Canvas::Target::Printer, Canvas::Target::Picture}) {
    RecordingCanvas c = Draw(t);
    EXPECT_EQ(LinesIn(c, kNavy, 30).size(), 2u);
    EXPECT_EQ(LinesIn(c, kRed, 10).size(), 4u);  // a template has no runs to hide
  }
}

TEST_F(OverlaysTest, OnlyFragmentsInTheDisplayedRangeAreAskedFor) {
  ASSERT_TRUE(View().PushRange(200, 400));
  auto digest = std::make_unique<FakeDigest>(
      std::vector<FakeDigest::Match>{{150, 1}, {250, 1}, {350, 1}, {450, 1}}, true, 0);
  FakeDigest* fake = digest.get();
  doc->m_pDigests[1] = std::move(digest);
  RecordingCanvas c = Draw();
  EXPECT_EQ(LinesIn(c, kRed, 10).size(), 4u);
  EXPECT_EQ(fake->calls, 3);  // two matches, then the end of the list
}

TEST_F(OverlaysTest, ThousandsOfFragmentsDrawInOnePass) {
  std::vector<FakeDigest::Match> many;
  for (int i = 0; i < 20000; ++i) many.push_back({2 + i * 0.049, 1 + i % 3});
  doc->m_pDigests[0] = std::make_unique<FakeDigest>(many, false, 20000);
  View().state().missedCleavageLevel = 1;
  RecordingCanvas c = Draw();
  EXPECT_EQ(LinesIn(c, kNavy, 10).size(), 2u * 6667);
}

class ExpansionMarkerTest : public OverlaysTest {
 protected:
  RecordingCanvas DrawExpanded(double low, double high, Canvas::Target t = Canvas::Target::Screen) {
    View().state().expansion = {2.0, low, high, true};
    return Draw(t);
  }
  // Lines between the marker's tick ends (y1 = top - 56, y2 = top - 296).
  static std::vector<CanvasCall> Marker(const RecordingCanvas& c, int32_t shift = 0) {
    std::vector<CanvasCall> out;
    for (const CanvasCall& call : c.Of(Kind::Line))
      if (call.points[0].y <= -622 - shift && call.points[0].y >= -862 - shift &&
          call.pen.color == kBlack)
        out.push_back(call);
    return out;
  }
};

TEST_F(ExpansionMarkerTest, AWideWindowCarriesItsFactorInside) {
  RecordingCanvas c = DrawExpanded(300, 500);
  // a = x(300) = 3982, b = x(500) = 5682; "x 2.0" is 600 wide.
  std::vector<CanvasCall> lines = Marker(c);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].points, (std::vector<Point>{{3982, -622}, {3982, -862}}));
  EXPECT_EQ(lines[1].points, (std::vector<Point>{{5682, -622}, {5682, -862}}));
  EXPECT_EQ(lines[2].points, (std::vector<Point>{{3982 + 600 + 112, -742}, {5682, -742}}));
  const CanvasCall* text = c.FindText("x 2.0");
  ASSERT_TRUE(text);
  EXPECT_EQ(text->points[0], (Point{3982 + 56, -622}));
  EXPECT_EQ(text->align, TextAlign::TopLeft);
}

TEST_F(ExpansionMarkerTest, ANarrowWindowPutsItsFactorAboveThePlot) {
  RecordingCanvas c = DrawExpanded(300, 320);
  std::vector<CanvasCall> lines = Marker(c);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[2].points, (std::vector<Point>{{3982, -742}, {4152, -742}}));
  EXPECT_EQ(c.FindText("x 2.0")->points[0], (Point{3982 + 56, -566 + 240}));
}

TEST_F(ExpansionMarkerTest, AnEndLeftOfThePlotMovesTheFactorToTheOtherEnd) {
  ASSERT_TRUE(View().PushRange(400, 800));
  RecordingCanvas c = DrawExpanded(300, 500);
  // b = 1440 + trunc(100 / 400 x 8503) = 3565; a lies left of the plot.
  std::vector<CanvasCall> lines = Marker(c);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].points[0], (Point{1440, -622}));
  EXPECT_EQ(lines[1].points[0], (Point{3565, -622}));
  EXPECT_EQ(lines[2].points, (std::vector<Point>{{1440, -742}, {3565 - 600 - 112, -742}}));
  const CanvasCall* text = c.FindText("x 2.0");
  EXPECT_EQ(text->points[0], (Point{3565 - 56, -622}));
  EXPECT_EQ(text->align, TextAlign::TopRight);
}

TEST_F(ExpansionMarkerTest, WindowsBesideThePlotDrawNothingAcrossItNoText) {
  ASSERT_TRUE(View().PushRange(400, 800));
  RecordingCanvas beside = DrawExpanded(100, 200);
  EXPECT_TRUE(Marker(beside).empty());
  EXPECT_FALSE(beside.FindText("x 2.0"));
  RecordingCanvas across = DrawExpanded(300, 900);
  std::vector<CanvasCall> lines = Marker(across);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[2].points, (std::vector<Point>{{1440, -742}, {9943, -742}}));
  EXPECT_FALSE(across.FindText("x 2.0"));
}

TEST_F(ExpansionMarkerTest, PaperUsesTheWiderPenAndTheLoweredPlot) {
  RecordingCanvas c = DrawExpanded(300, 500, Canvas::Target::Printer);
  std::vector<CanvasCall> lines = Marker(c, 850);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].pen.width, 20);
  EXPECT_EQ(lines[0].points[0], (Point{3982, -622 - 850}));
}

TEST_F(ExpansionMarkerTest, AChangedDocumentSwitchesTheExpansionOff) {
  View().state().expansion = {2.0, 300, 500, true};
  doc->SetModifiedFlag(true);
  RecordingCanvas c = Draw();
  EXPECT_FALSE(View().state().expansion.active);
  EXPECT_FALSE(c.FindText("x 2.0"));
}

}  // namespace
}  // namespace ionvue
