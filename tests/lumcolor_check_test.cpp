#include "lumcolor_check.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "kernel_catalogue.h"
#include "support/seeded_values.h"
#include "kernels/lab_arithmetic.h"
#include "support/faulty_backend.h"

namespace quorva {
namespace {

std::vector<float> seeded(int clos, int rows, unsigned seed) {
  std::vector<float> image(static_cast<std::size_t>(clos) * rows * 3);
  unsigned state = seed;
  for (float& v : image) {
    state = state * 1103515245u + 12345u;
    v = static_cast<float>((state >> 16) % 256);
  }
  return image;
}

double lab_distance(const float* rgb0, const float* rgb1) {
  float lab0[3], lab1[3];
  kernels::srgb_to_xyz(rgb0[0], rgb0[1], rgb0[2], lab0);
  kernels::xyz_to_lab(lab0, lab0);
  kernels::srgb_to_xyz(rgb1[0], rgb1[1], rgb1[2], lab1);
  kernels::xyz_to_lab(lab1, lab1);
  return std::sqrt(std::pow(lab0[0] - lab1[0], 2) + std::pow(lab0[1] - lab1[1], 2) + std::pow(lab0[2] - lab1[2], 2));
}

class LumColorCheckTest : public testing::Test {
 protected:
  void create(int clos, int rows, int windowsize) {
    testing::internal::CaptureStdout();
    ASSERT_TRUE(create_workspace(backend_, ws_, clos, rows, windowsize, 1, 0));
    testing::internal::GetCapturedStdout();
  }
  int check(const std::vector<float>& image0, const std::vector<float>& image1, int threads_per_block = 512) {
    return lumcolor_check(backend_, ws_, image0.data(), image1.data(), 25.0f, threads_per_block);
  }
  void TearDown() override { release_workspace(backend_, ws_); }

