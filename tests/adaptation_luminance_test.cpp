#include <gtest/gtest.h>

#include <vector>

#include "kernel_catalogue.h"
#include "support/seeded_values.h"

namespace quorva {
namespace {

using kernels::AdaptationLuminanceArgs;

// Runs the kernel over every window of a uniform image and returns window 0's value.
float luminance_of_uniform_green(float green, float highest = 160.0f) {
  std::vector<float> image = test::uniform_float_image(10, 10, 0, green, 0);
  std::vector<float> out(4, -9.0f);
  AdaptationLuminanceArgs a{1, highest, 0, image.data(), out.data(), 5, 2, 2, 10, 10};
  catalogue::AdaptationLuminance.entry.run_on_host(8, 1, &a);
  for (float v : out) EXPECT_EQ(v, out[0]);
  return out[0];
}

struct LuminanceCase {
  float green;
  double expected;
};

class AdaptationLuminanceTest : public testing::TestWithParam<LuminanceCase> {};

TEST_P(AdaptationLuminanceTest, FollowsThePowerLawDisplay) {
  const LuminanceCase c = GetParam();
  EXPECT_NEAR(luminance_of_uniform_green(c.green), c.expected, 2e-6) << "green " << c.green;
}

INSTANTIATE_TEST_SUITE_P(UniformGreens, AdaptationLuminanceTest,
                         testing::Values(LuminanceCase{255, 2.2041202}, LuminanceCase{128, 1.5455936},
                                         LuminanceCase{50, 0.6474656}, LuminanceCase{100, 1.3097316},
                                         LuminanceCase{17, -0.3832808}, LuminanceCase{16, -0.4000000059604645},
                                         LuminanceCase{10, -0.4000000059604645},
                                         LuminanceCase{0, -0.4000000059604645},
                                         LuminanceCase{1000, 3.509732}, LuminanceCase{2000, 3.509732}));

TEST(AdaptationLuminance, TheFloorIsTheFloatNearestMinus04) {
  EXPECT_EQ(luminance_of_uniform_green(0), -0.4f);
  EXPECT_EQ(luminance_of_uniform_green(128, 0.0f), -0.4f);
  EXPECT_EQ(luminance_of_uniform_green(1000), luminance_of_uniform_green(2000));
}

TEST(AdaptationLuminance, RedAndBlueHaveNoEffect) {
  std::vector<float> a = test::uniform_float_image(12, 12, 0, 90, 0), b = test::uniform_float_image(12, 12, 255, 90, 7);
  std::vector<float> out_a(4), out_b(4);
  AdaptationLuminanceArgs args{4, 160.0f, 0, a.data(), out_a.data(), 6, 2, 2, 12, 12};
  catalogue::AdaptationLuminance.entry.run_on_host(1, 4, &args);
  args.cuda_rgb = b.data();
  args.cuda_averagelum = out_b.data();
  catalogue::AdaptationLuminance.entry.run_on_host(1, 4, &args);
  EXPECT_EQ(out_a, out_b);
}

TEST(AdaptationLuminance, TheOffsetMovesEveryWindowRightAndDown) {
  // Green 200 only in the 7 × 7 block at column 5, row 3: the window moved 5 right and 3 down covers it.
  const int W = 7, clos = 30, rows = 30;
  std::vector<float> image = test::uniform_float_image(clos, rows, 0, 0, 0);
  for (int y = 3; y < 3 + W; ++y) {
    for (int x = 5; x < 5 + W; ++x) image[(y * clos + x) * 3 + 1] = 200.0f;
  }
  std::vector<float> at_origin(16), moved(16);
  AdaptationLuminanceArgs a{2, 160.0f, 0, image.data(), at_origin.data(), W, 4, 4, clos, rows};
  catalogue::AdaptationLuminance.entry.run_on_host(8, 2, &a);
  a.rgb_start = 3 * W + 5;
  a.cuda_averagelum = moved.data();
  catalogue::AdaptationLuminance.entry.run_on_host(8, 2, &a);
  EXPECT_NEAR(moved[0], luminance_of_uniform_green(200), 1e-6);
  EXPECT_LT(at_origin[0], moved[0]);
  EXPECT_EQ(moved[1], -0.4f);
}

TEST(AdaptationLuminance, IndicesBeyondTheGridWriteNothing) {
  std::vector<float> image = test::uniform_float_image(8, 6, 0, 255, 0);
  std::vector<float> out(16, -9.0f);
  AdaptationLuminanceArgs a{2, 160.0f, 0, image.data(), out.data(), 2, 4, 3, 8, 6};
  catalogue::AdaptationLuminance.entry.run_on_host(8, 2, &a);
  for (int i = 0; i < 12; ++i) EXPECT_NE(out[i], -9.0f);
  for (int i = 12; i < 16; ++i) EXPECT_EQ(out[i], -9.0f);
}

TEST(AdaptationLuminance, WindowsReachingPastTheImageReadZerosThere) {
  // A 2 × 2 grid of 4-pixel windows on a 9 × 9 image, moved 3 right and 3 down: the last column and row
  // of windows reach past the image, and their outside samples count as black.
  std::vector<float> image = test::uniform_float_image(9, 9, 0, 255, 0);
  std::vector<float> out(4);
  AdaptationLuminanceArgs a{1, 160.0f, 3 * 4 + 3, image.data(), out.data(), 4, 2, 2, 9, 9};
  catalogue::AdaptationLuminance.entry.run_on_host(4, 1, &a);
  EXPECT_NEAR(out[0], 2.2041202, 2e-6);
  EXPECT_LT(out[1], out[0]);  // 2 of its 4 columns lie outside
  EXPECT_LT(out[3], out[1]);  // and 2 of its rows too
}

}  // namespace
}  // namespace quorva
