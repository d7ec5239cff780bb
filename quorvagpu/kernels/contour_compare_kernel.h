// The per-level contour comparison: one element per window i. Every pair of 8-connected band pixels inside
// the window is a contour candidate. A colour step strong in one eye and present in the other is a matched
// pair (+1); a step strong in one eye and absent in the other whose luminance contrast is visible at the
// window's adaptation luminance and this level's window size is an unmatched visible pair (−1). The window
// is flagged (255.0 in cuda_result[i], else 0.0) when unmatched pairs outnumber matched ones.
//
// cuda_img0 and cuda_img1 point at slot 1 of band pixel 0: relative to them, band pixel p holds L* at 6p,
// green at 6p + 1, a* at 6p + 2 and b* at 6p + 4.
#pragma once

#include <math.h>

#include "kernels/kernel_support.h"

namespace quorva::kernels {

struct ContourCompareArgs {
  int threads;
  float threshold_high;
  float threshold_low;
  float* cuda_averagelum0;
  float* cuda_averagelum1;
  float* cuda_img0;
  float* cuda_img1;
  float* cuda_result;
  int windowsize;
  int totalthreads;
};

// The level part of the contrast threshold: a cubic in half the level window size. Negative from a window
// of 43 on, which makes the threshold not a number and no contour of such a level visible.
QUORVA_KERNEL_BODY float contrast_polynomial(int windowsize) {
  const double h = static_cast<float>(windowsize) * 0.5f;
  return static_cast<float>((((-0.0853 * h) * h) * h + (1.9225 * h) * h) - 2.9938 * h + 6.7991);
}

// log10 of the contrast, in percent, that a contour must exceed to be visible.
QUORVA_KERNEL_BODY float contrast_threshold(int windowsize, float Lmax) {
  const double L = Lmax;
  const double level = log10f(contrast_polynomial(windowsize));
  return static_cast<float>((level + (0.0732 * L * L - 0.4857 * L)) + 0.587028);
}

// Display-linear green of a band value.
QUORVA_KERNEL_BODY float linear_green(float value) {
  return powf(static_cast<float>(static_cast<double>(value) / 255.0), 2.2f);
}

// The Michelson contrast of two linear greens; not a number when both are 0.
QUORVA_KERNEL_BODY float michelson_contrast(float g0, float g1) { return fabsf(g0 - g1) / (g0 + g1); }

// The larger contrast, passing over one that is not a number.
QUORVA_KERNEL_BODY float larger_contrast(float c0, float c1) {
  if (isnan(c0)) return c1;
  if (isnan(c1)) return c0;
  return c0 > c1 ? c0 : c1;
}

// What one pair of band pixels adds to the window's balance: +1 matched, −1 unmatched and visible, else 0.
// `contrast` is only consulted for a pair that is not matched.
template <class Contrast>
QUORVA_KERNEL_BODY int pair_contribution(float dE0, float dE1, float threshold_high, float threshold_low,
                                         float threshold, const Contrast& contrast) {
  if ((dE0 > threshold_high && dE1 > threshold_low) || (dE1 > threshold_high && dE0 > threshold_low)) return 1;
  if (!(threshold < log10f(100.0f * contrast()))) return 0;
  if ((dE0 > threshold_high && dE1 <= threshold_low) || (dE1 > threshold_high && dE0 <= threshold_low)) return -1;
  return 0;
}

// CIE 1976 difference between band pixels p and q of one eye.
QUORVA_KERNEL_BODY float band_colour_step(const float* img, int p, int q) {
  const float dl = img[6 * p] - img[6 * q];
  const float da = img[6 * p + 2] - img[6 * q + 2];
  const float db = img[6 * p + 4] - img[6 * q + 4];
  return sqrtf(dl * dl + da * da + db * db);
}

struct BandPairContrast {
  const ContourCompareArgs& a;
  int p;
  int q;
  QUORVA_KERNEL_BODY float operator()() const {
    const float c0 = michelson_contrast(linear_green(a.cuda_img0[6 * p + 1]), linear_green(a.cuda_img0[6 * q + 1]));
    const float c1 = michelson_contrast(linear_green(a.cuda_img1[6 * p + 1]), linear_green(a.cuda_img1[6 * q + 1]));
    return larger_contrast(c0, c1);
  }
};

QUORVA_KERNEL_BODY void lab_compare_perlevel_cuda_kernel(int block, int thread, const ContourCompareArgs& a) {
  const int i = element_index(a.threads, block, thread);
  if (i >= a.totalthreads) return;
  const float l0 = a.cuda_averagelum0[i];
  const float l1 = a.cuda_averagelum1[i];
  const float threshold = contrast_threshold(a.windowsize, l0 > l1 ? l0 : l1);
  const int ws = a.windowsize;
  float contour_balance = 0.0f;
  for (int x = 0; x < ws; ++x) {
    for (int y = 0; y < ws; ++y) {
      const int p = (i * ws + y) * ws + x;
      const int neighbours[4] = {x + 1 < ws ? p + 1 : -1, y + 1 < ws ? p + ws : -1,
                                 y + 1 < ws && x + 1 < ws ? p + ws + 1 : -1, y + 1 < ws && x >= 1 ? p + ws - 1 : -1};
      for (int q : neighbours) {
        if (q < 0) continue;
        contour_balance += static_cast<float>(
            pair_contribution(band_colour_step(a.cuda_img0, p, q), band_colour_step(a.cuda_img1, p, q),
                              a.threshold_high, a.threshold_low, threshold, BandPairContrast{a, p, q}));
      }
    }
  }
  a.cuda_result[i] = static_cast<double>(contour_balance) < -0.6 ? 255.0f : 0.0f;
}

}  // namespace quorva::kernels
