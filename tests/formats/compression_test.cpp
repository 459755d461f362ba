#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "platform/scripted_host.h"
#include "platform/settings.h"
#include "tests/support/test_support.h"
#include "viewer/core/spectrum.h"
#include "viewer/formats/compression.h"
#include "viewer/formats/compression_dialog.h"

namespace ionvue {
namespace {

using Bytes = std::vector<uint8_t>;
using Samples = std::vector<int32_t>;

Bytes Stream(Samples samples, GroupHeader header = GroupHeader::kOneByte, bool lossless = true,
             int window = 100, int factor = 20, Host* host = nullptr) {
  EncodeSamples(samples.data(), samples.size(), lossless, window, factor, host);
  Bytes out;
  PackGroups(AsCodes(samples.data()), samples.size(), header, out);
  return out;
}

// Both read paths must agree: unpack then decode, and the fused pass.
Samples ReadBack(const Bytes& stream, std::size_t count, GroupHeader header,
                 GroupReadResult* result = nullptr) {
  Samples viaCodes(count, -7);
  GroupReadResult unpacked = UnpackGroups(stream, header, AsCodes(viaCodes.data()), count);
  DecodeSamples(viaCodes.data(), unpacked.codes);
  Samples fused(count, -7);
  GroupReadResult direct = DecodeSampleStream(stream, header, fused.data(), count);
  EXPECT_EQ(unpacked.codes, direct.codes);
  EXPECT_EQ(unpacked.bytes, direct.bytes);
  EXPECT_EQ(unpacked.groups, direct.groups);
  EXPECT_EQ(unpacked.error, direct.error);
  EXPECT_EQ(viaCodes, fused);
  if (result) *result = direct;
  viaCodes.resize(unpacked.codes);
  return viaCodes;
}

// A MALDI-like trace: falling baseline, noise, Gaussian peaks.
Samples Spectrum(std::size_t n, uint32_t seed) {
  std::mt19937 rng(seed);
  std::normal_distribution<double> noise(0.0, 12.0);
  Samples out(n);
  for (std::size_t i = 0; i < n; ++i) {
    double x = static_cast<double>(i);
    double v = 400.0 + 3000.0 * std::exp(-x / (n / 8.0)) + noise(rng);
    for (double centre : {0.21, 0.33, 0.5, 0.51, 0.8})
      v += 90000.0 * centre * std::exp(-std::pow((x - centre * n) / 6.0, 2));
    out[i] = static_cast<int32_t>(v);
  }
  return out;
}

struct CodeCase {
  int32_t difference;
  uint32_t code;
  int width;
};

TEST(DifferenceCodeTest, CodesEachRangeAndDecodesBack) {
  const std::vector<CodeCase> cases = {
      {0, 0, 0},
      {5, 5, 1},
      {127, 127, 1},
      {-1, 0x81, 1},
      {-127, 0xFF, 1},
      {128, 256, 2},
      {-128, 0x8100, 2},
      {-129, 0x8102, 2},
      {16383, 32766, 2},
      {-16383, 0xFFFE, 2},
      {16384, 65536, 3},
      {-16384, 0x810000, 3},
      {2097151, 8388604, 3},
      {-2097151, 0xFFFFFC, 3},
      {2097152, 16777216, 4},
      {-2097152, 0x81000000, 4},
      {-3000000, 24000000u ^ 0x80000000u, 4},
      {(1 << 28) - 1, ((1u << 28) - 1) * 8, 4},
      {-((1 << 28) - 1), (((1u << 28) - 1) * 8) ^ 0x80000000u, 4},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.difference);
    EXPECT_EQ(DifferenceCode(c.difference), c.code);
    EXPECT_EQ(CodeWidth(c.code), c.width);
    EXPECT_EQ(DifferenceOf(c.code), c.difference);
  }
}

TEST(DifferenceCodeTest, EveryDifferenceBelowTwoToThe28RoundTrips) {
  for (int64_t d = -(1 << 28) + 1; d < (1 << 28); d += 9973) {
    for (int64_t e : {d, d + 1, d + 127, d + 128}) {
      if (e >= (1 << 28)) continue;
      int32_t v = static_cast<int32_t>(e);
      ASSERT_EQ(DifferenceOf(DifferenceCode(v)), v);
    }
  }
}

TEST(DifferenceCodeTest, DecodesByValueWhateverGroupACodeSitsIn) {
  // A writer may put small codes in a wider group: the value decides.
  Bytes stream = {4, 2, 5, 0, 0x81, 0x00, 0x02, 0x81};  // width 2: 5, 0x81, 0x8102
  Samples samples = ReadBack(stream, 3, GroupHeader::kOneByte);
  EXPECT_EQ(samples, (Samples{5, 5 - 1, 5 - 1 - 129}));
}

TEST(SampleStreamTest, PacksTheWorkedExample) {
  Samples v = {5, 5, 5, 7};
  EXPECT_EQ(Stream(v), (Bytes{2, 1, 5, 3, 0, 2, 1, 2}));
  EXPECT_EQ(Stream(v, GroupHeader::kFourByte),
            (Bytes{2, 0, 0, 0, 1, 5, 3, 0, 0, 0, 0, 2, 0, 0, 0, 1, 2}));
  EXPECT_EQ(ReadBack(Stream(v), 4, GroupHeader::kOneByte), v);
}

TEST(SampleStreamTest, NegativeAndLargeDifferencesRoundTrip) {
  Samples v = {1000, 871, 3000871, 871, -5, 16777215, 0};
  Bytes stream = Stream(v);
  // 1000 opens a 2-byte group, -129 another; the next two jumps take 4 bytes.
  EXPECT_EQ(Bytes(stream.begin(), stream.begin() + 6), (Bytes{3, 2, 0xD0, 0x07, 0x02, 0x81}));
  for (GroupHeader h : {GroupHeader::kOneByte, GroupHeader::kFourByte})
    EXPECT_EQ(ReadBack(Stream(v, h), v.size(), h), v);
}

TEST(SampleStreamTest, LongRunsSplitIntoGroupsOf254) {
  Samples zeros(300, 0);
  EXPECT_EQ(Stream(zeros), (Bytes{255, 0, 47, 0}));
  Samples ramp(600);
  for (int i = 0; i < 600; ++i) ramp[i] = i + 1;
  Bytes stream = Stream(ramp);
  ASSERT_EQ(stream.size(), 2 + 254 + 2 + 254 + 2 + 92);
  EXPECT_EQ(stream[0], 255);
  EXPECT_EQ(stream[256], 255);
  EXPECT_EQ(stream[512], 93);
  EXPECT_EQ(ReadBack(stream, 600, GroupHeader::kOneByte), ramp);
}

TEST(SampleStreamTest, RealisticSpectraRoundTripInBothLayouts) {
  for (uint32_t seed : {1u, 2u}) {
    Samples v = Spectrum(200000, seed);
    for (GroupHeader h : {GroupHeader::kOneByte, GroupHeader::kFourByte}) {
      Bytes stream = Stream(v, h);
      GroupReadResult result;
      EXPECT_EQ(ReadBack(stream, v.size(), h, &result), v);
      EXPECT_EQ(result.error, GroupError::kNone);
      EXPECT_EQ(result.bytes, stream.size());
    }
  }
}

TEST(SampleStreamTest, GroupsAreMaximalRunsOfOneWidth) {
  // Random codes of every width, with runs long and short, across many
  // blocks of the packer: each group holds codes of its width only, at most
  // 254 of them, and ends only where the width changes or at 254.
  std::mt19937 rng(11);
  std::vector<uint32_t> codes;
  while (codes.size() < 60000) {
    const int width = static_cast<int>(rng() % 5);
    const std::size_t run = rng() % 8 == 0 ? rng() % 700 : rng() % 6 + 1;
    for (std::size_t k = 0; k < run; ++k) {
      const uint32_t low[] = {0, 1, 256, 65536, 0x1000000};
      const uint32_t span[] = {1, 255, 65280, 0xFF0000, 0xFF000000};
      codes.push_back(low[width] + static_cast<uint32_t>(rng() % span[width]));
    }
  }
  for (GroupHeader h : {GroupHeader::kOneByte, GroupHeader::kFourByte}) {
    Bytes stream;
    PackGroups(codes.data(), codes.size(), h, stream);
    const std::size_t field = static_cast<std::size_t>(h);
    std::size_t at = 0, next = 0;
    int previousWidth = -1;
    std::size_t previousCount = 0;
    while (at < stream.size()) {
      std::size_t n = stream[at] - 1u;
      if (h == GroupHeader::kFourByte) n = (stream[at] | stream[at + 1] << 8 | stream[at + 2] << 16) - 1u;
      const int width = stream[at + field];
      ASSERT_GE(n, 1u);
      ASSERT_LE(n, 254u);
      if (previousCount < 254) {
        ASSERT_NE(width, previousWidth) << "group cut early at " << next;
      }
      for (std::size_t k = 0; k < n; ++k) ASSERT_EQ(CodeWidth(codes[next + k]), width);
      at += field + 1 + n * static_cast<std::size_t>(width);
      next += n;
      previousWidth = width;
      previousCount = n;
    }
    EXPECT_EQ(next, codes.size());
    std::vector<uint32_t> back(codes.size());
    GroupReadResult r = UnpackGroups(stream, h, back.data(), back.size());
    EXPECT_EQ(r.bytes, stream.size());
    EXPECT_EQ(back, codes);
  }
}

TEST(SampleStreamTest, ZeroSamplesMakeNoGroups) {
  EXPECT_TRUE(Stream({}).empty());
  GroupReadResult r = UnpackGroups({}, GroupHeader::kOneByte, nullptr, 0);
  EXPECT_EQ(r.error, GroupError::kNone);
  EXPECT_EQ(r.codes, 0u);
}

TEST(SampleStreamTest, AGroupLongerThanWantedIsConsumedWholeSoWhatFollowsIsFound) {
  // 5 codes stored where 3 are wanted, then the label count of the file.
  Bytes stream = {6, 1, 1, 2, 3, 4, 5, 0xAA};
  GroupReadResult result;
  Samples got = ReadBack(stream, 3, GroupHeader::kOneByte, &result);
  EXPECT_EQ(got, (Samples{1, 3, 6}));
  EXPECT_EQ(result.error, GroupError::kNone);
  EXPECT_EQ(result.bytes, 7u);
}

struct DamageCase {
  const char* name;
  Bytes stream;
  GroupHeader header;
  std::size_t wanted;
  GroupError error;
  std::size_t codes;  // stored before the damage
};

TEST(SampleStreamTest, DamagedGroupsAreRefusedWithoutReadingPastTheData) {
  const std::vector<DamageCase> cases = {
      {"no data at all", {}, GroupHeader::kOneByte, 4, GroupError::kFieldCount, 0},
      {"header without width", {3}, GroupHeader::kOneByte, 4, GroupError::kByteCount, 0},
      {"codes cut off", {4, 2, 1, 0, 2}, GroupHeader::kOneByte, 4, GroupError::kGroupData, 1},
      {"data ends between groups", {2, 1, 5}, GroupHeader::kOneByte, 4, GroupError::kFieldCount, 1},
      {"width above 4", {2, 5, 1, 2, 3, 4, 5}, GroupHeader::kOneByte, 1, GroupError::kGroupData, 0},
      {"header byte 0", {0, 1, 9}, GroupHeader::kOneByte, 1, GroupError::kGroupData, 0},
      {"four-byte field cut off", {2, 0, 0}, GroupHeader::kFourByte, 1, GroupError::kFieldCount, 0},
      {"four-byte field without width", {2, 0, 0, 0}, GroupHeader::kFourByte, 1,
       GroupError::kByteCount, 0},
      {"negative four-byte field", {0xFF, 0xFF, 0xFF, 0xFF, 1, 1}, GroupHeader::kFourByte, 1,
       GroupError::kGroupData, 0},
      {"huge four-byte field", {0xFF, 0xFF, 0xFF, 0x7F, 4, 1, 2, 3, 4}, GroupHeader::kFourByte,
       1000, GroupError::kGroupData, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    // Exactly sized copies, so a read past the data shows under ASan.
    auto data = std::make_unique<uint8_t[]>(c.stream.size() + 1);
    std::copy(c.stream.begin(), c.stream.end(), data.get());
    std::vector<uint32_t> codes(c.wanted + 1, 0xDEADBEEF);
    GroupReadResult r = UnpackGroups({data.get(), c.stream.size()}, c.header, codes.data(), c.wanted);
    EXPECT_EQ(r.error, c.error);
    EXPECT_EQ(r.codes, c.codes);
    EXPECT_EQ(codes[c.wanted], 0xDEADBEEF);
  }
  EXPECT_EQ(std::string(GroupErrorMessage(GroupError::kFieldCount)), "Could not read the field count");
  EXPECT_EQ(std::string(GroupErrorMessage(GroupError::kByteCount)), "Could not read the byte count");
  EXPECT_EQ(std::string(GroupErrorMessage(GroupError::kGroupData)),
            "There has been an error reading this file.\n");
}

TEST(SampleStreamTest, AWidthZeroGroupOfAnyLengthFillsOnlyWhatIsWanted) {
  Bytes stream = {0xFF, 0xFF, 0xFF, 0x7F, 0};  // two billion zero codes claimed
  Samples samples(10, 3);
  GroupReadResult r = DecodeSampleStream(stream, GroupHeader::kFourByte, samples.data(), 10);
  EXPECT_EQ(r.error, GroupError::kNone);
  EXPECT_EQ(r.codes, 10u);
  EXPECT_EQ(samples, Samples(10, 0));
}

TEST(SampleStreamTest, EveryCutOfAStreamStopsCleanly) {
  Samples v = Spectrum(3000, 5);
  for (GroupHeader h : {GroupHeader::kOneByte, GroupHeader::kFourByte}) {
    Bytes stream = Stream(v, h);
    for (std::size_t keep = 0; keep < stream.size(); keep += 7) {
      Bytes cut(stream.begin(), stream.begin() + static_cast<std::ptrdiff_t>(keep));
      GroupReadResult r;
      Samples got = ReadBack(cut, v.size(), h, &r);
      ASSERT_NE(r.error, GroupError::kNone);
      ASSERT_LT(got.size(), v.size());
      ASSERT_TRUE(std::equal(got.begin(), got.end(), v.begin()));
    }
  }
}

// --- lossy steps -----------------------------------------------------------

TEST(LossyTest, QuietWindowBecomesZerosAndItsSum) {
  // Differences 10, 1, 2, 1 | 3000, 500, -4000, 2 | 1, 1, 1, 1: D = 4000,
  // T = 200; the middle window has three large entries of four and stays.
  Samples v = {10, 11, 13, 14, 3014, 3514, -486, -484, -483, -482, -481, -480};
  Samples codes = v;
  EncodeSamples(codes.data(), codes.size(), false, 4, 20, nullptr);
  Samples diffs;
  for (int32_t c : codes) diffs.push_back(DifferenceOf(static_cast<uint32_t>(c)));
  EXPECT_EQ(diffs, (Samples{0, 0, 0, 14, 3000, 500, -4000, 2, 0, 0, 0, 4}));
  DecodeSamples(codes.data(), codes.size());
  EXPECT_EQ(codes, (Samples{0, 0, 0, 14, 3014, 3514, -486, -484, -484, -484, -484, -480}));
}

TEST(LossyTest, HalfLargeEntriesStillFlattenAndTheLastWindowMayBeShort) {
  // D = 100, factor 10: T = 10. Window 5, half 2.
  Samples v = {0, 20, 40, 60, 61, 62, 63, 163};
  Samples codes = v;
  EncodeSamples(codes.data(), codes.size(), false, 5, 10, nullptr);
  DecodeSamples(codes.data(), codes.size());
  // First window: 20, 20, 20 are large (3 > 2): kept. Last window of three:
  // one large entry, flattened, ending exactly.
  EXPECT_EQ(codes, (Samples{0, 20, 40, 60, 61, 61, 61, 163}));

  // Exactly half large (window 4, two entries above T = 5) still flattens.
  Samples half = {0, 50, 100, 101, 102};
  EncodeSamples(half.data(), half.size(), false, 4, 10, nullptr);
  DecodeSamples(half.data(), half.size());
  EXPECT_EQ(half, (Samples{0, 0, 0, 101, 102}));
}

TEST(LossyTest, FactorBelowOneWarnsAndStaysLossless) {
  ScriptedHost host;
  Samples v = Spectrum(1000, 3);
  Bytes lossy = Stream(v, GroupHeader::kOneByte, false, 100, 0, &host);
  EXPECT_EQ(host.Messages(),
            std::vector<std::string>{"LossyCompressionFactor must be greater than zero"});
  EXPECT_EQ(lossy, Stream(v));
}

TEST(LossyTest, SuppressionShortensTheStreamAndKeepsEveryWindowEndExact) {
  Samples v = Spectrum(100000, 4);
  Bytes lossless = Stream(v);
  Bytes lossy = Stream(v, GroupHeader::kOneByte, false, 100, 20);
  EXPECT_LT(lossy.size(), lossless.size() / 3);
  Samples back = ReadBack(lossy, v.size(), GroupHeader::kOneByte);
  for (std::size_t end = 99; end < v.size(); end += 100) ASSERT_EQ(back[end], v[end]);
}

TEST(LossyTest, WindowBelowOneSuppressesNothing) {
  Samples v = Spectrum(500, 6);
  EXPECT_EQ(Stream(v, GroupHeader::kOneByte, false, 0, 20), Stream(v));
}

// --- binning and scaling ---------------------------------------------------

TEST(StorageTest, BinsByTruncatedMeans) {
  Samples raw = {1, 2, 3, 4, -3, -4, 7};
  Samples stored(raw.size());
  EXPECT_EQ(BinSamples(raw.data(), raw.size(), 2, stored.data()), 3u);
  EXPECT_EQ(Samples(stored.begin(), stored.begin() + 3), (Samples{1, 3, -3}));
  EXPECT_EQ(StorageBinFactor(true, 4), 1);
  EXPECT_EQ(StorageBinFactor(false, 4), 4);
  EXPECT_EQ(StorageBinFactor(false, 0), 1);
  // In place, as the writer may do it.
  EXPECT_EQ(BinSamples(raw.data(), raw.size(), 3, raw.data()), 2u);
  EXPECT_EQ(raw[0], 2);
  EXPECT_EQ(raw[1], -1);
}

TEST(StorageTest, ScalesLargeSpectraBelowTwoToThe24) {
  Samples v = {33554430, 16777215, 1000, 0, -1000};
  ScaleForStorage(v.data(), v.size());
  // 16777216 / 33554430 * s, truncated; the largest itself is limited.
  EXPECT_EQ(v, (Samples{16777215, 8388608, 500, 0, -500}));
  Samples small = {16777215, 5, -5};
  ScaleForStorage(small.data(), small.size());
  EXPECT_EQ(small, (Samples{16777215, 5, -5}));
}

TEST(StorageTest, SamplesTooLowForTheCodeAreRaisedSoTheRestSurvives) {
  Samples v = {16777215, -1000000000, 7, 16777215, 0};
  Samples stored = v;
  ScaleForStorage(stored.data(), stored.size());
  EXPECT_EQ(stored[1], compression::kLowestStored);
  Bytes stream = Stream(stored);
  EXPECT_EQ(ReadBack(stream, v.size(), GroupHeader::kOneByte),
            (Samples{16777215, compression::kLowestStored, 7, 16777215, 0}));
}

TEST(StorageTest, LosslessWriterStoresWhatTheStepsOneByOneWould) {
  // The writer makes its stream a block at a time; sizes around the block
  // and group lengths, and every kind of stored sample.
  for (std::size_t n : {0, 1, 253, 254, 255, 16383, 16384, 16638, 16639, 16893, 70000}) {
    Samples spectrum = Spectrum(n, static_cast<uint32_t>(n));
    Samples flat(n, 42);  // runs of zero differences cross the blocks
    Samples large = spectrum;
    for (auto& s : large) s *= 3000;
    Samples deep = spectrum;
    if (n > 2) deep[n / 2] = -600000000;
    for (const Samples* raw : {&spectrum, &flat, &large, &deep}) {
      for (GroupHeader h : {GroupHeader::kOneByte, GroupHeader::kFourByte}) {
        SCOPED_TRACE(n);
        Samples stored = *raw;
        ScaleForStorage(stored.data(), stored.size());
        Bytes written;
        auto count = AppendSampleStream(raw->data(), raw->size(), true, 100, 20, 7, h, written,
                                        nullptr);
        ASSERT_EQ(count, n);
        ASSERT_EQ(written, Stream(stored, h));
      }
    }
  }
}

TEST(StorageTest, AppendSampleStreamBinsScalesAndLeavesTheRawSamples) {
  Samples raw = Spectrum(10001, 8);
  for (auto& s : raw) s *= 10000;  // beyond 2^24
  const Samples original = raw;
  Bytes stream = {0xAB};
  auto stored = AppendSampleStream(raw.data(), raw.size(), false, 1, 1, 2,
                                   GroupHeader::kOneByte, stream, nullptr);
  ASSERT_TRUE(stored.has_value());
  EXPECT_EQ(*stored, 5000u);
  EXPECT_EQ(raw, original);
  EXPECT_EQ(stream[0], 0xAB);
  Samples expected(5000);
  BinSamples(raw.data(), raw.size(), 2, expected.data());
  ScaleForStorage(expected.data(), expected.size());
  // Window 1 suppresses nothing, so the binned, scaled samples come back.
  EXPECT_EQ(ReadBack(Bytes(stream.begin() + 1, stream.end()), 5000, GroupHeader::kOneByte),
            expected);
}

// --- the dialog --------------------------------------------------------------

class CompressionDialogTest : public testing::TempDirTest {};

TEST_F(CompressionDialogTest, StartsFromTheSpectrumWithItsDefaults) {
  CSpectrum spectrum;
  CompressionDialog dialog(spectrum);
  EXPECT_EQ(dialog.Title(), "Compression parameters");
  EXPECT_TRUE(dialog.lossless);
  EXPECT_EQ(dialog.window, 100);
  EXPECT_EQ(dialog.factor, 20);
  EXPECT_EQ(dialog.binFactor, 1);
  EXPECT_EQ(dialog.Validate(), "");
}

struct RangeCase {
  int window, factor, bin;
  std::string field;
  std::string message;
};

TEST_F(CompressionDialogTest, RefusesFieldsOutsideTheirRanges) {
  const std::vector<RangeCase> cases = {
      {1, 1, 1, "", ""},
      {10000, 1000, 200, "", ""},
      {0, 20, 1, "Zero supression window", "Please enter an integer between 1 and 10000."},
      {10001, 20, 1, "Zero supression window", "Please enter an integer between 1 and 10000."},
      {100, 0, 1, "Supression factor", "Please enter an integer between 1 and 1000."},
      {100, 1001, 1, "Supression factor", "Please enter an integer between 1 and 1000."},
      {100, 20, 0, ":1  Binning factor", "Please enter an integer between 1 and 200."},
      {100, 20, 201, ":1  Binning factor", "Please enter an integer between 1 and 200."},
  };
  CSpectrum spectrum;
  for (const auto& c : cases) {
    CompressionDialog dialog(spectrum);
    dialog.window = c.window;
    dialog.factor = c.factor;
    dialog.binFactor = c.bin;
    EXPECT_EQ(dialog.Validate(), c.field);
    EXPECT_EQ(dialog.RangeMessage(), c.message);
    EXPECT_EQ(dialog.Accept(spectrum), c.field.empty());
  }
}

TEST_F(CompressionDialogTest, AcceptStoresCancelKeepsAndDestructionWritesTheSettings) {
  ScriptedHost host;
  {
    CSpectrum spectrum;
    host.QueueDialog([](DialogModel& model) {
      auto& d = dynamic_cast<CompressionDialog&>(model);
      d.lossless = false;
      d.window = 50;
      d.factor = 7;
      d.binFactor = 3;
      return true;
    });
    EXPECT_TRUE(EditCompressionParameters(host, spectrum));
    EXPECT_EQ(spectrum.m_bLossless, 0);
    EXPECT_EQ(spectrum.m_nCompressionWindow, 50);
    EXPECT_EQ(spectrum.m_nLossyFactor, 7);
    EXPECT_EQ(spectrum.m_nBinFactor, 3);

    host.QueueDialog([](DialogModel& model) {
      dynamic_cast<CompressionDialog&>(model).window = 9;
      return false;
    });
    EXPECT_FALSE(EditCompressionParameters(host, spectrum));
    EXPECT_EQ(spectrum.m_nCompressionWindow, 50);

    host.QueueDialog([](DialogModel& model) {
      dynamic_cast<CompressionDialog&>(model).binFactor = 500;
      return true;
    });
    EXPECT_FALSE(EditCompressionParameters(host, spectrum));
    EXPECT_EQ(spectrum.m_nBinFactor, 3);
    EXPECT_EQ(host.Messages(),
              std::vector<std::string>{"Please enter an integer between 1 and 200."});
    // Nothing reaches the store before the spectrum goes.
    EXPECT_EQ(Settings().GetInt("Defaults", "CompressionWindow", -1), -1);
  }
  EXPECT_EQ(Settings().GetInt("Defaults", "LosslessCompress", -1), 0);
  EXPECT_EQ(Settings().GetInt("Defaults", "CompressionWindow", -1), 50);
  EXPECT_EQ(Settings().GetInt("Defaults", "LossyCompressionFactor", -1), 7);
  EXPECT_EQ(Settings().GetInt("Defaults", "BinFactor", -1), 3);
  // The next spectrum, and so the next dialog, starts from them.
  CSpectrum next;
  CompressionDialog dialog(next);
  EXPECT_FALSE(dialog.lossless);
  EXPECT_EQ(dialog.binFactor, 3);
}

}  // namespace
}  // namespace ionvue
