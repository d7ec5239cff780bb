// The adaptation luminance of every window of one eye's image: log10 of the luminance in cd/m² that a
// power-law display (gamma 2.2, peak DisplayHighestLum) shows for the window's mean green value, never below
// −0.4. One element per window i of the grid; cuda_averagelum[i] is its result.
#pragma once

#include <math.h>

#include "kernels/image_sampling.h"

namespace quorva::kernels {

struct AdaptationLuminanceArgs {
  int threads;
  float DisplayHighestLum;
  int rgb_start;
  float* cuda_rgb;
  float* cuda_averagelum;
  int windowsize;
  int xthreads;
  int ythreads;
  int xsamples;
  int ysamples;  // image height: samples below it read as 0
};

// log10 of the luminance the display shows for a mean green value, floored at −0.4.
QUORVA_KERNEL_BODY float adaptation_luminance(float mean_green, float DisplayHighestLum) {
  if (mean_green > 1000.0f) mean_green = 1000.0f;
  const float t = static_cast<float>(static_cast<double>(mean_green) / 255.0);
  const float La = DisplayHighestLum * powf(t, 2.2f);
  float v = logf(La) * 0.4342944920063019f;
  if (static_cast<double>(v) < -0.4) v = -0.4f;
  return v;
}

QUORVA_KERNEL_BODY void AverWindowLum_PerIT_cuda_kernel(int block, int thread, const AdaptationLuminanceArgs& a) {
  const int i = element_index(a.threads, block, thread);
  if (i / a.xthreads >= a.ythreads) return;
  const WindowOrigin o = window_origin(i, a.rgb_start, a.windowsize, a.xthreads);
  float sum = 0.0f;
  for (int m = 0; m < a.windowsize; ++m) {
    for (int n = 0; n < a.windowsize; ++n) {
      sum += sample_or_zero(a.cuda_rgb, o.left + m, o.top + n, 1, a.xsamples, a.ysamples);
    }
  }
  const float mean = sum / static_cast<float>(a.windowsize * a.windowsize);
  a.cuda_averagelum[i] = adaptation_luminance(mean, a.DisplayHighestLum);
}

}  // namespace quorva::kernels
