#include "viewer/core/spectrum.h"

#include "platform/scripted_host.h"
#include "platform/settings.h"
#include "tests/support/test_support.h"

namespace ionvue {
namespace {

using SpectrumTest = testing::TempDirTest;

TEST_F(SpectrumTest, ConstructionReadsAndDestructionWritesDefaults) {
  Settings().WriteString("Defaults", "TimeBase", "0.0125");
  Settings().WriteString("Defaults", "NumberOfShots", "250");
  Settings().WriteInt("Defaults", "CompressionWindow", 40);
  {
    CSpectrum s;
    EXPECT_DOUBLE_EQ(s.m_dTimeBase, 0.0125);
    EXPECT_EQ(s.m_nShots, 250);
    EXPECT_EQ(s.m_nCompressionWindow, 40);
    EXPECT_EQ(s.m_nLength, 1000);
    EXPECT_EQ(s.m_nCharge, 1);
    EXPECT_DOUBLE_EQ(s.m_dPrecursorMass, -1.0);
    s.m_nLossyFactor = 7;
  }
  EXPECT_EQ(Settings().GetInt("Defaults", "LossyCompressionFactor", 0), 7);
}

TEST_F(SpectrumTest, ResizeReportsImpossibleSizes) {
  CSpectrum s;
  EXPECT_TRUE(s.Resize(5));
  EXPECT_EQ(s.m_nLength, 5);
  EXPECT_GE(s.Capacity(), 5);
  EXPECT_FALSE(s.Resize(-1));
  EXPECT_FALSE(s.Resize(CSpectrum::kMaxSamples + 1));
  EXPECT_EQ(s.m_nLength, 0);
  EXPECT_FALSE(s.ClampPositive());
  EXPECT_TRUE(s.Resize(0));
  EXPECT_FALSE(s.ClampPositive());
}

TEST_F(SpectrumTest, ClampAndRevert) {
  CSpectrum s;
  s.Resize(4);
  int32_t values[] = {-5, 0, 1, 9};
  std::copy(values, values + 4, s.m_pData.get());
  EXPECT_TRUE(s.ClampPositive());
  EXPECT_EQ(std::vector<int32_t>(s.m_pData.get(), s.m_pData.get() + 4),
            (std::vector<int32_t>{1, 1, 1, 9}));
  s.SaveRevertCopy();
  s.m_pData[3] = 100;
  s.RestoreRevertCopy();
  EXPECT_EQ(s.m_pData[3], 9);
}

TEST_F(SpectrumTest, PropertyTextForms) {
  CSpectrum s;
  s.SetPropertyText("abc");
  EXPECT_EQ(s.m_pProperties.Value("SPECTRUM_DESCRIPTION"), "none ");
  EXPECT_EQ(s.m_pProperties.Value("SPECTRUM_NOTES"), "abc");
  s.SetPropertyText("x");
  EXPECT_EQ(s.m_pProperties.size(), 1u);
  EXPECT_EQ(s.m_pProperties.Value("SPECTRUM_DESCRIPTION"), "none ");
}

TEST_F(SpectrumTest, BlocksShareSamplesAndCopyBack) {
  CSpectrum s;
  s.Resize(3);
  s.m_pData[0] = 7;
  s.m_pcName = "/data/a.roziro";
  s.m_nShots = 55;
  SpectrumBlock block;
  EXPECT_TRUE(s.ExportBlock(&block));
  EXPECT_EQ(block.samples, s.m_pData.get());
  EXPECT_EQ(block.length, 3);
  EXPECT_EQ(block.description, "none available");
  EXPECT_EQ(s.m_nExports, 1);
  block.length = 2;
  block.samples[1] = 42;
  block.timeBase = 0.5;
  block.shots = 99;
  EXPECT_TRUE(s.ImportBlock(&block));  // from its own buffer
  EXPECT_EQ(s.m_nLength, 2);
  EXPECT_EQ(s.m_pData[0], 7);
  EXPECT_EQ(s.m_pData[1], 42);
  EXPECT_DOUBLE_EQ(s.m_dTimeBase, 0.5);
  EXPECT_EQ(s.m_nShots, 55);  // shots are not imported
  EXPECT_EQ(s.m_pcName, "/data/a.roziro");
  SpectrumBlock released;
  EXPECT_TRUE(s.ReleaseBlock(&released));
  EXPECT_EQ(s.m_nExports, 0);
  EXPECT_FALSE(s.ExportBlock(nullptr));
  EXPECT_FALSE(s.ImportBlock(nullptr));
  EXPECT_FALSE(s.ReleaseBlock(nullptr));
}

TEST_F(SpectrumTest, AtMostAThousandLabels) {
  CSpectrum s;
  CLabel label;
  for (int i = 0; i < 1000; ++i) ASSERT_TRUE(s.AddLabel(label));
  EXPECT_FALSE(s.AddLabel(label));
  EXPECT_EQ(s.LabelCount(), 1000);
}

}  // namespace
}  // namespace ionvue
