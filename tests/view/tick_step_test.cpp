#include "viewer/view/tick_step.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace ionvue {
namespace {

TEST(TickStep, OneTwoFiveStepsForAboutTenTicks) {
  struct Case {
    double width, target, step;
  } cases[] = {
      {0.005, kMzTickTarget, 0.01},   // narrower than ten smallest steps
      {0.1001, kMzTickTarget, 0.01},  // width x 100 reaches the target exactly
      {0.2, kMzTickTarget, 0.02},
      {25, kMzTickTarget, 5},
      {50, kMzTickTarget, 5},
      {1000, kMzTickTarget, 100},  // ten ticks fit since 10 < 10.01
      {1001, kMzTickTarget, 100},
      {1002, kMzTickTarget, 200},
      // The intensity axis aims at 10: a power of ten may give exactly ten
      // ticks, a 2 or 5 step may not.
      {1, kIntensityTickTarget, 0.1},
      {100, kIntensityTickTarget, 10},
      {0.2, kIntensityTickTarget, 0.05},
      {2, kIntensityTickTarget, 0.5},
      {50, kIntensityTickTarget, 10},
      {391.76, kIntensityTickTarget, 50},
  };
  for (const Case& c : cases)
    EXPECT_NEAR(TickStep(c.width, c.target), c.step, c.step * 1e-9)
        << "width " << c.width << " target " << c.target;
}

TEST(TickStep, RangesWithoutAFiniteWidthEndAtTheSmallestStep) {
  EXPECT_EQ(TickStep(-5, kMzTickTarget), 0.01);
  EXPECT_EQ(TickStep(0, kMzTickTarget), 0.01);
  EXPECT_EQ(TickStep(std::numeric_limits<double>::infinity(), 10), 0.01);
  EXPECT_EQ(TickStep(std::nan(""), 10), 0.01);
  EXPECT_GT(TickStep(1e300, 10), 1e298);  // ends on the largest ranges too
}

TEST(FirstTick, FirstMultipleOfTheStepFromTheLowEnd) {
  EXPECT_DOUBLE_EQ(FirstTick(1, 100), 100);
  EXPECT_DOUBLE_EQ(FirstTick(1000, 100), 1000);  // a tick on the low end is kept
  EXPECT_DOUBLE_EQ(FirstTick(1003.2, 5), 1005);
  EXPECT_DOUBLE_EQ(FirstTick(-12, 5), -10);
  EXPECT_NEAR(FirstTick(0.123, 0.01), 0.13, 1e-12);
}

}  // namespace
}  // namespace ionvue
