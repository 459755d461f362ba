#include "viewer/core/calibration.h"

#include <cmath>

#include "tests/support/spectrum_fixture.h"
#include "viewer/core/spectrum.h"

namespace ionvue {
namespace {

class CalibrationTest : public testing::SpectrumTest {
 protected:
  void Use(int tof, int deTOF, double a0, double a1, double a2, double a3, double timeBase,
           int offset = 0) {
    CSpectrum& s = spectrum();
    s.m_bTOF = tof;
    s.m_bDeTOF = deTOF;
    s.m_dA[0] = a0, s.m_dA[1] = a1, s.m_dA[2] = a2, s.m_dA[3] = a3;
    s.m_dTimeBase = timeBase;
    s.m_nOffset = offset;
  }
};

TEST_F(CalibrationTest, LinearModelMapsSampleTenToMassOne) {
  Use(0, 0, 0, 0.1, 7, 7, 1.0);  // a2, a3 are ignored by the linear model
  EXPECT_DOUBLE_EQ(spectrum().Forward(spectrum().TimeOf(10)), 1.0);
  EXPECT_DOUBLE_EQ(spectrum().Inverse(1.0), 10.0);
  EXPECT_EQ(spectrum().IndexOf(spectrum().Inverse(1.0)), 10);
}

TEST_F(CalibrationTest, PlainFlightTimeInverseIsExact) {
  Use(1, 0, 0.5, 0.25, 0, 0, 0.007);
  for (double t : {1.0, 12.5, 80.0}) {
    double mz = spectrum().Forward(t);
    EXPECT_DOUBLE_EQ(mz, std::pow(0.5 + 0.25 * t, 2));
    EXPECT_DOUBLE_EQ(spectrum().Inverse(mz), (std::sqrt(mz) - 0.5) / 0.25);
  }
}

TEST_F(CalibrationTest, NegativeMassActsAsZero) {
  Use(1, 0, 0.5, 0.25, 0, 0, 0.007);
  EXPECT_DOUBLE_EQ(spectrum().Inverse(-50), spectrum().Inverse(0));
  Use(0, 0, 2, 0.5, 0, 0, 1);
  EXPECT_DOUBLE_EQ(spectrum().Inverse(-1), -4.0);
}

TEST_F(CalibrationTest, QuadraticAndCubicModelsInvertWithinTolerance) {
  struct Case {
    double a0, a1, a2, a3;
    int deTOF;
  } cases[] = {
      {0.01, 0.9, 1e-4, 0, 0},     // closed quadratic root
      {0.01, 0.9, 1e-4, 0, 1},     // refined from the quadratic root
      {0.01, 0.9, 1e-4, 2e-7, 1},  // cubic term corrected by the walk
      {0.01, 0.9, 0, 3e-7, 1},     // no quadratic term: walk from t = 0
  };
  for (const auto& c : cases) {
    Use(1, c.deTOF, c.a0, c.a1, c.a2, c.a3, 0.007);
    for (double t : {5.0, 20.0, 40.0}) {
      double mz = spectrum().Forward(t);
      double back = spectrum().Inverse(mz);
      EXPECT_LT(std::fabs(spectrum().Forward(back) - mz), c.a3 != 0 ? 0.0005 : 1e-6)
          << "a2=" << c.a2 << " a3=" << c.a3 << " t=" << t;
    }
  }
}

TEST_F(CalibrationTest, RefinementStopsWhenNoTimeReachesTheMass) {
  // (a0 + a1 t + a3 t^3)^2 never comes below a0^2 = 100 for t >= 0 near the
  // start, and has no root for m/z 1 close to the walk: it must still stop.
  Use(1, 1, 10, 0.0, 0, 1e-9, 0.007);
  double t = spectrum().Inverse(1.0);
  EXPECT_TRUE(std::isfinite(t));
}

TEST_F(CalibrationTest, FullRangeUsesSamplePositionsOneAndLength) {
  Use(0, 0, 100, 2, 0, 0, 0.5, 4);
  spectrum().Resize(10);
  auto [low, high] = spectrum().FullRange();
  EXPECT_DOUBLE_EQ(low, 100 + 2 * (1 + 4) * 0.5);
  EXPECT_DOUBLE_EQ(high, 100 + 2 * (10 + 4) * 0.5);
}

}  // namespace
}  // namespace ionvue
