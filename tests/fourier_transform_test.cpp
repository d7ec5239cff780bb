// The transforms against a scalar reference written straight from their formulas, bit for bit, in both the
// element form and the host's batch form; and the batch forms against the element form on windows of several
// sizes and on images whose size is no multiple of anything, with windows that reach past the image.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "device/host_backend.h"
#include "kernel_catalogue.h"
#include "support/seeded_values.h"

namespace quorva {
namespace {

using kernels::ForwardTransformArgs;
using kernels::InverseTransformArgs;

// The coefficient (u, v) of the window at (left, top), the formulas written out once more.
void reference_forward(const std::vector<float>& image, int clos, int rows, int W, int left, int top, int u, int v,
                       float out[6]) {
  float sums[6] = {0, 0, 0, 0, 0, 0};
  for (int c = 0; c < W; ++c) {
    for (int r = 0; r < W; ++r) {
      const float phi = static_cast<float>(u * c) / static_cast<float>(W) + static_cast<float>(v * r) / static_cast<float>(W);
      const double theta = static_cast<double>(phi) * -6.2831852;
      const float C = static_cast<float>(std::cos(theta));
      const float S = static_cast<float>(std::sin(theta));
      const int x = left + c, y = top + r;
      for (int ch = 0; ch < 3; ++ch) {
        const float value = x < clos && y < rows ? image[(y * clos + x) * 3 + ch] : 0.0f;
        const float re = value * C;
        const float im = value * S;
        sums[2 * ch] = sums[2 * ch] + re;
        sums[2 * ch + 1] = sums[2 * ch + 1] + im;
      }
    }
  }
  std::memcpy(out, sums, sizeof sums);
}

// Band pixel (row q, column p) of a w × w spectrum, red, green, blue, scaled by 1/W² and clamped.
void reference_inverse(const float* spectrum, int w, int W, int p, int q, float out[3]) {
  for (int ch = 0; ch < 3; ++ch) {
    float sum = 0.0f;
    for (int s = 0; s < w; ++s) {
      for (int t = 0; t < w; ++t) {
        const float phi = static_cast<float>(p * s) / static_cast<float>(w) + static_cast<float>(q * t) / static_cast<float>(w);
        const double theta = static_cast<double>(phi) * 6.2831852;
        const float S = static_cast<float>(std::sin(theta));
        const float C = static_cast<float>(std::cos(theta));
        const float* cell = spectrum + (t * w + s) * 6;
        const float term = cell[2 * ch] * C - cell[2 * ch + 1] * S;
        sum = sum + term;
      }
    }
    float value = sum / static_cast<float>(W) / static_cast<float>(W);
    out[ch] = std::min(std::max(value, 0.0f), 255.0f);
  }
}

struct TransformCase {
  int W;
  int clos;
  int rows;
  int ox;
  int oy;
};

class ForwardTransformTest : public testing::TestWithParam<TransformCase> {};

TEST_P(ForwardTransformTest, EveryFormMatchesTheReferenceBitForBit) {
  const TransformCase c = GetParam();
  const int x = c.clos / c.W, y = c.rows / c.W, windows = x * y;
  std::vector<float> image = test::seeded_samples(static_cast<std::size_t>(c.clos) * c.rows * 3, c.W);
  const std::size_t spectrum_floats = static_cast<std::size_t>(c.W) * c.W * windows * 6;
  std::vector<float> element(spectrum_floats, -1.0f), batch(spectrum_floats, -2.0f);
  const int B = 3;  // several blocks, one more thread than windows
  const int blocks = windows / B + 1;
  for (int u = 0; u < c.W; ++u) {
    for (int v = 0; v < c.W; ++v) {
      ForwardTransformArgs a{u, v, B, image.data(), element.data(), c.oy * c.W + c.ox, c.W, x, y, c.clos, c.rows};
      device::run_each_index_on_host<ForwardTransformArgs, kernels::fourier_pyr_level0_cuda_kernel>(blocks, B, &a);
      a.cuda_rgbpyr = batch.data();
      catalogue::FourierLevel0.entry.run_on_host(blocks, B, &a);
    }
  }
  for (int i = 0; i < windows; ++i) {
    const int left = c.ox + (i % x) * c.W, top = c.oy + (i / x) * c.W;
    for (int v = 0; v < c.W; ++v) {
      for (int u = 0; u < c.W; ++u) {
        float expected[6];
        reference_forward(image, c.clos, c.rows, c.W, left, top, u, v, expected);
        const std::size_t at = ((static_cast<std::size_t>(i) * c.W + v) * c.W + u) * 6;
        ASSERT_EQ(std::memcmp(expected, &element[at], sizeof expected), 0) << "element, window " << i << " u " << u << " v " << v;
        ASSERT_EQ(std::memcmp(expected, &batch[at], sizeof expected), 0) << "batch, window " << i << " u " << u << " v " << v;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Windows, ForwardTransformTest,
                         testing::Values(TransformCase{3, 10, 7, 0, 0}, TransformCase{3, 10, 7, 2, 1},
                                         TransformCase{9, 29, 20, 4, 8},   // windows reach past both edges
                                         TransformCase{21, 44, 43, 10, 0}, TransformCase{43, 90, 50, 21, 21}));

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
  EXPECT_TRUE(test::same_floats(element, batch));
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
  EXPECT_TRUE(test::same_floats(element, batch));
}

INSTANTIATE_TEST_SUITE_P(LevelSizes, InverseBatchTest, testing::Values(3, 9, 11, 21, 23));

TEST(ForwardTransform, AUniformWindowHasOnlyTheZeroFrequency) {
  const int W = 9, g = 100;
  std::vector<float> image(W * W * 3, static_cast<float>(g));
  std::vector<float> spectrum(W * W * 6, -1.0f);
  for (int u = 0; u < W; ++u) {
    for (int v = 0; v < W; ++v) {
      ForwardTransformArgs a{u, v, 8, image.data(), spectrum.data(), 0, W, 1, 1, W, W};
      catalogue::FourierLevel0.entry.run_on_host(1, 8, &a);
    }
  }
  for (int ch = 0; ch < 3; ++ch) {
    EXPECT_EQ(spectrum[2 * ch], W * W * g);
    EXPECT_EQ(spectrum[2 * ch + 1], 0.0f);
  }
  for (int cell = 1; cell < W * W; ++cell) {
    for (int k = 0; k < 6; ++k) ASSERT_NEAR(spectrum[cell * 6 + k], 0.0, 0.05) << "cell " << cell;
  }
}

TEST(ForwardTransform, IndicesBeyondTheWindowGridWriteNothing) {
  const int W = 3;
  std::vector<float> image(12 * 6 * 3, 50.0f);
  std::vector<float> spectrum(W * W * 8 * 6 + 6 * 9, -1.0f);
  ForwardTransformArgs a{0, 0, 16, image.data(), spectrum.data(), 0, W, 4, 2, 12, 6};
  catalogue::FourierLevel0.entry.run_on_host(1, 16, &a);
  for (std::size_t k = W * W * 8 * 6; k < spectrum.size(); ++k) EXPECT_EQ(spectrum[k], -1.0f);
}

class InverseTransformTest : public testing::TestWithParam<int> {};

TEST_P(InverseTransformTest, EveryFormMatchesTheReferenceBitForBit) {
  const int w = GetParam(), W = 2 * w + 3, x = 3, y = 2, windows = x * y;
  const std::vector<float> spectrum = test::seeded_floats(static_cast<std::size_t>(w) * w * windows * 6, w, -4000.0f, 9000.0f);
  std::vector<float> element(spectrum.size(), -1.0f), batch(spectrum.size(), -1.0f);
  InverseTransformArgs a{4, W, element.data(), const_cast<float*>(spectrum.data()), w, x, y};
  device::run_each_index_on_host<InverseTransformArgs, kernels::Inv_fourier_pyr_levels_cuda_kernel>(2, 4, &a);
  a.cuda_rgb = batch.data();
  catalogue::InverseLevels.entry.run_on_host(2, 4, &a);
  int clamped = 0;
  for (int i = 0; i < windows; ++i) {
    for (int q = 0; q < w; ++q) {
      for (int p = 0; p < w; ++p) {
        float expected[3];
        reference_inverse(spectrum.data() + static_cast<std::size_t>(i) * w * w * 6, w, W, p, q, expected);
        const std::size_t at = ((static_cast<std::size_t>(i) * w + q) * w + p) * 6;
        for (int ch = 0; ch < 3; ++ch) {
          ASSERT_EQ(std::memcmp(&expected[ch], &element[at + 2 * ch], sizeof(float)), 0) << i << " " << p << " " << q;
          ASSERT_EQ(std::memcmp(&expected[ch], &batch[at + 2 * ch], sizeof(float)), 0) << i << " " << p << " " << q;
          clamped += expected[ch] == 0.0f || expected[ch] == 255.0f;
          ASSERT_EQ(element[at + 2 * ch + 1], -1.0f) << "the odd slots are left alone";
        }
      }
    }
  }
  EXPECT_GT(clamped, 0) << "the spectra should reach both clamps somewhere";
}

INSTANTIATE_TEST_SUITE_P(LevelSizes, InverseTransformTest, testing::Values(1, 3, 5, 9, 11, 21));

TEST(InverseTransform, ClampsToTheEightBitRange) {
  EXPECT_EQ(kernels::clamp_band_value(-5.0f, 3), 0.0f);
  EXPECT_EQ(kernels::clamp_band_value(9.0f * 300.0f, 3), 255.0f);
  EXPECT_EQ(kernels::clamp_band_value(9.0f * 7.0f, 3), 7.0f);
}

TEST(LevelFilter, Level3KeepsTheLowestFrequenciesFromTheirSourceCells) {
  const int W = 9, w = 3, windows = 2;
  std::vector<float> pyramid(W * W * windows * 6 + w * w * windows * 6, 0.0f);
  for (int k = 0; k < W * W * windows * 6; ++k) pyramid[k] = static_cast<float>(k);
  std::vector<float> filter(W * W);
  for (int k = 0; k < W * W; ++k) filter[k] = 0.5f + k;
  const int pyr_start = W * W * windows * 6;
  kernels::LevelFilterArgs a{2, pyramid.data(), pyr_start, filter.data(), W, w, windows};
  catalogue::FilterLevels.entry.run_on_host(1, 2, &a);
  const int source_index[3] = {0, 1, W - 1};  // frequencies 0, 1 and −1
  for (int i = 0; i < windows; ++i) {
    for (int b = 0; b < w; ++b) {
      for (int c = 0; c < w; ++c) {
        const int B = source_index[b], A = source_index[c];
        for (int k = 0; k < 6; ++k) {
          const float source = pyramid[((i * W + B) * W + A) * 6 + k];
          EXPECT_EQ(pyramid[pyr_start + ((i * w + b) * w + c) * 6 + k], source * filter[B * W + A]);
        }
      }
    }
  }
}

TEST(LevelFilter, AtFullSizeItWeightsEveryCellByTheFilter) {
  const int W = 5;
  std::vector<float> pyramid = test::seeded_floats(W * W * 6 * 2, 3, -10, 10);
  const std::vector<float> filter = test::seeded_floats(W * W, 4, 0, 1);
  kernels::LevelFilterArgs a{1, pyramid.data(), W * W * 6, const_cast<float*>(filter.data()), W, W, 1};
  catalogue::FilterLevels.entry.run_on_host(1, 1, &a);
  for (int cell = 0; cell < W * W; ++cell) {
    for (int k = 0; k < 6; ++k) EXPECT_EQ(pyramid[W * W * 6 + cell * 6 + k], pyramid[cell * 6 + k] * filter[cell]);
  }
}

}  // namespace
}  // namespace quorva
