// Labels as the plot draws them: over their peak on screen, at their stored
// place on paper, coloured by type, and entered in the mass list.

#include <gtest/gtest.h>

#include "tests/view/view_fixture.h"

namespace ionvue {
namespace {

using Kind = CanvasCall::Kind;

class LabelsTest : public testing::ViewTest {
 protected:
  void SetUp() override {
    ViewTest::SetUp();
    Load(1001);
    Samples()[500] = 1000;
    Samples()[997] = 1000;
  }
  CLabel& Add(double mass, char type, const char* text, bool vertical = false) {
    CLabel label;
    label.mass = mass;
    label.mz = mass + 1.0074;
    label.type = type;
    label.SetText(text);
    label.vertical = vertical;
    EXPECT_TRUE(doc->GetSpectrum().AddLabel(label));
    return doc->GetSpectrum().m_pLabels.back();
  }
};

TEST_F(LabelsTest, AHorizontalLabelStandsOverItsPeak) {
  Add(499.0, 'C', "499.0");
  RecordingCanvas c = Draw();
  // p = 500: the peak of 1000 gives y0 = -1082; u = y0 + 3 x 15 twips and
  // the text's top is one text height above; x = x(500) + 2 x 15.
  const CanvasCall* text = c.FindText("499.0");
  ASSERT_TRUE(text);
  EXPECT_EQ(text->points[0], (Point{5682 + 30, -1082 + 45 + 240}));
  EXPECT_EQ(text->align, TextAlign::TopLeft);
  EXPECT_EQ(text->textColor, kBlack);
  EXPECT_EQ(text->font.escapement, 0);
  const CLabel& stored = doc->GetSpectrum().m_pLabels[0];
  EXPECT_EQ(stored.x, 5712);
  EXPECT_EQ(stored.y, -797);
  EXPECT_EQ(stored.justify, 0);
  EXPECT_EQ(stored.width, 600);
  EXPECT_EQ(stored.height, 240);

  ASSERT_EQ(View().massList().size(), 1);
  EXPECT_DOUBLE_EQ(View().massList()[0].mass, 499.0);
  EXPECT_DOUBLE_EQ(View().massList()[0].intensity, 1000);
  EXPECT_EQ(View().massList()[0].sn, -1);
  Draw();
  EXPECT_EQ(View().massList().size(), 1);
}

TEST_F(LabelsTest, NearTheRightEdgeTheTextEndsAtThePeak) {
  Add(996.0, 'C', "996.0");
  RecordingCanvas c = Draw();
  const CanvasCall* text = c.FindText("996.0");
  ASSERT_TRUE(text);
  // x(997) = 1440 + trunc(996 x 8.503) = 9908; 9908 + 600 reaches the right side.
  EXPECT_EQ(text->points[0].x, 9908 - 30);
  EXPECT_EQ(text->align, TextAlign::TopRight);
  EXPECT_EQ(doc->GetSpectrum().m_pLabels[0].justify, 2);
}

TEST_F(LabelsTest, VerticalLabelsStartHalfAnAxisHeightLeftOfThePeak) {
  Add(499.0, 'C', "499.0", true);
  RecordingCanvas c = Draw();
  const CanvasCall* text = c.FindText("499.0");
  ASSERT_TRUE(text);
  EXPECT_EQ(text->points[0], (Point{5682 - 120, -1082 + 45 + 30}));
  EXPECT_EQ(text->font.escapement, 900);
}

TEST_F(LabelsTest, ColoursByTypeAndTimeLabelsAreNeverDrawn) {
  Add(100, 'I', "I");
  Add(200, 'M', "M");
  Add(300, 'A', "<A>");
  Add(499, 'T', "T");
  RecordingCanvas c = Draw();
  EXPECT_EQ(c.FindText("I")->textColor, kRed);
  EXPECT_EQ(c.FindText("M")->textColor, kNavy);
  EXPECT_EQ(c.FindText("<A>")->textColor, kBlack);
  EXPECT_FALSE(c.FindText("T"));
}

TEST_F(LabelsTest, OnlyLabelsInsideTheRangeOverABinAreDrawn) {
  Add(150, 'C', "outside");
  Add(999.5, 'C', "no bin above");
  Draw();
  ASSERT_TRUE(View().PushRange(300, 1001));
  RecordingCanvas c = Draw();
  EXPECT_FALSE(c.FindText("outside"));
  EXPECT_FALSE(c.FindText("no bin above"));
}

TEST_F(LabelsTest, PaperUsesTheStoredPlaceLowered) {
  Add(499.0, 'C', "499.0");
  Add(700.0, 'C', "never shown");
  Draw();
  doc->GetSpectrum().m_pLabels[1].x = doc->GetSpectrum().m_pLabels[1].y = 0;
  RecordingCanvas paper = Draw(Canvas::Target::Printer);
  EXPECT_EQ(paper.FindText("499.0")->points[0], (Point{5712, -797 - 850}));
  EXPECT_FALSE(paper.FindText("never shown"));
}

TEST_F(LabelsTest, WithTwoTracesLabelsFollowTheLowerBand) {
  Add(499.0, 'C', "499.0");
  CIonvueDoc other(host, services);
  testing::MakeLinear(other.GetSpectrum(), 1001);
  other.m_bLoaded = true;
  Draw();
  View().AddTrace(&other);
  RecordingCanvas c = Draw();
  // u = bottom + (y0 + 3 py - bottom) / 2.
  EXPECT_EQ(c.FindText("499.0")->points[0].y, -6235 + (-1082 + 45 + 6235) / 2 + 240);
  View().OnDocumentClosed(&other);
}

TEST_F(LabelsTest, ClearingTheRangeKeepsLabelsOutsideAndNearThePrecursor) {
  Add(100, 'C', "a");
  Add(500, 'C', "b");
  Add(600, 'C', "c");
  Add(900, 'C', "d");
  doc->GetSpectrum().m_dPrecursorMass = 601;
  Draw();
  ASSERT_TRUE(View().PushRange(200, 800));
  View().NoteDefaultApplied();
  Draw();
  std::vector<std::string> left;
  for (const CLabel& l : doc->GetSpectrum().m_pLabels) left.push_back(l.text);
  EXPECT_EQ(left, (std::vector<std::string>{"a", "c", "d"}));
  EXPECT_EQ(View().DeleteLabelsInRange(), 0);
}

}  // namespace
}  // namespace ionvue
