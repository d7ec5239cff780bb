// The windowed Fourier band decomposition, one element per window i of the grid (column i mod xthreads,
// row i div xthreads):
// - fourier_pyr_level0: the coefficient of one frequency (u, v) of every window, for red, green and blue, as
//   the six floats Re R, Im R, Re G, Im G, Re B, Im B of cell ((i·W + v)·W + u);
// - filter_fourier_pyr_levels: each window's spectrum cut to the level's frequencies −m..m and weighted by the
//   level's low-pass filter;
// - Inv_fourier_pyr_levels: back to a w × w band image scaled by 1/W² and clamped to 0–255, red, green and
//   blue in slots 0, 2, 4 of each six-float cell.
// Phases are float sums of float quotients; sines and cosines are double with π taken as 3.1415926, rounded
// to float; every sum is float, in the stated loop order.
#pragma once

#include <math.h>

#include "kernels/image_sampling.h"

namespace quorva::kernels {

constexpr double kTwoPi = 6.2831852;  // 2 · 3.1415926

// The phase (a·b)/n + (c·d)/n as the transforms form it: each product and quotient in float.
QUORVA_KERNEL_BODY float fourier_phase(int ab, int cd, int n) {
  const float fn = static_cast<float>(n);
  return static_cast<float>(ab) / fn + static_cast<float>(cd) / fn;
}

struct Twiddle {
  float cosine;
  float sine;
};

// cos and sin of phase · sign · 2π′, in double, each rounded to float.
QUORVA_KERNEL_BODY Twiddle twiddle(float phase, double signed_two_pi) {
  const double theta = static_cast<double>(phase) * signed_two_pi;
  return {static_cast<float>(cos(theta)), static_cast<float>(sin(theta))};
}

struct ForwardTransformArgs {
  int u;
  int v;
  int threads;
  float* cuda_rgb;
  float* cuda_rgbpyr;
  int rgb_start;
  int windowsize;
  int xthreads;
  int ythreads;
  int xsamples;
  int ysamples;  // image height: samples below it read as 0
};

// The forward twiddle of pixel (column c, row r) for the launch's frequency.
QUORVA_KERNEL_BODY Twiddle forward_twiddle(const ForwardTransformArgs& a, int c, int r) {
  return twiddle(fourier_phase(a.u * c, a.v * r, a.windowsize), -kTwoPi);
}

// The coefficient of window i, with twiddles from `twiddles(c, r)`: computed on the spot by the element
// form, looked up in a table made once per launch by the host's batch form. Both give the same floats.
template <class Twiddles>
QUORVA_KERNEL_BODY void forward_window(int i, const ForwardTransformArgs& a, const Twiddles& twiddles) {
  const int W = a.windowsize;
  float* out = a.cuda_rgbpyr + ((i * W + a.v) * W + a.u) * 6;
  float sums[6] = {0, 0, 0, 0, 0, 0};
  const WindowOrigin o = window_origin(i, a.rgb_start, W, a.xthreads);
  for (int c = 0; c < W; ++c) {
    for (int r = 0; r < W; ++r) {
      const Twiddle t = twiddles(c, r);
      for (int ch = 0; ch < 3; ++ch) {
        const float value = sample_or_zero(a.cuda_rgb, o.left + c, o.top + r, ch, a.xsamples, a.ysamples);
        sums[2 * ch] += value * t.cosine;
        sums[2 * ch + 1] += value * t.sine;
      }
    }
  }
  for (int k = 0; k < 6; ++k) out[k] = sums[k];
}

QUORVA_KERNEL_BODY bool forward_window_exists(int i, const ForwardTransformArgs& a) {
  return a.windowsize > 0 && i / a.xthreads < a.ythreads;
}

struct DirectForwardTwiddles {
  const ForwardTransformArgs& a;
  QUORVA_KERNEL_BODY Twiddle operator()(int c, int r) const { return forward_twiddle(a, c, r); }
};

template <class Twiddles>
QUORVA_KERNEL_BODY void forward_element(int block, int thread, const ForwardTransformArgs& a,
                                        const Twiddles& twiddles) {
  const int i = element_index(a.threads, block, thread);
  if (forward_window_exists(i, a)) forward_window(i, a, twiddles);
}

QUORVA_KERNEL_BODY void fourier_pyr_level0_cuda_kernel(int block, int thread, const ForwardTransformArgs& a) {
  forward_element(block, thread, a, DirectForwardTwiddles{a});
}

struct LevelFilterArgs {
  int threads;
  float* cuda_rgbpyr;
  int pyr_start;
  float* Cuda_Freq_filter;
  int orig_windowsize;
  int windowsize;
  int totalthreads;
};

QUORVA_KERNEL_BODY void filter_fourier_pyr_levels_cuda_kernel(int block, int thread, const LevelFilterArgs& a) {
  const int i = element_index(a.threads, block, thread);
  if (i >= a.totalthreads) return;
  const int W = a.orig_windowsize;
  const int w = a.windowsize;
  const int h = static_cast<int>(floor(static_cast<double>(static_cast<float>(w)) / 2.0) + 1);
  for (int a_col = 0; a_col < w; ++a_col) {
    const int A = a_col < h ? a_col : a_col + (W - w);
    for (int b = 0; b < w; ++b) {
      const int B = b < h ? b : b + (W - w);
      const float f = a.Cuda_Freq_filter[B * W + A];
      const float* source = a.cuda_rgbpyr + ((i * W + B) * W + A) * 6;
      float* target = a.cuda_rgbpyr + a.pyr_start + ((i * w + b) * w + a_col) * 6;
      for (int k = 0; k < 6; ++k) target[k] = source[k] * f;
    }
  }
}

struct InverseTransformArgs {
  int threads;
  int orig_windowsize;
  float* cuda_rgb;
  float* cuda_rgbpyr;
  int windowsize;
  int xthreads;
  int ythreads;
};

// The inverse twiddle of band pixel (column p, row q) and frequency (column s, row t).
QUORVA_KERNEL_BODY Twiddle inverse_twiddle(int w, int p, int q, int s, int t) {
  return twiddle(fourier_phase(p * s, q * t, w), kTwoPi);
}

QUORVA_KERNEL_BODY float clamp_band_value(float value, int orig_windowsize) {
  const float W = static_cast<float>(orig_windowsize);
  value = value / W / W;
  if (value < 0.0f) value = 0.0f;
  if (value > 255.0f) value = 255.0f;
  return value;
}

// Band image of window i, with twiddles from `twiddles(p, q, s, t)`.
template <class Twiddles>
QUORVA_KERNEL_BODY void inverse_window(int i, const InverseTransformArgs& a, const Twiddles& twiddles) {
  const int w = a.windowsize;
  for (int p = 0; p < w; ++p) {
    for (int q = 0; q < w; ++q) {
      float sums[3] = {0, 0, 0};
      for (int s = 0; s < w; ++s) {
        for (int t = 0; t < w; ++t) {
          const Twiddle tw = twiddles(p, q, s, t);
          const float* cell = a.cuda_rgbpyr + ((i * w + t) * w + s) * 6;
          for (int ch = 0; ch < 3; ++ch) {
            sums[ch] += cell[2 * ch] * tw.cosine - cell[2 * ch + 1] * tw.sine;
          }
        }
      }
      float* out = a.cuda_rgb + ((i * w + q) * w + p) * 6;
      for (int ch = 0; ch < 3; ++ch) out[2 * ch] = clamp_band_value(sums[ch], a.orig_windowsize);
    }
  }
}

QUORVA_KERNEL_BODY bool inverse_window_exists(int i, const InverseTransformArgs& a) {
  return i / a.xthreads < a.ythreads && a.windowsize > 0;
}

struct DirectInverseTwiddles {
  int w;
  QUORVA_KERNEL_BODY Twiddle operator()(int p, int q, int s, int t) const { return inverse_twiddle(w, p, q, s, t); }
};

template <class Twiddles>
QUORVA_KERNEL_BODY void inverse_element(int block, int thread, const InverseTransformArgs& a,
                                        const Twiddles& twiddles) {
  const int i = element_index(a.threads, block, thread);
  if (inverse_window_exists(i, a)) inverse_window(i, a, twiddles);
}

QUORVA_KERNEL_BODY void Inv_fourier_pyr_levels_cuda_kernel(int block, int thread, const InverseTransformArgs& a) {
  inverse_element(block, thread, a, DirectInverseTwiddles{a.windowsize});
}

}  // namespace quorva::kernels
