// Several traces in one view: each in its band of the plot height, with the
// names of their documents, and the view's own scale restored afterwards.

#include <gtest/gtest.h>

#include "tests/view/view_fixture.h"

namespace ionvue {
namespace {

using Kind = CanvasCall::Kind;

class TracesTest : public testing::ViewTest {
 protected:
  void SetUp() override {
    ViewTest::SetUp();
    Load(1001);
    Samples()[500] = 1000;
    for (int i = 0; i < 2; ++i) {
      others[i] = std::make_unique<CIonvueDoc>(host, services);
      testing::MakeLinear(others[i]->GetSpectrum(), 1001);
      others[i]->GetSpectrum().m_pData[500] = 2000 * (i + 1);
      others[i]->m_bLoaded = true;
      others[i]->m_strTitle = i == 0 ? "B" : "C";
    }
    doc->m_strTitle = "A";
    Draw();
    ASSERT_TRUE(View().AddTrace(others[0].get()));
    ASSERT_TRUE(View().AddTrace(others[1].get()));
  }
  void TearDown() override {
    view.reset();
    for (auto& other : others) other.reset();
    ViewTest::TearDown();
  }
  static int32_t Peak(const CanvasCall& line) {
    int32_t top = INT32_MIN;
    for (Point p : line.points) top = std::max(top, p.y);
    return top;
  }
  std::unique_ptr<CIonvueDoc> others[2];
};

TEST_F(TracesTest, ThreeTracesShareThePlotHeightTheFirstAtTheBottom) {
  RecordingCanvas c = Draw();
  std::vector<CanvasCall> lines = c.Of(Kind::Polyline);
  ASSERT_EQ(lines.size(), 4u);  // the frame and three traces
  // Each peak is at y0 = -1082 of a full-height plot, a third of it above
  // its band: (y0 - bottom) / 3 + band x i + bottom, band = trunc(5669 / 3).
  EXPECT_EQ(Peak(lines[1]), (-1082 + 6235) / 3 - 6235);
  EXPECT_EQ(Peak(lines[2]), (-1082 + 6235) / 3 + 1889 - 6235);
  EXPECT_EQ(Peak(lines[3]), (-1082 + 6235) / 3 + 2 * 1889 - 6235);
  EXPECT_EQ(lines[1].pen.color, kBlack);
  EXPECT_EQ(lines[2].pen.color, kDarkRed);
  EXPECT_EQ(lines[3].pen.color, kDarkRed);

  // Names right of the plot, a "W" height above each band's bottom.
  const CanvasCall* a = c.FindText("A");
  const CanvasCall* b = c.FindText("B");
  const CanvasCall* cc = c.FindText("C");
  ASSERT_TRUE(a && b && cc);
  EXPECT_EQ(a->points[0], (Point{9943 + 48, 240 - 6235}));
  EXPECT_EQ(b->points[0], (Point{9943 + 48, 240 + 1889 - 6235}));
  EXPECT_EQ(cc->points[0], (Point{9943 + 48, 240 + 2 * 1889 - 6235}));
  EXPECT_EQ(a->textColor, kBlack);
  EXPECT_EQ(b->textColor, kRed);
  EXPECT_EQ(a->align, TextAlign::TopLeft);

  // The scale is the view's own again, and the other documents' own screen
  // bins (their exports) are untouched.
  EXPECT_EQ(View().state().scale.maximum, 1000);
  EXPECT_EQ(others[0]->m_nScreenBins, 0);
}

TEST_F(TracesTest, PaperDrawsEveryTraceInBlack) {
  RecordingCanvas c = Draw(Canvas::Target::Printer);
  std::vector<CanvasCall> lines = c.Of(Kind::Polyline);
  ASSERT_EQ(lines.size(), 4u);
  for (size_t i = 1; i < 4; ++i) EXPECT_EQ(lines[i].pen.color, kBlack);
  EXPECT_EQ(c.FindText("B")->textColor, kBlack);
}

TEST_F(TracesTest, ClosedDocumentsLeaveTheTraceList) {
  EXPECT_FALSE(View().AddTrace(others[0].get()));  // already shown
  context.isOpen = [&](const CIonvueDoc* d) { return d != others[1].get(); };
  RecordingCanvas c = Draw();
  EXPECT_EQ(c.Of(Kind::Polyline).size(), 3u);
  EXPECT_FALSE(c.FindText("C"));
  View().OnDocumentClosed(others[0].get());
  c = Draw();
  EXPECT_EQ(c.Of(Kind::Polyline).size(), 2u);
  EXPECT_FALSE(c.FindText("A"));  // a single trace carries no name
  EXPECT_EQ(View().state().traces.size(), 1u);
  EXPECT_FALSE(View().RemoveTrace(doc.get()));  // the own document stays
}

}  // namespace
}  // namespace ionvue
