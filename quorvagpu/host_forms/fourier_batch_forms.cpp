#include "host_forms/fourier_batch_forms.h"

#include <algorithm>
#include <vector>

#include "device/kernel.h"
#include "kernels/fourier_kernels.h"

namespace quorva::host_forms {
namespace {

using kernels::Twiddle;

struct TabulatedForwardTwiddles {
  const Twiddle* table;  // [c · W + r]
  int W;
  Twiddle operator()(int c, int r) const { return table[c * W + r]; }
};

struct TabulatedInverseTwiddles {
  const Twiddle* table;  // [((p · w + q) · w + s) · w + t]
  int w;
  Twiddle operator()(int p, int q, int s, int t) const { return table[((p * w + q) * w + s) * w + t]; }
};

// Windows transformed side by side, one per lane.
constexpr int kLanes = 16;

// The pixels of windows first_window … first_window + kLanes − 1, as [c · W + r][channel][lane]; lanes past
// the last window hold zeros.
void gather_windows(const kernels::ForwardTransformArgs& a, int first_window, int windows, float* out) {
  const int W = a.windowsize;
  for (int lane = 0; lane < kLanes; ++lane) {
    const int i = first_window + lane;
    const kernels::WindowOrigin o = kernels::window_origin(std::min(i, windows - 1), a.rgb_start, W, a.xthreads);
    for (int c = 0; c < W; ++c) {
      for (int r = 0; r < W; ++r) {
        for (int ch = 0; ch < 3; ++ch) {
          out[((c * W + r) * 3 + ch) * kLanes + lane] =
              i < windows ? kernels::sample_or_zero(a.cuda_rgb, o.left + c, o.top + r, ch, a.xsamples, a.ysamples)
                          : 0.0f;
        }
      }
    }
  }
}

// The six sums of one frequency for kLanes windows, each lane in the element form's order: products
// rounded, then added, pixel after pixel. Compiled once per vector width; picked for the CPU at run time.
__attribute__((target_clones("avx512f", "avx2", "default"))) void transform_windows(
    const float* pixels, const Twiddle* twiddles, int cells, float* sums) {
  float re_r[kLanes] = {}, im_r[kLanes] = {}, re_g[kLanes] = {}, im_g[kLanes] = {}, re_b[kLanes] = {},
        im_b[kLanes] = {};
  for (int cell = 0; cell < cells; ++cell) {
    const float C = twiddles[cell].cosine;
    const float S = twiddles[cell].sine;
    const float* red = pixels + cell * 3 * kLanes;
    const float* green = red + kLanes;
    const float* blue = green + kLanes;
    for (int l = 0; l < kLanes; ++l) {
      re_r[l] += red[l] * C;
      im_r[l] += red[l] * S;
      re_g[l] += green[l] * C;
      im_g[l] += green[l] * S;
      re_b[l] += blue[l] * C;
      im_b[l] += blue[l] * S;
    }
  }
  for (int l = 0; l < kLanes; ++l) {
    float* out = sums + l * 6;
    out[0] = re_r[l];
    out[1] = im_r[l];
    out[2] = re_g[l];
    out[3] = im_g[l];
    out[4] = re_b[l];
    out[5] = im_b[l];
  }
}

// Whether the launches differ in their frequency only, and cover windows 0, 1, … in order.
bool one_image_many_frequencies(const kernels::ForwardTransformArgs* launches, int count, int block_size) {
  for (int n = 0; n < count; ++n) {
    const kernels::ForwardTransformArgs& a = launches[n];
    const kernels::ForwardTransformArgs& first = launches[0];
    if (a.threads != block_size || a.cuda_rgb != first.cuda_rgb || a.cuda_rgbpyr != first.cuda_rgbpyr ||
        a.rgb_start != first.rgb_start || a.windowsize != first.windowsize || a.xthreads != first.xthreads ||
        a.ythreads != first.ythreads || a.xsamples != first.xsamples || a.ysamples != first.ysamples) {
      return false;
    }
  }
  return launches[0].windowsize > 0 && launches[0].xthreads > 0;
}

}  // namespace

void run_forward_transforms(int blocks, int block_size, const void* args, int count) {
  const auto* launches = static_cast<const kernels::ForwardTransformArgs*>(args);
  if (count <= 0) return;
  if (!one_image_many_frequencies(launches, count, block_size)) {
    for (int n = 0; n < count; ++n) run_forward_transform(blocks, block_size, &launches[n]);
    return;
  }
  const kernels::ForwardTransformArgs& a = launches[0];
  const int W = a.windowsize;
  const int cells = W * W;
  const long long covered = static_cast<long long>(blocks) * block_size;
  const int windows = static_cast<int>(std::min<long long>(covered, static_cast<long long>(a.xthreads) * a.ythreads));
  if (windows <= 0) return;

  std::vector<Twiddle> twiddles(static_cast<std::size_t>(count) * cells);
#pragma omp parallel for schedule(static)
  for (int n = 0; n < count; ++n) {
    for (int c = 0; c < W; ++c) {
      for (int r = 0; r < W; ++r) twiddles[static_cast<std::size_t>(n) * cells + c * W + r] = kernels::forward_twiddle(launches[n], c, r);
    }
  }

  const int groups = (windows + kLanes - 1) / kLanes;
#pragma omp parallel
  {
    std::vector<float> pixels(static_cast<std::size_t>(cells) * 3 * kLanes);
    float sums[kLanes * 6];
#pragma omp for schedule(dynamic, 1)
    for (int group = 0; group < groups; ++group) {
      const int first = group * kLanes;
      gather_windows(a, first, windows, pixels.data());
      for (int n = 0; n < count; ++n) {
        transform_windows(pixels.data(), &twiddles[static_cast<std::size_t>(n) * cells], cells, sums);
        for (int l = 0; l < kLanes && first + l < windows; ++l) {
          const int i = first + l;
          std::copy_n(sums + l * 6, 6, a.cuda_rgbpyr + ((i * W + launches[n].v) * W + launches[n].u) * 6);
        }
      }
    }
  }
}

void run_forward_transform(int blocks, int block_size, const void* args) {
  const auto& a = *static_cast<const kernels::ForwardTransformArgs*>(args);
  const int W = a.windowsize;
  if (W <= 0) return;
  std::vector<Twiddle> table(static_cast<std::size_t>(W) * W);
  for (int c = 0; c < W; ++c) {
    for (int r = 0; r < W; ++r) table[c * W + r] = kernels::forward_twiddle(a, c, r);
  }
  const TabulatedForwardTwiddles twiddles{table.data(), W};
  device::for_each_launch_index(blocks, block_size, [&](int block, int thread) {
    kernels::forward_element(block, thread, a, twiddles);
  });
}

void run_inverse_transform(int blocks, int block_size, const void* args) {
  const auto& a = *static_cast<const kernels::InverseTransformArgs*>(args);
  const int w = a.windowsize;
  if (w <= 0) return;
  std::vector<Twiddle> table(static_cast<std::size_t>(w) * w * w * w);
  for (int p = 0; p < w; ++p) {
    for (int q = 0; q < w; ++q) {
      for (int s = 0; s < w; ++s) {
        for (int t = 0; t < w; ++t) table[((p * w + q) * w + s) * w + t] = kernels::inverse_twiddle(w, p, q, s, t);
      }
    }
  }
  const TabulatedInverseTwiddles twiddles{table.data(), w};
  device::for_each_launch_index(blocks, block_size, [&](int block, int thread) {
    kernels::inverse_element(block, thread, a, twiddles);
  });
}

}  // namespace quorva::host_forms
