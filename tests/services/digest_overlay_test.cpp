#include "viewer/services/digest_overlay.h"

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "platform/scripted_host.h"
#include "tests/support/test_support.h"
#include "viewer/services/digest_files.h"

namespace ionvue {
namespace {

struct Match {
  double mass;
  int firstResidue, lastResidue, firstFragment, fragmentsInRun;
};

// Every match of one pass, as the view collects them.
std::vector<Match> Pass(DigestSource& overlay, double centre, double halfWidth) {
  std::vector<Match> out;
  overlay.ResetEnumeration();
  for (int guard = 0; guard < 1000000; ++guard) {
    Match m{0, -7, -7, -7, -7};
    m.mass = overlay.NextMatch(centre, halfWidth, m.firstResidue, m.lastResidue, m.firstFragment,
                               m.fragmentsInRun);
    if (m.mass <= 0.1) break;
    out.push_back(m);
  }
  return out;
}

std::vector<double> Masses(const std::vector<Match>& matches) {
  std::vector<double> out;
  for (const Match& m : matches) out.push_back(m.mass);
  return out;
}

class DigestFileTest : public testing::TempDirTest {
 protected:
  bool Read(const std::string& text) {
    return ReadCleavageFile(host_, WriteFile("digest.clv", text), overlay_);
  }
  ScriptedHost host_;
  DigestOverlay overlay_;
};

TEST_F(DigestFileTest, RunsOfAnEFileComeInOrderWithTheirResiduesAndMissedCleavages) {
  ASSERT_TRUE(Read("E\n1 10 1000.0\n11 15 500.0\n"));
  EXPECT_EQ(overlay_.IsPlainList(), 0);
  EXPECT_EQ(overlay_.FragmentCount(), 2);
  std::vector<Match> all = Pass(overlay_, 1000, 1000);
  ASSERT_EQ(all.size(), 3u);
  EXPECT_DOUBLE_EQ(all[0].mass, 1000.0);
  EXPECT_DOUBLE_EQ(all[1].mass, 1482.0);
  EXPECT_DOUBLE_EQ(all[2].mass, 500.0);
  EXPECT_EQ(all[1].firstResidue, 1);
  EXPECT_EQ(all[1].lastResidue, 15);
  EXPECT_EQ(all[1].firstFragment, 1);
  EXPECT_EQ(all[1].fragmentsInRun, 2);
  EXPECT_EQ(all[2].firstResidue, 11);
  EXPECT_EQ(all[2].firstFragment, 2);
  EXPECT_EQ(all[2].fragmentsInRun, 1);
  EXPECT_TRUE(host_.Messages().empty());
}

TEST_F(DigestFileTest, TheFirstLetterSelectsTheJunctionMass) {
  struct Case {
    const char* first;
    double junction;
  };
  for (Case c : {Case{"C", 31.2}, Case{"I", -32.0}, Case{"Enzyme: trypsin and more", -18.0}}) {
    SCOPED_TRACE(c.first);
    ASSERT_TRUE(Read(std::string(c.first) + "\r\n1 2 100.0\r\n3 4 200.0\r\n"));
    EXPECT_DOUBLE_EQ(overlay_.JunctionMass(), c.junction);
    EXPECT_EQ(Masses(Pass(overlay_, 300 + c.junction, 0.001)),
              std::vector<double>{300 + c.junction});
  }
}

TEST_F(DigestFileTest, AFirstLineNumberAboveOneMakesTheWholeFileAMassTable) {
  ASSERT_TRUE(Read("1500.5\n2000\nnot a number\n\n  2500.25\r\n"));
  EXPECT_EQ(overlay_.IsPlainList(), 1);
  EXPECT_EQ(overlay_.PlainMasses(), (std::vector<double>{1500.5, 2000, 0.0, 2500.25}));
  EXPECT_EQ(Masses(Pass(overlay_, 2000, 600)), (std::vector<double>{1500.5, 2000, 2500.25}));
}

TEST_F(DigestFileTest, FilesThatAreNeitherAreRefusedAndLeaveTheOverlayEmpty) {
  for (const char* text : {"0.5\n1 2 3\n", "", "xyz\n", "E\n\nno fragments here\n1 2\n"}) {
    SCOPED_TRACE(text);
    host_.ClearEvents();
    EXPECT_FALSE(Read(text));
    EXPECT_EQ(host_.Messages(), std::vector<std::string>{kInvalidCleavageFile});
    EXPECT_EQ(overlay_.IsLoaded(), 0);
  }
  host_.ClearEvents();
  EXPECT_FALSE(ReadCleavageFile(host_, PathOf("missing.clv"), overlay_));
  EXPECT_EQ(host_.Messages(), std::vector<std::string>{kCleavageFileUnreadable});
}

TEST_F(DigestFileTest, LinesWithoutThreeNumbersAreNoFragments) {
  // A mass-less line or a blank one would put a junction into the runs
  // across it.
  ASSERT_TRUE(Read("E\n1 5 800.0\n\n6 9\n6\t9\t700.0\n"));
  EXPECT_EQ(overlay_.FragmentCount(), 2);
  EXPECT_EQ(Masses(Pass(overlay_, 1000, 1000)), (std::vector<double>{800, 1482, 700}));
}

TEST_F(DigestFileTest, AnOverlongLineKeepsItsStartAndDoesNotBecomeMoreLines) {
  std::string longTail(5000, '7');
  ASSERT_TRUE(Read("E" + longTail + "\n1 2 300.5" + longTail + "\n3 4 400.0\n"));
  EXPECT_EQ(overlay_.FragmentCount(), 2);
  EXPECT_DOUBLE_EQ(overlay_.FragmentAt(0).mass, std::stod("300.5" + std::string(89, '7')));
}

TEST_F(DigestFileTest, HugeFilesAreCutAtTheCapWithAMessage) {
  std::string text = "2000\n";
  for (int i = 1; i <= DigestOverlay::kMaxEntries; ++i) text += "1000.5\n";
  ASSERT_TRUE(Read(text));
  EXPECT_EQ(overlay_.PlainMasses().size(), static_cast<size_t>(DigestOverlay::kMaxEntries));
  EXPECT_EQ(host_.Messages(), std::vector<std::string>{kTooManyFileMasses});

  host_.ClearEvents();
  text = "E\n";
  for (int i = 0; i <= DigestOverlay::kMaxEntries; ++i) text += "1 2 900\n";
  ASSERT_TRUE(Read(text));
  EXPECT_EQ(overlay_.FragmentCount(), DigestOverlay::kMaxEntries);
  EXPECT_EQ(host_.Messages(), std::vector<std::string>{kTooManyFragments});
}

TEST(MassTemplate, RunsOfDigitsAndPointsStartingWithADigitAreMasses) {
  struct Case {
    const char* text;
    std::vector<double> masses;
  };
  const Case cases[] = {
      {"m/z 1000.5, 2000", {1000.5, 2000}},
      {"-12.5x3\t.7", {12.5, 3, 7}},
      {"1.2.3 and 40.", {1.2, 40}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    ScriptedHost host;
    DigestOverlay overlay;
    ASSERT_TRUE(ParseMassTemplate(host, c.text, overlay));
    EXPECT_EQ(overlay.IsPlainList(), 1);
    EXPECT_EQ(overlay.PlainMasses(), c.masses);
  }
}

TEST(MassTemplate, EmptyAndDigitFreeTextsAreRefused) {
  ScriptedHost host;
  DigestOverlay overlay;
  EXPECT_FALSE(ParseMassTemplate(host, "", overlay));
  EXPECT_FALSE(ParseMassTemplate(host, "m/z, mass\n", overlay));
  EXPECT_EQ(host.Messages(), (std::vector<std::string>{kEmptyClipboard, kNoMassesOnClipboard}));
  EXPECT_EQ(overlay.IsLoaded(), 0);
}

TEST(MassTemplate, EnumerationContinuesAfterTheLastMatchAndLeavesTheOutputsAlone) {
  DigestOverlay overlay;
  overlay.SetPlainMasses({100, 200, 210, 300, 205});
  int a = 11, b = 12, c = 13, d = 14;
  overlay.ResetEnumeration();
  EXPECT_DOUBLE_EQ(overlay.NextMatch(205, 10, a, b, c, d), 200);
  EXPECT_DOUBLE_EQ(overlay.NextMatch(205, 10, a, b, c, d), 210);
  EXPECT_DOUBLE_EQ(overlay.NextMatch(205, 10, a, b, c, d), 205);
  EXPECT_DOUBLE_EQ(overlay.NextMatch(205, 10, a, b, c, d), 0.0);
  EXPECT_DOUBLE_EQ(overlay.NextMatch(205, 10, a, b, c, d), 0.0);
  EXPECT_EQ(std::vector<int>({a, b, c, d}), std::vector<int>({11, 12, 13, 14}));
  overlay.ResetEnumeration();
  EXPECT_DOUBLE_EQ(overlay.NextMatch(205, 10, a, b, c, d), 200);
}

// The runs a pass must visit, the slow way.
std::vector<Match> AllRuns(const std::vector<DigestOverlay::Fragment>& f, double junction,
                           double centre, double halfWidth) {
  std::vector<Match> out;
  for (size_t q = 0; q < f.size(); ++q) {
    for (size_t p = q; p < f.size(); ++p) {
      double mass = 0;
      for (size_t k = q; k <= p; ++k) mass += f[k].mass;
      mass += static_cast<double>(p - q) * junction;
      if (mass > 0.1 && std::fabs(mass - centre) <= halfWidth)
        out.push_back({mass, f[q].firstResidue, f[p].lastResidue, static_cast<int>(q + 1),
                       static_cast<int>(p - q + 1)});
    }
  }
  return out;
}

TEST(CleavageTable, IncrementalPassVisitsExactlyTheRunsOfTheSlowWay) {
  std::mt19937 random(7);
  std::uniform_real_distribution<double> mass(0.5, 2500.0);
  for (double junction : {-18.0, 31.2, -32.0}) {
    std::vector<DigestOverlay::Fragment> fragments;
    int residue = 1;
    for (int i = 0; i < 60; ++i) {
      // Some light fragments, so that a run can get lighter as it grows.
      double m = i % 9 == 4 ? 10.0 : mass(random);
      fragments.push_back({residue, residue + 5, m});
      residue += 6;
    }
    DigestOverlay overlay;
    overlay.SetCleavageTable(junction, fragments);
    for (double centre : {500.0, 3000.0, 20000.0}) {
      SCOPED_TRACE(centre);
      std::vector<Match> fast = Pass(overlay, centre, 400.0);
      std::vector<Match> slow = AllRuns(fragments, junction, centre, 400.0);
      ASSERT_EQ(fast.size(), slow.size());
      for (size_t i = 0; i < fast.size(); ++i) {
        EXPECT_NEAR(fast[i].mass, slow[i].mass, 1e-6);
        EXPECT_EQ(fast[i].firstFragment, slow[i].firstFragment);
        EXPECT_EQ(fast[i].fragmentsInRun, slow[i].fragmentsInRun);
        EXPECT_EQ(fast[i].lastResidue, slow[i].lastResidue);
      }
    }
  }
}

TEST(CleavageTable, APassEndsForGoodOnceEveryRunWasVisited) {
  DigestOverlay overlay;
  overlay.SetCleavageTable(-18.0, {{1, 2, 1000.0}});
  int a, b, c, d;
  overlay.ResetEnumeration();
  EXPECT_DOUBLE_EQ(overlay.NextMatch(1000, 1, a, b, c, d), 1000.0);
  EXPECT_DOUBLE_EQ(overlay.NextMatch(1000, 1, a, b, c, d), 0.0);
  EXPECT_DOUBLE_EQ(overlay.NextMatch(1000, 1, a, b, c, d), 0.0);
}

}  // namespace
}  // namespace ionvue
