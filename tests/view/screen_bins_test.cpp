#include "viewer/view/screen_bins.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <random>

#include "tests/view/view_fixture.h"

namespace ionvue {
namespace {

using testing::MakeLinear;

// The reduction exactly as the rules give it, one sample at a time.
BinResult Reference(const CSpectrum& s, double low, double high, double factor, int capacity,
                    std::vector<double>& mz, std::vector<int32_t>& intensity) {
  long start = std::max(s.IndexOf(s.Inverse(low)), 0L);
  long end = std::max(s.IndexOf(s.Inverse(high)), 0L);
  long n = s.m_nLength;
  if (factor <= 0) factor = std::ceil(double(end - start) / capacity);
  if (factor < 1) factor = 1;
  long count = long(factor), half = long(factor * 0.5);
  BinResult r;
  r.factor = factor;
  int32_t minimum = start < n && s.m_pData[start] >= 2 ? s.m_pData[start] : 10000;
  for (long i = start; i < std::min(end, n); ++i)
    if (s.m_pData[i] >= 2 && s.m_pData[i] < minimum) minimum = s.m_pData[i];
  r.minimumIntensity = minimum;
  mz.clear();
  intensity.clear();
  for (long o = start; int(mz.size()) < capacity && o < n - count && o <= end; o += count) {
    int32_t largest = 0;
    for (long i = o; i < o + count; ++i)
      if (i < n) largest = std::max(largest, s.m_pData[i]);
    mz.push_back(s.Forward((o + s.m_nOffset + half) * s.m_dTimeBase));
    intensity.push_back(largest);
  }
  r.count = int(mz.size());
  return r;
}

class ScreenBinsTest : public testing::TempDirTest {
 protected:
  BinResult Bin(double low, double high, double factor, int capacity = 2000) {
    mz.assign(capacity, -1);
    intensity.assign(capacity, -1);
    return BinSpectrum(spectrum(), low, high, factor, capacity, mz.data(), intensity.data());
  }
  CSpectrum& spectrum() {
    if (!spectrum_) spectrum_ = std::make_unique<CSpectrum>();
    return *spectrum_;
  }
  std::unique_ptr<CSpectrum> spectrum_;
  std::vector<double> mz;
  std::vector<int32_t> intensity;
};

TEST_F(ScreenBinsTest, FewerSamplesThanBinsGiveOneBinPerSample) {
  MakeLinear(spectrum(), 100);
  for (int i = 0; i < 100; ++i) spectrum().m_pData[i] = 1000 + i;
  BinResult r = Bin(1, 100, -1);
  EXPECT_EQ(r.factor, 1);
  // From sample 1 while o < n - 1.
  ASSERT_EQ(r.count, 98);
  for (int k = 0; k < r.count; ++k) {
    EXPECT_DOUBLE_EQ(mz[k], k + 1);
    EXPECT_EQ(intensity[k], 1000 + k + 1);
  }
}

TEST_F(ScreenBinsTest, EachBinKeepsItsLargestSampleSoNarrowPeaksSurvive) {
  MakeLinear(spectrum(), 100000);
  spectrum().m_pData[54321] = 777;
  BinResult r = Bin(0, 99999, -1);
  EXPECT_EQ(r.factor, 50);  // ceil(99999 / 2000)
  EXPECT_EQ(r.count, 1999);
  // Bin mass at the middle of the bin: o + trunc(50 / 2).
  EXPECT_DOUBLE_EQ(mz[0], 25);
  EXPECT_DOUBLE_EQ(mz[1], 75);
  int peak = 54321 / 50;
  EXPECT_EQ(intensity[peak], 777);
  EXPECT_EQ(std::count(intensity.begin(), intensity.begin() + r.count, 777), 1);
}

TEST_F(ScreenBinsTest, AGivenFactorIsReusedAndTheBinsStopAtTheCapacity) {
  MakeLinear(spectrum(), 100000);
  BinResult r = Bin(0, 99999, 7.6);
  EXPECT_DOUBLE_EQ(r.factor, 7.6);
  EXPECT_EQ(r.count, 2000);  // 2000 bins of 7 cover only part of the range
  EXPECT_DOUBLE_EQ(mz[1] - mz[0], 7);
  EXPECT_DOUBLE_EQ(mz[0], 3);  // half = trunc(7.6 x 0.5)
}

TEST_F(ScreenBinsTest, RecordsTheSmallestSampleOfAtLeastTwo) {
  MakeLinear(spectrum(), 1000);
  for (int i = 0; i < 1000; ++i) spectrum().m_pData[i] = 50;
  spectrum().m_pData[100] = 1;
  spectrum().m_pData[400] = 3;
  spectrum().m_pData[950] = 2;  // beyond the displayed end
  EXPECT_EQ(Bin(10, 900, -1).minimumIntensity, 3);
  for (int i = 0; i < 1000; ++i) spectrum().m_pData[i] = 1;
  EXPECT_EQ(Bin(10, 900, -1).minimumIntensity, 10000);
  for (int i = 0; i < 1000; ++i) spectrum().m_pData[i] = 20000;
  EXPECT_EQ(Bin(10, 900, -1).minimumIntensity, 20000);  // seeded from the first sample
}

TEST_F(ScreenBinsTest, MatchesTheSampleBySampleRulesOnRandomSpectra) {
  std::mt19937 random(7);
  for (int round = 0; round < 60; ++round) {
    const int n = 1 + int(random() % 30000);
    MakeLinear(spectrum(), n);
    spectrum().m_dA[0] = (random() % 5) - 2.0;
    spectrum().m_nOffset = int(random() % 3);
    for (int i = 0; i < n; ++i) spectrum().m_pData[i] = int32_t(random() % 3000) - 5;
    const double low = (random() % (n + 40)) - 20.0;
    const double high = low + (random() % (n + 40));
    const double factor = round % 3 == 0 ? -1 : 1 + (random() % 400) / 10.0;
    const int capacity = 1 + int(random() % 2500);
    std::vector<double> expectedMz;
    std::vector<int32_t> expectedIntensity;
    BinResult want =
        Reference(spectrum(), low, high, factor, capacity, expectedMz, expectedIntensity);
    BinResult got = Bin(low, high, factor, capacity);
    ASSERT_EQ(got.count, want.count) << "round " << round;
    EXPECT_EQ(got.factor, want.factor);
    EXPECT_EQ(got.minimumIntensity, want.minimumIntensity) << "round " << round;
    for (int k = 0; k < got.count; ++k) {
      ASSERT_EQ(mz[k], expectedMz[k]) << "round " << round << " bin " << k;
      ASSERT_EQ(intensity[k], expectedIntensity[k]) << "round " << round << " bin " << k;
    }
  }
}

TEST_F(ScreenBinsTest, TinyAndBrokenSpectraGiveNoBins) {
  MakeLinear(spectrum(), 1);
  EXPECT_EQ(Bin(0, 10, -1).count, 0);
  MakeLinear(spectrum(), 0);
  EXPECT_EQ(Bin(0, 10, -1).count, 0);
  MakeLinear(spectrum(), 100);
  spectrum().m_dA[1] = 0;  // a calibration that maps nothing back to time
  BinResult r = Bin(10, 20, -1);
  EXPECT_GE(r.factor, 1);
  EXPECT_LE(r.count, 2000);
  spectrum().m_dTimeBase = 0;
  EXPECT_LE(Bin(10, 20, -1).count, 2000);
}

TEST_F(ScreenBinsTest, TheDocumentsBinsAreWhatItsScreenExportWrites) {
  ScriptedHost host;
  DocumentServices services;
  CIonvueDoc doc(host, services);
  MakeLinear(doc.GetSpectrum(), 500);
  doc.GetSpectrum().m_pData[250] = 99;
  doc.m_nPointsPlottedOnScreen = 100;
  doc.m_dScreenMz.clear();  // grown back to the capacity
  BinResult r = BuildScreenBins(doc, 0, 499, -1);
  EXPECT_EQ(r.factor, 5);
  EXPECT_EQ(doc.m_nScreenBins, r.count);
  EXPECT_EQ(doc.m_nScreenBins, 99);
  EXPECT_EQ(doc.m_nScreenIntensity[50], 99);
  ASSERT_TRUE(doc.WriteScreenAscii(PathOf("screen.txt"), 0));
  EXPECT_NE(ReadFile(PathOf("screen.txt")).find("\r\n252.00\t99\r\n"), std::string::npos);
}

}  // namespace
}  // namespace ionvue
