#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "kernel_catalogue.h"
#include "support/seeded_values.h"

namespace quorva {
namespace {

using kernels::ContourCompareArgs;

struct ThresholdCase {
  int windowsize;
  double P;
  double at_2, at_1, at_minus_04;  // NAN: not a number
};

class ContrastThresholdTest : public testing::TestWithParam<ThresholdCase> {};

void expect_threshold(int windowsize, float Lmax, double expected) {
  const float t = kernels::contrast_threshold(windowsize, Lmax);
  if (std::isnan(expected)) {
    EXPECT_TRUE(std::isnan(t)) << windowsize << " " << Lmax;
  } else {
    EXPECT_NEAR(t, expected, 6e-5) << windowsize << " " << Lmax;
  }
}

TEST_P(ContrastThresholdTest, DependsOnTheLevelWindowAndTheBrighterEye) {
  const ThresholdCase c = GetParam();
  EXPECT_NEAR(kernels::contrast_polynomial(c.windowsize), c.P, 6e-5);
  expect_threshold(c.windowsize, 2.0f, c.at_2);
  expect_threshold(c.windowsize, 1.0f, c.at_1);
  expect_threshold(c.windowsize, -0.4f, c.at_minus_04);
}

INSTANTIATE_TEST_SUITE_P(LevelWindows, ContrastThresholdTest,
                         testing::Values(ThresholdCase{1, 5.7722, 0.6698, 0.9359, 1.5544},
                                         ThresholdCase{3, 6.3461, 0.7109, 0.9770, 1.5955},
                                         ThresholdCase{7, 16.2142, 1.1183, 1.3844, 2.0029},
                                         ThresholdCase{15, 56.5003, 1.6605, 1.9266, 2.5451},
                                         ThresholdCase{31, 104.6293, 1.9281, 2.1942, 2.8127},
                                         ThresholdCase{41, 18.4867, 1.1753, 1.4414, 2.0599},
                                         ThresholdCase{43, -16.6354, NAN, NAN, NAN}));

TEST(ContrastThreshold, ThePolynomialIsPositiveUpTo42AndNegativeFrom43) {
  for (int w = 1; w <= 42; ++w) EXPECT_GT(kernels::contrast_polynomial(w), 0.0f) << w;
  for (int w = 43; w <= 70; ++w) EXPECT_LT(kernels::contrast_polynomial(w), 0.0f) << w;
}

TEST(MichelsonContrast, DependsOnTheRatioOfTheGreens) {
  const float g200 = kernels::linear_green(200), g100 = kernels::linear_green(100);
  EXPECT_NEAR(g200, 0.5860, 5e-5);
  EXPECT_NEAR(g100, 0.1275, 5e-5);
  const float c = kernels::michelson_contrast(g200, g100);
  EXPECT_NEAR(c, 0.6425, 5e-5);
  EXPECT_NEAR(std::log10(100.0f * c), 1.8079, 5e-5);
  EXPECT_NEAR(kernels::michelson_contrast(kernels::linear_green(128), kernels::linear_green(64)), c, 1e-6);
  // Visible at level window 15 with Lmax 2 (threshold 1.6605), not at 31 (1.9281).
  EXPECT_LT(kernels::contrast_threshold(15, 2.0f), std::log10(100.0f * c));
  EXPECT_GT(kernels::contrast_threshold(31, 2.0f), std::log10(100.0f * c));
}

TEST(MichelsonContrast, ANotANumberContrastIsPassedOver) {
  const float nan = kernels::michelson_contrast(0.0f, 0.0f);
  EXPECT_TRUE(std::isnan(nan));
  EXPECT_EQ(kernels::larger_contrast(nan, 0.25f), 0.25f);
  EXPECT_EQ(kernels::larger_contrast(0.25f, nan), 0.25f);
  EXPECT_TRUE(std::isnan(kernels::larger_contrast(nan, nan)));
  EXPECT_EQ(kernels::larger_contrast(0.5f, 0.25f), 0.5f);
}

struct PairCase {
  float dE0, dE1;
  float contrast;
  int contribution;
};

class PairRuleTest : public testing::TestWithParam<PairCase> {};

TEST_P(PairRuleTest, MatchedCountsForUnmatchedVisibleAgainst) {
  const PairCase c = GetParam();
  const float threshold = 1.0f;  // visible above a contrast of 10 %
  auto contrast = [&] { return c.contrast; };
  EXPECT_EQ(kernels::pair_contribution(c.dE0, c.dE1, 6.5f, 2.3f, threshold, contrast), c.contribution);
  EXPECT_EQ(kernels::pair_contribution(c.dE1, c.dE0, 6.5f, 2.3f, threshold, contrast), c.contribution)
      << "the eyes are interchangeable";
}

INSTANTIATE_TEST_SUITE_P(Thresholds, PairRuleTest,
                         testing::Values(PairCase{7.0f, 2.3f, 0.5f, -1},    // at most 2.3: unmatched
                                         PairCase{7.0f, 2.31f, 0.5f, 1},    // above 2.3: matched
                                         PairCase{6.5f, 0.0f, 0.5f, 0},     // 6.5 is not above 6.5
                                         PairCase{7.0f, 2.31f, NAN, 1},     // matching ignores contrast
                                         PairCase{7.0f, 1.0f, 0.1f, 0},     // exactly at the threshold: hidden
                                         PairCase{7.0f, 1.0f, 0.11f, -1},
                                         PairCase{7.0f, 1.0f, NAN, 0},
                                         PairCase{7.0f, 1.0f, 0.0f, 0},     // log10 0 is −∞
                                         PairCase{5.0f, 5.0f, 0.9f, 0}));   // weak in both eyes

// Band images of one window: six floats per pixel, red, L*, green, a*, blue, b*.
struct BandWindow {
  int ws;
  std::vector<float> cells;
  explicit BandWindow(int side) : ws(side), cells(static_cast<std::size_t>(side) * side * 6, 0.0f) {}
  void set(int x, int y, float L, float green) {
    float* cell = &cells[(y * ws + x) * 6];
    cell[1] = L;
    cell[2] = green;
  }
};

float compare_window(BandWindow& eye0, BandWindow& eye1, float lum0 = 1.0f, float lum1 = 1.0f) {
  std::vector<float> l0{lum0}, l1{lum1}, result{-1.0f};
  ContourCompareArgs a{1, 6.5f, 2.3f, l0.data(), l1.data(), eye0.cells.data() + 1, eye1.cells.data() + 1,
                       result.data(), eye0.ws, 1};
  catalogue::CompareLevel.entry.run_on_host(1, 1, &a);
  return result[0];
}

TEST(ContourCompare, AStepInOneEyeOnlyFlagsTheWindow) {
  BandWindow eye0(3), eye1(3);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 3; ++x) {
      eye0.set(x, y, 50, 100);
      eye1.set(x, y, 50, 100);
    }
  }
  EXPECT_EQ(compare_window(eye0, eye1), 0.0f) << "identical band pixels";
  eye0.set(1, 1, 80, 220);  // a bright spot seen by one eye: 8 unmatched visible pairs
  EXPECT_EQ(compare_window(eye0, eye1), 255.0f);
  EXPECT_EQ(compare_window(eye1, eye0, 1.0f, 1.0f), 255.0f);
  eye1.set(1, 1, 60, 220);  // both eyes see it, one more faintly: matched
  EXPECT_EQ(compare_window(eye0, eye1), 0.0f);
}

