#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "device/host_backend.h"
#include "kernel_catalogue.h"

namespace quorva {
namespace {

using kernels::ColourConversionArgs;

// Converts pixels through the two kernels, launched as the colour check launches them.
std::vector<float> to_lab(std::vector<float> rgb, bool in_place = true) {
  device::HostBackend host;
  const int pixels = static_cast<int>(rgb.size() / 3);
  const int T = 4;  // several blocks even for a few pixels
  const int blocks = device::blocks_for(pixels, T);
  std::vector<float> xyz(rgb.size(), -7.0f);
  std::vector<float> lab(rgb.size(), -7.0f);
  launch(host, catalogue::RGB2XYZ, blocks, T, ColourConversionArgs{T, rgb.data(), xyz.data(), pixels, 1});
  float* out = in_place ? xyz.data() : lab.data();
  launch(host, catalogue::XYZ2LAB, blocks, T, ColourConversionArgs{T, xyz.data(), out, pixels, 1});
  return in_place ? xyz : lab;
}

std::vector<float> to_xyz(std::vector<float> rgb) {
  device::HostBackend host;
  const int pixels = static_cast<int>(rgb.size() / 3);
  std::vector<float> xyz(rgb.size());
  launch(host, catalogue::RGB2XYZ, 1, 512, ColourConversionArgs{512, rgb.data(), xyz.data(), pixels, 1});
  return xyz;
}

struct LabCase {
  const char* name;
  float r, g, b;
  double L, a, bb;
  double tolerance;
  bool check_ab = true;  // greys outside 0–255 are checked on L* only
};

class LabValuesTest : public testing::TestWithParam<LabCase> {};

TEST_P(LabValuesTest, MatchesTheReferenceValues) {
  const LabCase& c = GetParam();
  const std::vector<float> lab = to_lab({c.r, c.g, c.b});
  EXPECT_NEAR(lab[0], c.L, c.tolerance) << c.name;
  if (!c.check_ab) return;
  EXPECT_NEAR(lab[1], c.a, c.tolerance) << c.name;
  EXPECT_NEAR(lab[2], c.bb, c.tolerance) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Colours, LabValuesTest,
                         testing::Values(LabCase{"white", 255, 255, 255, 100.0, 0.0052, -0.0104, 1e-4},
                                         LabCase{"red", 255, 0, 0, 53.233, 80.109, 67.220, 1e-3},
                                         LabCase{"green", 0, 255, 0, 87.737, -86.185, 83.181, 1e-3},
                                         LabCase{"blue", 0, 0, 255, 32.303, 79.197, -107.864, 1e-3},
                                         LabCase{"grey 128", 128, 128, 128, 53.585, 0.0031, -0.0062, 1e-3},
                                         LabCase{"grey -20", -20, -20, -20, -5.4835, 0, 0, 1e-4, false},
                                         LabCase{"grey 300", 300, 300, 300, 115.28, 0, 0, 5e-3, false}));

TEST(ColourConversion, BlackComesOutAsMinusTwoToTheMinus24) {
  const std::vector<float> lab = to_lab({0, 0, 0});
  EXPECT_EQ(lab[0], -std::ldexp(1.0f, -24));
  EXPECT_EQ(lab[1], 0.0f);
  EXPECT_EQ(lab[2], 0.0f);
}

TEST(ColourConversion, WhiteNormalisesToTheD65White) {
  const std::vector<float> xyz = to_xyz({255, 255, 255});
  EXPECT_NEAR(xyz[0], 1.0000316, 1e-7);
  EXPECT_EQ(xyz[1], 1.0f);
  EXPECT_NEAR(xyz[2], 1.0001562, 1e-7);
}

TEST(ColourConversion, ChannelValue10IsLinearAnd11TakesThePowerSegment) {
  EXPECT_NEAR(kernels::linearise_srgb(10.0f), 0.30353, 1e-5);
  EXPECT_EQ(kernels::linearise_srgb(10.0f),
            static_cast<float>(static_cast<double>(static_cast<float>(10.0 / 255.0)) / 12.92 * 100.0));
  const float s11 = static_cast<float>(11.0 / 255.0);
  EXPECT_EQ(kernels::linearise_srgb(11.0f),
            static_cast<float>(powf(static_cast<float>((s11 + 0.055) / 1.055), 2.4f) * 100.0));
  EXPECT_NE(kernels::linearise_srgb(11.0f), static_cast<float>(static_cast<double>(s11) / 12.92 * 100.0));
}

TEST(ColourConversion, NotANumberStaysNotANumberWithoutTouchingThePowerSegment) {
  const std::vector<float> lab = to_lab({NAN, 0, 0});
  EXPECT_TRUE(std::isnan(lab[1]));
}

TEST(ColourConversion, InPlaceGivesTheSamePlaneAsSeparateBuffers) {
  std::vector<float> rgb;
  for (int i = 0; i < 3 * 257; ++i) rgb.push_back(static_cast<float>((i * 37) % 300 - 20));
  const std::vector<float> in_place = to_lab(rgb, true);
  const std::vector<float> separate = to_lab(rgb, false);
  ASSERT_EQ(in_place.size(), separate.size());
  for (std::size_t i = 0; i < in_place.size(); ++i) ASSERT_EQ(in_place[i], separate[i]) << i;
}

TEST(ColourConversion, AnEmptyImageWritesNothing) {
  device::HostBackend host;
  std::vector<float> in{1, 2, 3}, out{-1, -1, -1};
  launch(host, catalogue::RGB2XYZ, 1, 4, ColourConversionArgs{4, in.data(), out.data(), 0, 5});
  launch(host, catalogue::XYZ2LAB, 1, 4, ColourConversionArgs{4, in.data(), out.data(), 1, 0});
  EXPECT_EQ(out, (std::vector<float>{-1, -1, -1}));
}

}  // namespace
}  // namespace quorva
