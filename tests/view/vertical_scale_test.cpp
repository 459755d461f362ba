#include "viewer/view/vertical_scale.h"

#include <gtest/gtest.h>

#include <cmath>

namespace ionvue {
namespace {

const double kMz[] = {90, 100, 110, 120, 130, 140};
const int32_t kIntensity[] = {5000, 40, 300, 20, 800, 9000};

TEST(VerticalScale, AutomaticFromTheBinsInRangeWithTenPercentHeadroom) {
  VerticalScale scale;
  // From the first bin at or above 100 through the first bin above 125.
  ComputeVerticalScale(scale, kMz, kIntensity, 6, 100, 125, 10);
  EXPECT_EQ(scale.minimum, 20);
  EXPECT_EQ(scale.maximum, 800);
  EXPECT_DOUBLE_EQ(scale.span, (800 - 20) * 1.1);
  EXPECT_EQ(scale.fixedMaximum, int(std::trunc(780 * 1.1 / (10 * 2.805))));  // 30
  EXPECT_EQ(scale.fixedMaximum, 30);
}

TEST(VerticalScale, AFixedMaximumSetsTheSpanInAxisUnits) {
  VerticalScale scale;
  scale.fixed = true;
  scale.fixedMaximum = 30;
  ComputeVerticalScale(scale, kMz, kIntensity, 6, 100, 125, 10);
  EXPECT_EQ(scale.minimum, 20);
  EXPECT_EQ(scale.maximum, 30);
  EXPECT_DOUBLE_EQ(scale.span, std::trunc(10 * 30 * 2.805));  // 841
}

TEST(VerticalScale, FlatOrEmptyRangesStillHaveASpan) {
  VerticalScale scale;
  const int32_t flat[] = {7, 7, 7};
  ComputeVerticalScale(scale, kMz, flat, 3, 0, 1000, 100);
  EXPECT_EQ(scale.span, 1.0);
  ComputeVerticalScale(scale, kMz, kIntensity, 0, 0, 1000, 100);
  EXPECT_EQ(scale.minimum, 0);
  EXPECT_EQ(scale.maximum, 0);
  EXPECT_EQ(scale.span, 1.0);
}

TEST(VerticalScale, NoShotsScalesAsOneShot) {
  VerticalScale scale;
  ComputeVerticalScale(scale, kMz, kIntensity, 6, 0, 1000, 0);
  EXPECT_TRUE(std::isfinite(scale.span));
  EXPECT_EQ(scale.fixedMaximum, int(std::trunc((9000 - 20) * 1.1 / 2.805)));
  EXPECT_EQ(AxisShots(-3), 1);
  EXPECT_EQ(AxisShots(250), 250);
}

TEST(VerticalScale, ExtremeSamplesDoNotWrapTheSpanNegative) {
  VerticalScale scale;
  const int32_t extreme[] = {-2000000000, 2000000000};
  ComputeVerticalScale(scale, kMz, extreme, 2, 0, 1000, 1);
  EXPECT_GT(scale.span, 4e9);
}

}  // namespace
}  // namespace ionvue
