// The range bar and the missed-cleavage slider, drawn on screen only.

#include <gtest/gtest.h>

#include "tests/view/view_fixture.h"

namespace ionvue {
namespace {

using Kind = CanvasCall::Kind;
using testing::FakeDigest;

class GadgetsTest : public testing::ViewTest {
 protected:
  void SetUp() override {
    ViewTest::SetUp();
    Load(1001);
    Samples()[500] = 1000;
    Draw();
  }
  static std::vector<CanvasCall> Coloured(const std::vector<CanvasCall>& calls, Color color) {
    std::vector<CanvasCall> out;
    for (const CanvasCall& c : calls)
      if ((c.kind == Kind::Text ? c.textColor : c.pen.color) == color) out.push_back(c);
    return out;
  }
  static std::vector<CanvasCall> LinesAtY(const RecordingCanvas& c, int32_t y) {
    std::vector<CanvasCall> out;
    for (const CanvasCall& call : c.Of(Kind::Line))
      if (call.points[0].y == y) out.push_back(call);
    return out;
  }
};

TEST_F(GadgetsTest, RangeBarShowsTheDisplayedPartInRed) {
  ASSERT_TRUE(View().PushRange(201, 401));
  RecordingCanvas c = Draw();
  // x = left + trunc((m - 1) / 1000 x 8503): 201 -> 3140, 401 -> 4841.
  std::vector<CanvasCall> bar = LinesAtY(c, -100);
  ASSERT_EQ(bar.size(), 5u);
  std::vector<CanvasCall> red = Coloured(bar, kRed);
  ASSERT_EQ(red.size(), 1u);
  EXPECT_EQ(red[0].points, (std::vector<Point>{{3140, -100}, {4841, -100}}));
  EXPECT_EQ(red[0].pen.width, 30);
  EXPECT_EQ(red[0].pen.cap, Pen::Cap::Square);
  std::vector<CanvasCall> black = Coloured(bar, kBlack);
  ASSERT_EQ(black.size(), 4u);
  EXPECT_EQ(black[0].points, (std::vector<Point>{{1440, -100}, {3140, -100}}));
  EXPECT_EQ(black[1].points, (std::vector<Point>{{4841, -100}, {9943, -100}}));
  EXPECT_EQ(black[2].points, (std::vector<Point>{{1440, -100}, {1440, -160}}));
  EXPECT_EQ(black[3].points, (std::vector<Point>{{9943, -100}, {9943, -160}}));

  EXPECT_EQ(c.FindText("1")->points[0], (Point{1440, -220}));
  EXPECT_EQ(c.FindText("1001")->points[0], (Point{9943, -220}));
  std::vector<CanvasCall> handles = Coloured(c.Of(Kind::Polygon), kBlue);
  ASSERT_EQ(handles.size(), 2u);
  EXPECT_EQ(handles[0].points, (std::vector<Point>{{3140, -100}, {3080, -220}, {3200, -220}}));
  EXPECT_EQ(handles[1].points[0], (Point{4841, -100}));
  EXPECT_EQ(handles[0].fill, kBlue);
  EXPECT_EQ(View().RangeBarX(401), 4841);
}

TEST_F(GadgetsTest, RangeBarFollowsAPendingDrag) {
  View().BeginRangeDrag();
  View().SetPendingRange(601, 801);
  RecordingCanvas c = Draw();
  std::vector<CanvasCall> red = Coloured(LinesAtY(c, -100), kRed);
  ASSERT_EQ(red.size(), 1u);
  EXPECT_EQ(red[0].points[0].x, 1440 + 5101);
}

std::unique_ptr<FakeDigest> Cleavage(int fragments) {
  return std::make_unique<FakeDigest>(std::vector<FakeDigest::Match>{}, false, fragments);
}

TEST_F(GadgetsTest, SliderScaleEndsLevelAndMarker) {
  doc->m_pDigests[0] = Cleavage(5);
  View().state().missedCleavageLevel = 3;
  RecordingCanvas c = Draw();
  // x = right + 300; step trunc(5669 / 4) = 1417; marker at level - 1 = 2.
  std::vector<CanvasCall> navy = Coloured(c.calls(), kNavy);
  std::vector<std::string> navyTexts;
  for (const CanvasCall& call : navy)
    if (call.kind == Kind::Text) navyTexts.push_back(call.text);
  EXPECT_EQ(navyTexts, (std::vector<std::string>{"0", "4"}));
  std::vector<CanvasCall> scale = Coloured(c.Of(Kind::Line), kNavy);
  ASSERT_EQ(scale.size(), 3u);
  EXPECT_EQ(scale[0].points, (std::vector<Point>{{10243, -6235}, {10243, -566}}));
  EXPECT_EQ(scale[1].points, (std::vector<Point>{{10183, -6235}, {10303, -6235}}));
  for (const CanvasCall& call : navy) {
    if (call.kind != Kind::Text) continue;
    EXPECT_EQ(call.points[0], (Point{10483, call.text == "0" ? -6235 : -566}));
  }

  const int32_t marker = -6235 + 1417 * 2;
  std::vector<CanvasCall> red = Coloured(c.Of(Kind::Text), kRed);
  ASSERT_EQ(red.size(), 1u);
  EXPECT_EQ(red[0].text, "2");
  EXPECT_EQ(red[0].points[0], (Point{10243 - 60, marker}));
  EXPECT_EQ(red[0].align, TextAlign::TopRight);
  std::vector<CanvasCall> triangle = Coloured(c.Of(Kind::Polygon), kRed);
  ASSERT_EQ(triangle.size(), 1u);
  EXPECT_EQ(triangle[0].points,
            (std::vector<Point>{{10243, marker}, {10363, marker + 60}, {10363, marker - 60}}));
  EXPECT_EQ(View().SliderMarkerY(), marker);
  EXPECT_EQ(View().MissedCleavageLevels(), 5);
}

TEST_F(GadgetsTest, SliderLevelIsLimitedToTheLevels) {
  doc->m_pDigests[0] = Cleavage(5);
  View().state().missedCleavageLevel = 9;
  RecordingCanvas c = Draw();
  EXPECT_EQ(View().state().missedCleavageLevel, 5);
  EXPECT_EQ(Coloured(c.Of(Kind::Text), kRed)[0].text, "4");
  doc->m_pDigests[0] = Cleavage(1);  // a single level has no height to divide
  c = Draw();
  EXPECT_EQ(Coloured(c.Of(Kind::Polygon), kRed)[0].points[0], (Point{10243, -6235}));
  doc->m_pDigests[0] = Cleavage(0);
  Draw();
}

TEST_F(GadgetsTest, SliderOnlyForDigestsAndOnlyOnScreen) {
  doc->m_pDigests[1] =
      std::make_unique<FakeDigest>(std::vector<FakeDigest::Match>{}, true, 0);  // a template
  EXPECT_TRUE(Coloured(Draw().Of(Kind::Line), kNavy).empty());
  EXPECT_EQ(View().MissedCleavageLevels(), 0);
  doc->m_pDigests[1] = Cleavage(4);  // a second digest
  EXPECT_EQ(Coloured(Draw().Of(Kind::Line), kNavy).size(), 3u);
  doc->m_pDigests[0] = Cleavage(6);
  EXPECT_EQ(View().MissedCleavageLevels(), 6);  // the first digest's levels
  for (auto t : {Canvas::Target::Printer, Canvas::Target::Picture}) {
    RecordingCanvas c = Draw(t);
    EXPECT_TRUE(Coloured(c.Of(Kind::Line), kNavy).empty());
    EXPECT_TRUE(c.Of(Kind::Polygon).empty());
  }
}

}  // namespace
}  // namespace ionvue
