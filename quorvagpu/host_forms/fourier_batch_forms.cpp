#include "host_forms/fourier_batch_forms.h"

#include <algorithm>
#include <vector>

#include "device/kernel.h"
#include "host_forms/twiddle_tables.h"
#include "host_forms/vector_lanes.h"
#include "kernels/fourier_kernels.h"

namespace quorva::host_forms {
namespace {

using kernels::ForwardTransformArgs;
using kernels::InverseTransformArgs;
using kernels::Twiddle;

// Frequencies transformed together in one pass over a block's pixels, and band pixels computed together in
// one pass over its spectra: each loaded vector serves several sums.
constexpr int kFrequenciesPerPass = 2;
constexpr int kPixelsPerPass = 4;

// Windows first … first + kLanes − 1 exist (and are written) when below `windows`.
int windows_covered(int blocks, int block_size, int xthreads, int ythreads) {
  const long long covered = static_cast<long long>(blocks) * block_size;
  return static_cast<int>(std::min<long long>(covered, static_cast<long long>(xthreads) * ythreads));
}

// The pixels of windows first … first + kLanes − 1 as [c · W + r][channel][lane]; missing windows read 0.
void gather_windows(const ForwardTransformArgs& a, int first, int windows, float* out) {
  const int W = a.windowsize;
  for (int lane = 0; lane < kLanes; ++lane) {
    const int i = first + lane;
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

// The six sums of F frequencies for kLanes windows: products rounded, then added, pixel after pixel.
template <int F>
QUORVA_LANE_CLONES void transform_windows(const float* pixels, const Twiddle* const* twiddles, int cells,
                                          float sums[F][6][kLanes]) {
  Lanes acc[F][6] = {};
  for (int cell = 0; cell < cells; ++cell) {
    const Lanes red = load_lanes(pixels + cell * 3 * kLanes);
    const Lanes green = load_lanes(pixels + (cell * 3 + 1) * kLanes);
    const Lanes blue = load_lanes(pixels + (cell * 3 + 2) * kLanes);
    for (int f = 0; f < F; ++f) {
      const float C = twiddles[f][cell].cosine;
      const float S = twiddles[f][cell].sine;
      acc[f][0] += red * C;
      acc[f][1] += red * S;
      acc[f][2] += green * C;
      acc[f][3] += green * S;
      acc[f][4] += blue * C;
      acc[f][5] += blue * S;
    }
  }
  for (int f = 0; f < F; ++f) {
    for (int k = 0; k < 6; ++k) store_lanes(sums[f][k], acc[f][k]);
  }
}

template <int F>
void transform_and_store(const ForwardTransformArgs* launches, int n, const Twiddle* table, const float* pixels,
                         int first, int windows) {
  const int W = launches[0].windowsize;
  const int cells = W * W;
  const Twiddle* twiddles[F];
  for (int f = 0; f < F; ++f) twiddles[f] = table + static_cast<std::size_t>(n + f) * cells;
  float sums[F][6][kLanes];
  transform_windows<F>(pixels, twiddles, cells, sums);
  for (int f = 0; f < F; ++f) {
    const ForwardTransformArgs& a = launches[n + f];
    for (int lane = 0; lane < kLanes && first + lane < windows; ++lane) {
      float* out = a.cuda_rgbpyr + (((first + lane) * W + a.v) * W + a.u) * 6;
      for (int k = 0; k < 6; ++k) out[k] = sums[f][k][lane];
    }
  }
}

// Whether the launches differ in their frequency only and each covers windows 0, 1, … in order.
bool one_image_many_frequencies(const ForwardTransformArgs* launches, int count, int block_size) {
  const ForwardTransformArgs& first = launches[0];
  for (int n = 0; n < count; ++n) {
    const ForwardTransformArgs& a = launches[n];
    if (a.threads != block_size || a.cuda_rgb != first.cuda_rgb || a.cuda_rgbpyr != first.cuda_rgbpyr ||
        a.rgb_start != first.rgb_start || a.windowsize != first.windowsize || a.xthreads != first.xthreads ||
        a.ythreads != first.ythreads || a.xsamples != first.xsamples || a.ysamples != first.ysamples) {
      return false;
    }
  }
  return first.windowsize > 0 && first.xthreads > 0;
}

// Any other launch: the element form, with its twiddles from the table.
void run_tabulated_forward(int blocks, int block_size, const ForwardTransformArgs& a) {
  if (a.windowsize <= 0) return;
  const TwiddleTable table = forward_twiddle_table(a.windowsize, {{a.u, a.v}});
  const int W = a.windowsize;
  const auto twiddles = [&](int c, int r) { return (*table)[c * W + r]; };
  device::for_each_launch_index(blocks, block_size, [&](int block, int thread) {
    kernels::forward_element(block, thread, a, twiddles);
  });
}

// The spectra of windows first … first + kLanes − 1 as [s · w + t][float of the cell][lane], in the order
// the element form reads them; missing windows hold zeros.
void gather_spectra(const InverseTransformArgs& a, int first, int windows, float* out) {
  const int w = a.windowsize;
  for (int lane = 0; lane < kLanes; ++lane) {
    const int i = first + lane;
    for (int s = 0; s < w; ++s) {
      for (int t = 0; t < w; ++t) {
        const float* cell = a.cuda_rgbpyr + ((i * w + t) * w + s) * 6;
        for (int k = 0; k < 6; ++k) out[((s * w + t) * 6 + k) * kLanes + lane] = i < windows ? cell[k] : 0.0f;
      }
    }
  }
}

// Red, green and blue sums of P band pixels for kLanes windows, each term formed as the element form does.
template <int P>
QUORVA_LANE_CLONES void inverse_pixels(const float* spectra, const Twiddle* const* twiddles, int cells,
                                       float sums[P][3][kLanes]) {
  Lanes acc[P][3] = {};
  for (int n = 0; n < cells; ++n) {
    const float* cell = spectra + n * 6 * kLanes;
    const Lanes re_r = load_lanes(cell), im_r = load_lanes(cell + kLanes);
    const Lanes re_g = load_lanes(cell + 2 * kLanes), im_g = load_lanes(cell + 3 * kLanes);
    const Lanes re_b = load_lanes(cell + 4 * kLanes), im_b = load_lanes(cell + 5 * kLanes);
    for (int j = 0; j < P; ++j) {
      const float C = twiddles[j][n].cosine;
      const float S = twiddles[j][n].sine;
      acc[j][0] += re_r * C - im_r * S;
      acc[j][1] += re_g * C - im_g * S;
      acc[j][2] += re_b * C - im_b * S;
    }
  }
  for (int j = 0; j < P; ++j) {
    for (int ch = 0; ch < 3; ++ch) store_lanes(sums[j][ch], acc[j][ch]);
  }
}

template <int P>
void inverse_and_store(const InverseTransformArgs& a, const Twiddle* table, const float* spectra, int m, int first,
                       int windows) {
  const int w = a.windowsize;
  const int cells = w * w;
  const Twiddle* twiddles[P];
  for (int j = 0; j < P; ++j) twiddles[j] = table + static_cast<std::size_t>(m + j) * cells;
  float sums[P][3][kLanes];
  inverse_pixels<P>(spectra, twiddles, cells, sums);
  for (int j = 0; j < P; ++j) {
    const int p = (m + j) / w;
    const int q = (m + j) % w;
    for (int lane = 0; lane < kLanes && first + lane < windows; ++lane) {
      float* out = a.cuda_rgb + (((first + lane) * w + q) * w + p) * 6;
      for (int ch = 0; ch < 3; ++ch) out[2 * ch] = kernels::clamp_band_value(sums[j][ch][lane], a.orig_windowsize);
    }
  }
}

}  // namespace

void run_forward_transforms(int blocks, int block_size, const void* args, int count) {
  const auto* launches = static_cast<const ForwardTransformArgs*>(args);
  if (count <= 0) return;
  if (!one_image_many_frequencies(launches, count, block_size)) {
    for (int n = 0; n < count; ++n) run_tabulated_forward(blocks, block_size, launches[n]);
    return;
  }
  const ForwardTransformArgs& a = launches[0];
  const int windows = windows_covered(blocks, block_size, a.xthreads, a.ythreads);
  if (windows <= 0) return;
  std::vector<std::pair<int, int>> frequencies;
  for (int n = 0; n < count; ++n) frequencies.emplace_back(launches[n].u, launches[n].v);
  const TwiddleTable table = forward_twiddle_table(a.windowsize, frequencies);

  const int groups = (windows + kLanes - 1) / kLanes;
#pragma omp parallel
  {
    std::vector<float> pixels(static_cast<std::size_t>(a.windowsize) * a.windowsize * 3 * kLanes);
#pragma omp for schedule(dynamic, 1)
    for (int group = 0; group < groups; ++group) {
      const int first = group * kLanes;
      gather_windows(a, first, windows, pixels.data());
      int n = 0;
      for (; n + kFrequenciesPerPass <= count; n += kFrequenciesPerPass) {
        transform_and_store<kFrequenciesPerPass>(launches, n, table->data(), pixels.data(), first, windows);
      }
      for (; n < count; ++n) transform_and_store<1>(launches, n, table->data(), pixels.data(), first, windows);
    }
  }
}

void run_forward_transform(int blocks, int block_size, const void* args) {
  run_forward_transforms(blocks, block_size, args, 1);
}

void run_inverse_transform(int blocks, int block_size, const void* args) {
  const auto& a = *static_cast<const InverseTransformArgs*>(args);
  const int w = a.windowsize;
  if (w <= 0) return;
  const TwiddleTable table = inverse_twiddle_table(w);
  if (a.threads != block_size) {
    const auto twiddles = [&](int p, int q, int s, int t) { return (*table)[((p * w + q) * w + s) * w + t]; };
    device::for_each_launch_index(blocks, block_size, [&](int block, int thread) {
      kernels::inverse_element(block, thread, a, twiddles);
    });
    return;
  }
  const int windows = windows_covered(blocks, block_size, a.xthreads, a.ythreads);
  if (windows <= 0) return;
  const int pixels = w * w;
  const int groups = (windows + kLanes - 1) / kLanes;
#pragma omp parallel
  {
    std::vector<float> spectra(static_cast<std::size_t>(pixels) * 6 * kLanes);
#pragma omp for schedule(dynamic, 1)
    for (int group = 0; group < groups; ++group) {
      const int first = group * kLanes;
      gather_spectra(a, first, windows, spectra.data());
      int m = 0;
      for (; m + kPixelsPerPass <= pixels; m += kPixelsPerPass) {
        inverse_and_store<kPixelsPerPass>(a, table->data(), spectra.data(), m, first, windows);
      }
      for (; m < pixels; ++m) inverse_and_store<1>(a, table->data(), spectra.data(), m, first, windows);
    }
  }
}

}  // namespace quorva::host_forms
