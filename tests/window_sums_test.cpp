// The colour check's batch form against the element form, bit for bit, on windows of several sizes and on
// planes whose size is no multiple of anything.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "device/backend.h"
#include "host_forms/lumcolor_batch_form.h"
#include "kernel_catalogue.h"
#include "support/seeded_values.h"

namespace quorva {
namespace {

struct PlaneCase {
  int W;
  int xsamples;
  int ysamples;
};

class WindowSumsTest : public testing::TestWithParam<PlaneCase> {};

TEST_P(WindowSumsTest, AddEachWindowInTheElementFormsOrder) {
  const PlaneCase c = GetParam();
  std::vector<float> distances = test::seeded_floats(static_cast<std::size_t>(c.xsamples) * c.ysamples, c.W, 0, 90);
  distances.resize(distances.size() + host_forms::kDistancePadding, 1e30f);
  const int across = c.xsamples - c.W + 1, down = c.ysamples - c.W + 1;
  std::vector<float> expected;
  for (int y = 0; y < down; ++y) {
    for (int x = 0; x < across; ++x) {
      float sum = 0.0f;
      for (int col = x; col < x + c.W; ++col) {
        for (int row = y; row < y + c.W; ++row) sum += distances[row * c.xsamples + col];
      }
      expected.push_back(sum);
    }
  }
  EXPECT_TRUE(test::same_floats(host_forms::window_sums(distances, c.xsamples, c.ysamples, c.W), expected));
}

INSTANTIATE_TEST_SUITE_P(Windows, WindowSumsTest,
                         testing::Values(PlaneCase{3, 3, 3}, PlaneCase{3, 41, 29}, PlaneCase{9, 14, 30},
                                         PlaneCase{21, 60, 37}, PlaneCase{43, 77, 52}, PlaneCase{65, 99, 74}));

class LumColorFlagsTest : public testing::TestWithParam<PlaneCase> {};

TEST_P(LumColorFlagsTest, AreTheElementFormsWhereverALaunchReaches) {
  const PlaneCase c = GetParam();
  const std::size_t pixels = static_cast<std::size_t>(c.xsamples) * c.ysamples;
  std::vector<float> lab0 = test::seeded_floats(3 * pixels, 2 * c.W, -40, 90);
  std::vector<float> lab1 = test::seeded_floats(3 * pixels, 2 * c.W + 1, -40, 90);
  // A threshold near the typical difference, so that windows fall on both sides of it.
  float threshold = 0.0f;
  for (std::size_t p = 0; p < pixels; ++p) threshold += kernels::lab_distance(lab0.data(), lab1.data(), 3 * p);
  threshold /= static_cast<float>(pixels);
  for (const int elements : {static_cast<int>(pixels), static_cast<int>(pixels) / 2}) {
    const int T = 32;
    const int blocks = device::blocks_for(elements, T);
    std::vector<float> element(pixels, -7.0f), batch(pixels, -7.0f);
    kernels::CompareLumColorArgs a{T, lab0.data(), lab1.data(), element.data(), c.W, threshold, c.xsamples, c.ysamples};
    device::run_each_index_on_host<kernels::CompareLumColorArgs, kernels::CompareLumColor_cuda_kernel>(blocks, T, &a);
    a.cuda_result = batch.data();
    catalogue::CompareLumColor.entry.run_on_host(blocks, T, &a);
    EXPECT_TRUE(test::same_floats(element, batch)) << elements << " elements";
    EXPECT_NE(std::count(element.begin(), element.end(), 255.0f), 0);
    EXPECT_NE(std::count(element.begin(), element.end(), 0.0f), 0);
  }
}

INSTANTIATE_TEST_SUITE_P(Windows, LumColorFlagsTest,
                         testing::Values(PlaneCase{3, 41, 29}, PlaneCase{9, 30, 14}, PlaneCase{21, 60, 37},
                                         PlaneCase{43, 77, 52}, PlaneCase{65, 99, 74}));

}  // namespace
}  // namespace quorva
