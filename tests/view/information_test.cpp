// The information block: the file and time, then the description and the
// notes from the property text, wrapped to the plot's width.

#include <gtest/gtest.h>

#include "tests/view/view_fixture.h"
#include "viewer/view/information_text.h"

namespace ionvue {
namespace {

int TenPerCharacter(std::string_view text) { return static_cast<int>(text.size()) * 10; }

std::vector<std::string> Lines(std::string_view properties, int maxWidth) {
  return InformationLines("file", properties, maxWidth, TenPerCharacter);
}

TEST(InformationText, DescriptionThenNotesWhateverTheirOrder) {
  EXPECT_EQ(Lines("__SPECTRUM_NOTES=line one\r\nline two\n\nthree__SPECTRUM_MS_MODEL=X"
                  "__SPECTRUM_DESCRIPTION=Tryptic digest",
                  2000),
            (std::vector<std::string>{"file", "Description: Tryptic digest",
                                      "Spectrum Notes: line one", "    line two", "    three"}));
}

TEST(InformationText, EntriesAreFoundAnywhereAndMissingOnesWriteNothing) {
  EXPECT_EQ(Lines("__SPECTRUM_MS_MODEL=X__SPECTRUM_DESCRIPTION=none ", 2000),
            (std::vector<std::string>{"file", "Description: none "}));
  EXPECT_EQ(Lines("", 2000), std::vector<std::string>{"file"});
}

TEST(InformationText, ALineEndBeforeTheNextEntryEndsTheEntry) {
  EXPECT_EQ(Lines("__SPECTRUM_NOTES=a\r\n__SPECTRUM_MS_MODEL=X", 2000),
            (std::vector<std::string>{"file", "Spectrum Notes: a"}));
}

TEST(InformationText, LongLinesBreakAfterTheNextBreakCharacter) {
  // 10 characters fit; the cut runs on through the next break character.
  EXPECT_EQ(Lines("__SPECTRUM_NOTES=alpha beta gamma, delta", 100),
            (std::vector<std::string>{"file", "Spectrum Notes: alpha ", "    beta gamma,",
                                      "     delta"}));
}

TEST(InformationText, PiecesHoldAtMost300Characters) {
  std::string word(1000, 'x');
  std::vector<std::string> lines = Lines("__SPECTRUM_NOTES=" + word, 1000000);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[1], "Spectrum Notes: " + std::string(300 - 15, 'x'));
  EXPECT_EQ(lines[2], "    " + std::string(300, 'x'));
  EXPECT_EQ(lines[4], "    " + std::string(1000 - 285 - 600, 'x'));
}

TEST(InformationText, StoredUnderscoresShowAsUnderscores) {
  EXPECT_EQ(Lines("__SPECTRUM_DESCRIPTION=a\xFA"
                  "b",
                  2000),
            (std::vector<std::string>{"file", "Description: a_b"}));
}

TEST(InformationText, APlotNarrowerThanOneCharacterStillEnds) {
  std::string text = "__SPECTRUM_NOTES=" + std::string(5000, 'y') + "__SPECTRUM_DESCRIPTION=z";
  EXPECT_FALSE(Lines(text, -50).empty());
  TextPiece piece = NextPiece(text, 0, -50, TenPerCharacter);
  EXPECT_EQ(piece.text, "SPECTRUM_");  // one character, then on to the break
  EXPECT_EQ(piece.next, 11u);
}

class InformationBlockTest : public testing::ViewTest {};

TEST_F(InformationBlockTest, DrawnInTheSmallFontBelowTheAxisTitle) {
  Load(1001);
  doc->GetSpectrum().m_pcName = "/data/run1.roziro";
  doc->GetSpectrum().SetPropertyText(
      "__SPECTRUM_DESCRIPTION=Tryptic digest__SPECTRUM_NOTES=line one\r\nline two");
  EXPECT_FALSE(Draw().FindText("Description: Tryptic digest"));
  context.showInformation = true;
  RecordingCanvas c = Draw();
  const std::vector<std::string> expected{"/data/run1.roziro  (12:34 05/06/01)",
                                          "Description: Tryptic digest", "Spectrum Notes: line one",
                                          "    line two"};
  EXPECT_EQ(View().state().informationText, expected);
  // y = bottom - trunc(170 x 1.65 + 240), then 187 twips a line.
  for (size_t i = 0; i < expected.size(); ++i) {
    const CanvasCall* line = c.FindText(expected[i]);
    ASSERT_TRUE(line) << expected[i];
    EXPECT_EQ(line->points[0], (Point{1440, -6235 - 520 - 187 * int(i)}));
    EXPECT_EQ(line->font.height, -170);
    EXPECT_EQ(line->align, TextAlign::TopLeft);
  }
  EXPECT_EQ(View().state().informationHeight, 520 + 4 * 187);
}

}  // namespace
}  // namespace ionvue
