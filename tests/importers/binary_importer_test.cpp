#include <algorithm>
#include <cstdint>
#include <limits>

#include "tests/importers/importer_fixture.h"
#include "viewer/importers/binary_importer.h"
#include "viewer/importers/import_support.h"

namespace ionvue::testing {
namespace {

using Samples = std::vector<int32_t>;

class BinaryImporterTest : public ImporterTest {
 protected:
  int Load(const std::vector<uint8_t>& bytes, int points, int wordSize, bool tofware = false) {
    path_ = WriteFile("raw.dat", bytes);
    return CBinaryImporter(host_).Load(path_, spectrum(), points, wordSize, tofware);
  }
  std::string path_;
};

TEST_F(BinaryImporterTest, ThirtyTwoBitWordsAfterTheHeaderAreLifted) {
  spectrum().m_nHeaderBytes = 4;
  spectrum().m_nOffset = 77;
  std::vector<uint8_t> bytes = {9, 9, 9, 9};
  for (uint8_t b : Words32({5, -3, 10})) bytes.push_back(b);
  ASSERT_EQ(Load(bytes, kAllPoints, 4), 1);
  EXPECT_EQ(Stored(), (Samples{9, 1, 14}));
  EXPECT_EQ(spectrum().m_nOffset, 0);
  EXPECT_EQ(spectrum().m_pcName, path_);
  EXPECT_TRUE(host_.Questions().empty());
}

TEST_F(BinaryImporterTest, SixteenBitWordsAreSignedUnlessTofware) {
  const auto bytes = Words16({0xFFFF, 3, 0x8000});
  ASSERT_EQ(Load(bytes, kAllPoints, 2, false), 1);
  EXPECT_EQ(Stored(), (Samples{32768, 32772, 1}));  // minimum -32768
  ASSERT_EQ(Load(bytes, kAllPoints, 2, true), 1);
  EXPECT_EQ(Stored(), (Samples{65536, 4, 32769}));  // minimum 0
  EXPECT_TRUE(host_.Questions().empty());
}

TEST_F(BinaryImporterTest, PointsBoundTheWordsRead) {
  ASSERT_EQ(Load(Words32({1, 2, 3, 4, 5, 6}), 4, 4), 1);
  EXPECT_EQ(Stored(), (Samples{2, 3, 4, 5}));
  // A trailing part of a word ends the data.
  auto bytes = Words32({7, 8});
  bytes.push_back(1);
  ASSERT_EQ(Load(bytes, kAllPoints, 4), 1);
  EXPECT_EQ(Stored(), (Samples{8, 9}));
}

// 16-bit words {100, -1, 200, 300} read as 32-bit give -65436 first.
TEST_F(BinaryImporterTest, SixteenBitDataReadAs32BitAsksToSwitch) {
  const auto bytes = Words16({100, -1, 200, 300});
  struct Case {
    Answer answer;
    Samples samples;
  } cases[] = {
      // The 32-bit pass's minimum still lifts the 16-bit words.
      {Answer::Yes, {100 + 65437, -1 + 65437, 200 + 65437, 300 + 65437}},
      {Answer::No, {1, 300 * 65536 + 200 + 65437}},
  };
  for (const auto& c : cases) {
    host_.ClearEvents();
    host_.QueueAnswer(c.answer);
    ASSERT_EQ(Load(bytes, kAllPoints, 4), 1);
    EXPECT_EQ(Stored(), c.samples);
    ASSERT_EQ(host_.events().size(), 1u);
    EXPECT_EQ(host_.events()[0].kind, HostEvent::Kind::Question);
    EXPECT_EQ(host_.events()[0].text,
              "Data appears to be 16 bit NOT 32 bit binary.\nChange file type to 16 bit binary?");
    EXPECT_EQ(host_.events()[0].icon, MessageIcon::Question);
  }
}

// Small positive 32-bit values read as 16-bit words: every second word is 0.
TEST_F(BinaryImporterTest, ThirtyTwoBitDataReadAs16BitAsksToSwitch) {
  const auto bytes = Words32({5, 7, 9});
  struct Case {
    Answer answer;
    Samples samples;
  } cases[] = {
      {Answer::Yes, {6, 8, 10}},
      {Answer::No, {6, 1, 8, 1, 10, 1}},
  };
  for (const auto& c : cases) {
    for (bool tofware : {false, true}) {
      host_.ClearEvents();
      host_.QueueAnswer(c.answer);
      ASSERT_EQ(Load(bytes, kAllPoints, 2, tofware), 1);
      EXPECT_EQ(Stored(), c.samples);
      ASSERT_EQ(host_.Questions().size(), 1u);
      EXPECT_EQ(host_.Questions()[0],
                "Data appears to be 32 bit NOT 16 bit binary.\nChange file type to 32 bit binary?");
      EXPECT_EQ(host_.events()[0].icon, MessageIcon::Question);
    }
  }
}

TEST_F(BinaryImporterTest, SixteenBitQuestionCountsTheFailedReadOnlyWhenTheFileEndsEarly) {
  // Three zeros after positives. Six words: 6 or 7 reads, 3 >= 3 asks
  // either way. Seven words: 7 reads ask, but when the file ends before the
  // points the failed read makes 8 and 3 < 4.
  const auto six = Words16({5, 0, 7, 0, 9, 0});
  const auto seven = Words16({5, 0, 7, 0, 9, 0, 9});
  struct Case {
    const std::vector<uint8_t>* bytes;
    int points;
    bool asks;
  } cases[] = {{&six, 6, true}, {&six, 100, true}, {&seven, 7, true}, {&seven, 100, false}};
  for (const auto& c : cases) {
    host_.ClearEvents();
    Load(*c.bytes, c.points, 2);
    EXPECT_EQ(host_.Questions().size(), c.asks ? 1u : 0u) << c.points;
  }
}

TEST_F(BinaryImporterTest, EmptyFileRead16BitAsksThenFails) {
  EXPECT_EQ(Load({}, kAllPoints, 2), 0);
  EXPECT_EQ(host_.Questions().size(), 1u);
  host_.ClearEvents();
  EXPECT_EQ(Load({}, kAllPoints, 4), 0);
  EXPECT_TRUE(host_.events().empty());
}

TEST_F(BinaryImporterTest, HeaderBeyondTheFileLeavesNoSamples) {
  spectrum().m_nHeaderBytes = 100;
  spectrum().m_pcName = "before";
  EXPECT_EQ(Load(Words32({1, 2, 3}), kAllPoints, 4), 0);
  EXPECT_EQ(spectrum().m_pcName, "before");
  spectrum().m_nHeaderBytes = -5;  // a damaged setting reads from the start
  EXPECT_EQ(Load(Words32({1, 2, 3}), kAllPoints, 4), 1);
  EXPECT_EQ(Stored(), (Samples{2, 3, 4}));
}

TEST_F(BinaryImporterTest, MissingFileFailsWithoutAsking) {
  EXPECT_EQ(CBinaryImporter(host_).Load(PathOf("absent.dat"), spectrum(), kAllPoints, 2, false), 0);
  EXPECT_TRUE(host_.events().empty());
}

TEST_F(BinaryImporterTest, LiftingTheFullInt32RangeSaturatesInsteadOfWrapping) {
  constexpr int32_t lo = std::numeric_limits<int32_t>::min();
  constexpr int32_t hi = std::numeric_limits<int32_t>::max();
  host_.QueueAnswer(Answer::No);
  ASSERT_EQ(Load(Words32({lo, 0, hi}), kAllPoints, 4), 1);
  EXPECT_EQ(Stored(), (Samples{1, hi, hi}));
}

TEST_F(BinaryImporterTest, LargeFilesCrossEveryReadBlock) {
  std::vector<int64_t> values(300001);
  for (size_t i = 0; i < values.size(); ++i) values[i] = static_cast<int64_t>(i % 1000) - 10;
  ASSERT_EQ(Load(Words32(values), kAllPoints, 4), 1);
  const Samples samples = Stored();
  ASSERT_EQ(samples.size(), values.size());
  for (size_t i = 0; i < values.size(); ++i) ASSERT_EQ(samples[i], values[i] + 11) << i;

  std::vector<int> words(300001);
  for (size_t i = 0; i < words.size(); ++i) words[i] = static_cast<int>(i % 5000) + 1;
  ASSERT_EQ(Load(Words16(words), kAllPoints, 2), 1);
  const Samples samples16 = Stored();
  ASSERT_EQ(samples16.size(), words.size());
  for (size_t i = 0; i < words.size(); ++i) ASSERT_EQ(samples16[i], words[i] + 1) << i;
}

TEST_F(BinaryImporterTest, MinimumFoundLateStillLiftsEverySample) {
  // The minimum falls twice, in blocks far apart; a value near the top
  // before the falls saturates instead of wrapping.
  constexpr int64_t top = std::numeric_limits<int32_t>::max();
  std::vector<int64_t> values(250000, 100);
  values[10] = top - 5;
  values[70000] = -50;
  values[200000] = -3000;
  ASSERT_EQ(Load(Words32(values), kAllPoints, 4), 1);
  const Samples samples = Stored();
  ASSERT_EQ(samples.size(), values.size());
  for (size_t i = 0; i < values.size(); ++i)
    ASSERT_EQ(samples[i], std::min(values[i] + 3001, top)) << i;

  std::vector<int> words(250000, 100);
  words[70000] = -50;
  words[200000] = -3000;
  ASSERT_EQ(Load(Words16(words), kAllPoints, 2), 1);
  const Samples samples16 = Stored();
  ASSERT_EQ(samples16.size(), words.size());
  for (size_t i = 0; i < words.size(); ++i) ASSERT_EQ(samples16[i], words[i] + 3001) << i;
}

TEST_F(BinaryImporterTest, SizingFailureShowsTheMemoryMessage) {
  EXPECT_FALSE(SizeSpectrum(host_, spectrum(), CSpectrum::kMaxSamples + 1));
  EXPECT_EQ(host_.Messages(), std::vector<std::string>{CSpectrum::kInsufficientMemory});
}

}  // namespace
}  // namespace ionvue::testing