  test::FaultyBackend backend_;
  CompareWorkspace ws_;
};

TEST_F(LumColorCheckTest, IdenticalImagesFlagNothingAndStayOnTheDevice) {
  create(40, 30, 9);
  const std::vector<float> image = seeded(40, 30, 5);
  EXPECT_EQ(check(image, image), 0);
  for (int g = 0; g < 2; ++g) {
    EXPECT_TRUE(std::equal(image.begin(), image.end(), ws_.dev_rgb[g])) << "kept for the contour check";
  }
  EXPECT_EQ(backend_.launched, (std::vector<std::string>{"RGB2XYZ_cuda_kernel", "XYZ2LAB_cuda_kernel",
                                                         "RGB2XYZ_cuda_kernel", "XYZ2LAB_cuda_kernel",
                                                         "CompareLumColor_cuda_kernel"}));
}

struct UniformCase {
  float grey0;
  float grey1;
};

class UniformPairTest : public LumColorCheckTest, public testing::WithParamInterface<UniformCase> {};

TEST_P(UniformPairTest, FlagsEveryCountedPositionExactlyWhenTheDistanceExceedsTheThreshold) {
  const UniformCase c = GetParam();
  const int clos = 23, rows = 17, windowsize = 5;
  create(clos, rows, windowsize);
  const std::vector<float> image0 = test::uniform_float_image(clos, rows, c.grey0, c.grey0, c.grey0);
  const std::vector<float> image1 = test::uniform_float_image(clos, rows, c.grey1, c.grey1, c.grey1);
  const double e = lab_distance(image0.data(), image1.data());
  ASSERT_GT(std::abs(e - 25.0), 0.01) << "pick greys clear of the threshold";
  EXPECT_EQ(check(image0, image1), e > 25.0 ? (rows - windowsize) * (clos - windowsize) : 0) << "distance " << e;
}

INSTANTIATE_TEST_SUITE_P(Greys, UniformPairTest,
                         testing::Values(UniformCase{100, 160}, UniformCase{100, 150}, UniformCase{0, 40},
                                         UniformCase{0, 80}, UniformCase{200, 255}, UniformCase{128, 128}));

TEST_F(LumColorCheckTest, CountsAgreeWithADirectComputationOnRandomImages) {
  const int clos = 19, rows = 14, windowsize = 3;
  create(clos, rows, windowsize);
  const std::vector<float> image0 = seeded(clos, rows, 1);
  std::vector<float> image1 = image0;
  // A colour cast over the top-left part, fading out, so that some windows are over and some under.
  for (int y = 0; y < rows; ++y) {
    for (int x = 0; x < clos; ++x) image1[(y * clos + x) * 3] = std::max(0.0f, image1[(y * clos + x) * 3] - 12.0f * (12 - x));
  }
  int expected = 0;
  for (int y = 0; y < rows - windowsize; ++y) {
    for (int x = 0; x < clos - windowsize; ++x) {
      double sum = 0;
      for (int c = x; c < x + windowsize; ++c) {
        for (int r = y; r < y + windowsize; ++r) sum += lab_distance(&image0[(r * clos + c) * 3], &image1[(r * clos + c) * 3]);
      }
      ASSERT_GT(std::abs(sum / 9 - 25.0), 1e-3) << "a window within rounding of the threshold";
      expected += sum / 9 > 25.0;
    }
  }
  ASSERT_GT(expected, 0);
  ASSERT_LT(expected, (rows - windowsize) * (clos - windowsize));
  EXPECT_EQ(check(image0, image1), expected);
  EXPECT_EQ(check(image0, image1, 7), expected) << "the block size does not matter";
}

TEST_F(LumColorCheckTest, ADifferenceAtTheBottomRightPixelAloneIsNeverCounted) {
  create(20, 15, 5);
  const std::vector<float> image0 = test::uniform_float_image(20, 15, 0, 0, 0);
  std::vector<float> image1 = image0;
  const std::size_t last = (15 * 20 - 1) * 3;
  image1[last] = image1[last + 1] = image1[last + 2] = 1e6f;
  EXPECT_EQ(check(image0, image1), 0);
  EXPECT_EQ(ws_.host_result[(15 - 5) * 20 + (20 - 5)], 255.0f) << "the kernel did flag the window";
}

TEST_F(LumColorCheckTest, OneColumnMoreThanTheWindowCountsColumnZeroOnly) {
  const int windowsize = 5, clos = windowsize + 1, rows = 12;
  create(clos, rows, windowsize);
  const std::vector<float> image0 = test::uniform_float_image(clos, rows, 0, 0, 0);
  std::vector<float> image1 = image0;
  for (int y = 0; y < rows; ++y) image1[(y * clos + clos - 1) * 3] = 1e5f;  // the last column only
  EXPECT_EQ(check(image0, image1), 0);
  EXPECT_EQ(ws_.host_result[1], 255.0f);
  EXPECT_EQ(ws_.host_result[0], 0.0f);

  for (int y = 0; y < rows; ++y) image1[(y * clos) * 3] = 1e5f;  // and now the first
  EXPECT_EQ(check(image0, image1), rows - windowsize);
}

TEST_F(LumColorCheckTest, AnImageNarrowerThanTheWindowFlagsNothing) {
  create(4, 30, 5);
  EXPECT_EQ(check(test::uniform_float_image(4, 30, 0, 0, 0), test::uniform_float_image(4, 30, 255, 0, 0)), 0);
}

TEST(CompareLumColorKernel, ASumExactlyAtTheLimitIsNotFlagged) {
  EXPECT_EQ(kernels::lumcolor_limit(43, 25.0f), 46225.0f);
  // Lab planes whose pixels differ by exactly 25 (and by a little more) everywhere.
  const int side = 43;
  std::vector<float> lab0(side * side * 3, 0.0f), at_limit(side * side * 3, 0.0f), above(side * side * 3, 0.0f);
  for (int p = 0; p < side * side; ++p) {
    lab0[3 * p] = 50.0f;
    at_limit[3 * p] = 25.0f;
    above[3 * p] = 24.99f;
  }
  device::HostBackend host;
  std::vector<float> result{-1.0f};
  launch(host, catalogue::CompareLumColor, 1, 1,
         kernels::CompareLumColorArgs{1, lab0.data(), at_limit.data(), result.data(), side, 25.0f, side, side});
  EXPECT_EQ(result[0], 0.0f);
  launch(host, catalogue::CompareLumColor, 1, 1,
         kernels::CompareLumColorArgs{1, lab0.data(), above.data(), result.data(), side, 25.0f, side, side});
  EXPECT_EQ(result[0], 255.0f);
}

struct CopyFailureCase {
  int fail_to_device_at;
  int fail_to_host_at;
  const char* message;
  int copies_to_device;
  bool kernels_ran;
};

class LumColorCopyFailureTest : public LumColorCheckTest, public testing::WithParamInterface<CopyFailureCase> {};

TEST_P(LumColorCopyFailureTest, AFailedCopyIsReportedAndReturnsMinusOne) {
  const CopyFailureCase c = GetParam();
  create(20, 20, 5);
  backend_.copies_to_device = 0;  // the filter upload of creation is not part of the check
  backend_.fail_copy_to_device_at = c.fail_to_device_at;
  backend_.fail_copy_to_host_at = c.fail_to_host_at;
  const std::vector<float> image = test::uniform_float_image(20, 20, 1, 2, 3);
  testing::internal::CaptureStdout();
  EXPECT_EQ(check(image, image), -1);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), c.message);
  EXPECT_EQ(backend_.copies_to_device, c.copies_to_device);
  EXPECT_EQ(backend_.launched.empty(), !c.kernels_ran);
}

INSTANTIATE_TEST_SUITE_P(Copies, LumColorCopyFailureTest,
                         testing::Values(CopyFailureCase{1, 0, "CUDA Memcpy error!\n", 1, false},
                                         CopyFailureCase{2, 0, "CUDA Memcpy error!\n", 2, false},
                                         CopyFailureCase{0, 1, "cudaMemcpy error! \n", 2, true}));

}  // namespace
}  // namespace quorva
