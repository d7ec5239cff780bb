// The host's batch forms against the element forms they stand in for, bit for bit, on windows of several
// sizes and on images whose size is no multiple of anything, with windows that reach past the image.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "device/host_backend.h"
#include "host_forms/lumcolor_batch_form.h"
#include "kernel_catalogue.h"
#include "support/seeded_values.h"

namespace quorva {
namespace {

bool same_floats(const std::vector<float>& a, const std::vector<float>& b) {
  return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(float)) == 0;
}

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
  EXPECT_TRUE(same_floats(host_forms::window_sums(distances, c.xsamples, c.ysamples, c.W), expected));
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
    EXPECT_TRUE(same_floats(element, batch)) << elements << " elements";
    EXPECT_NE(std::count(element.begin(), element.end(), 255.0f), 0);
    EXPECT_NE(std::count(element.begin(), element.end(), 0.0f), 0);
  }
}

INSTANTIATE_TEST_SUITE_P(Windows, LumColorFlagsTest,
                         testing::Values(PlaneCase{3, 41, 29}, PlaneCase{9, 30, 14}, PlaneCase{21, 60, 37},
                                         PlaneCase{43, 77, 52}, PlaneCase{65, 99, 74}));

struct TransformCase {
  int W;
  int clos;
  int rows;
  int ox;
  int oy;
};

// The frequencies a case runs: all of them for small windows, both ends and the middle for large ones.
std::vector<int> frequencies_of(int W) {
  std::vector<int> all;
  for (int j = 0; j < W; ++j) {
    if (W <= 21 || j < 3 || j > W - 4 || j == W / 2) all.push_back(j);
  }
  return all;
}

class ForwardBatchTest : public testing::TestWithParam<TransformCase> {};

TEST_P(ForwardBatchTest, IsTheElementFormForEveryFrequency) {
  const TransformCase c = GetParam();
  const int x = c.clos / c.W, y = c.rows / c.W, windows = x * y;
  std::vector<float> image = test::seeded_samples(static_cast<std::size_t>(c.clos) * c.rows * 3, c.W + 100);
  const std::size_t spectrum_floats = static_cast<std::size_t>(c.W) * c.W * windows * 6;
  std::vector<float> element(spectrum_floats, -1.0f), batch(spectrum_floats, -1.0f);
  const int T = 8;
  const int blocks = windows / T + 1;  // more threads than windows
  std::vector<kernels::ForwardTransformArgs> launches;
  for (int u : frequencies_of(c.W)) {
    for (int v : frequencies_of(c.W)) {
      kernels::ForwardTransformArgs a{u, v, T, image.data(), element.data(), c.oy * c.W + c.ox, c.W, x, y, c.clos, c.rows};
      device::run_each_index_on_host<kernels::ForwardTransformArgs, kernels::fourier_pyr_level0_cuda_kernel>(blocks, T, &a);
      a.cuda_rgbpyr = batch.data();
      launches.push_back(a);
    }
  }
  device::HostBackend backend;
  device::launch_many(backend, catalogue::FourierLevel0, blocks, T, launches);
  EXPECT_TRUE(same_floats(element, batch));
}

INSTANTIATE_TEST_SUITE_P(Windows, ForwardBatchTest,
                         testing::Values(TransformCase{3, 61, 20, 2, 1}, TransformCase{9, 100, 41, 4, 8},
                                         TransformCase{21, 67, 45, 10, 3}, TransformCase{43, 97, 50, 21, 21},
                                         TransformCase{65, 141, 71, 32, 0}));

class InverseBatchTest : public testing::TestWithParam<int> {};

TEST_P(InverseBatchTest, IsTheElementFormForEveryBandPixel) {
  const int w = GetParam(), W = 2 * w + 1, x = 8, y = 5, windows = x * y;
  const std::vector<float> spectra =
      test::seeded_floats(static_cast<std::size_t>(w) * w * windows * 6, 50 + w, -3000.0f, 9000.0f);
  std::vector<float> element(spectra.size(), -1.0f), batch(spectra.size(), -1.0f);
  const int T = windows - 3;  // one block that leaves the last windows out
  kernels::InverseTransformArgs a{T, W, element.data(), const_cast<float*>(spectra.data()), w, x, y};
  device::run_each_index_on_host<kernels::InverseTransformArgs, kernels::Inv_fourier_pyr_levels_cuda_kernel>(1, T, &a);
  a.cuda_rgb = batch.data();
  catalogue::InverseLevels.entry.run_on_host(1, T, &a);
  EXPECT_TRUE(same_floats(element, batch));
}

INSTANTIATE_TEST_SUITE_P(LevelSizes, InverseBatchTest, testing::Values(3, 9, 11, 21, 23));

}  // namespace
}  // namespace quorva