TEST(ContourCompare, ABalanceOfExactlyMinusOneFlagsAndZeroDoesNot) {
  // In a 2 × 2 window of eye 0 only the top pair is a strong step (7 in L*); every other pair steps by 3.5,
  // which is neither strong nor absent. Eye 1 is flat: one unmatched visible pair, balance −1.
  BandWindow eye0(2), eye1(2);
  eye0.set(0, 0, 50.0f, 50);
  eye0.set(1, 0, 57.0f, 200);
  eye0.set(0, 1, 53.5f, 100);
  eye0.set(1, 1, 53.5f, 100);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 2; ++x) eye1.set(x, y, 50.0f, 100);
  }
  EXPECT_EQ(compare_window(eye0, eye1), 255.0f);
  // Eye 1 now has the same step, weaker but present (2.5 > 2.3): matched, balance +1.
  eye1.set(1, 0, 52.5f, 100);
  EXPECT_EQ(compare_window(eye0, eye1), 0.0f);
}

TEST(ContourCompare, AWindowOfOneBandPixelOrNoneIsNeverFlagged) {
  BandWindow one(1);
  one.set(0, 0, 90, 250);
  BandWindow other(1);
  EXPECT_EQ(compare_window(one, other), 0.0f);
  std::vector<float> l{1.0f}, result{-1.0f};
  ContourCompareArgs a{1, 6.5f, 2.3f, l.data(), l.data(), one.cells.data() + 1, other.cells.data() + 1,
                       result.data(), 0, 1};
  catalogue::CompareLevel.entry.run_on_host(1, 1, &a);
  EXPECT_EQ(result[0], 0.0f);
}

TEST(ContourCompare, ALevelWindowOf43NeverSeesAnUnmatchedContour) {
  BandWindow eye0(43), eye1(43);
  for (int y = 0; y < 43; ++y) {
    for (int x = 0; x < 43; ++x) {
      eye0.set(x, y, (x + y) % 2 ? 90.0f : 10.0f, (x + y) % 2 ? 250.0f : 5.0f);
      eye1.set(x, y, 50, 100);
    }
  }
  EXPECT_EQ(compare_window(eye0, eye1), 0.0f);
}

TEST(ContourCompare, SwappingTheEyesGivesTheSamePlane) {
  const int ws = 5, windows = 40;
  const std::size_t floats = static_cast<std::size_t>(ws) * ws * windows * 6;
  std::vector<float> band0 = test::seeded_floats(floats, 1, 0, 255), band1 = band0;
  const std::vector<float> noise = test::seeded_floats(floats, 2, -30, 30);
  for (std::size_t k = 0; k < floats; ++k) band1[k] = std::max(0.0f, band1[k] + noise[k] * (k % 7 == 0));
  // Every third window of eye 1 is flat: the contours of eye 0 there have no partner.
  const std::size_t window_floats = static_cast<std::size_t>(ws) * ws * 6;
  for (int i = 0; i < windows; i += 3) std::fill_n(band1.begin() + i * window_floats, window_floats, 100.0f);
  std::vector<float> lum0 = test::seeded_floats(windows, 3, -0.4f, 2.2f), lum1 = test::seeded_floats(windows, 4, -0.4f, 2.2f);
  std::vector<float> forward(windows), swapped(windows);
  ContourCompareArgs a{8, 6.5f, 2.3f, lum0.data(), lum1.data(), band0.data() + 1, band1.data() + 1, forward.data(), ws, windows};
  catalogue::CompareLevel.entry.run_on_host(5, 8, &a);
  ContourCompareArgs b{8, 6.5f, 2.3f, lum1.data(), lum0.data(), band1.data() + 1, band0.data() + 1, swapped.data(), ws, windows};
  catalogue::CompareLevel.entry.run_on_host(5, 8, &b);
  EXPECT_EQ(forward, swapped);
  int flagged = 0;
  for (float v : forward) flagged += v == 255.0f;
  EXPECT_GT(flagged, 0);
  EXPECT_LT(flagged, windows);
}

}  // namespace
}  // namespace quorva
