// The colour check's window test: one element per pixel position i (column i mod xsamples, row i div
// xsamples). A position whose windowsize × windowsize window lies wholly inside the image gets 255.0 in
// cuda_result[i] when the window's mean CIE 1976 colour difference between the two Lab planes exceeds
// `threshold`, else 0.0; other positions are not written.
#pragma once

#include <cmath>

#include "kernels/kernel_support.h"

namespace quorva::kernels {

struct CompareLumColorArgs {
  int threads;
  float* cuda_lab0;
  float* cuda_lab1;
  float* cuda_result;
  int windowsize;
  float threshold;
  int xsamples;
  int ysamples;
};

// The colour difference of the pixel at float offset p of both Lab planes, in single precision.
QUORVA_KERNEL_BODY float lab_distance(const float* lab0, const float* lab1, int p) {
  const float dl = lab0[p] - lab1[p];
  const float da = lab0[p + 1] - lab1[p + 1];
  const float db = lab0[p + 2] - lab1[p + 2];
  return sqrtf(dl * dl + da * da + db * db);
}

// The sum a window may reach without being flagged: windowsize² · threshold, formed as the reference did.
QUORVA_KERNEL_BODY float lumcolor_limit(int windowsize, float threshold) {
  return static_cast<float>(windowsize) * (threshold * static_cast<float>(windowsize));
}

QUORVA_KERNEL_BODY bool window_inside_image(int x, int y, const CompareLumColorArgs& a) {
  return x < a.xsamples - a.windowsize + 1 && y < a.ysamples - a.windowsize + 1;
}

QUORVA_KERNEL_BODY void CompareLumColor_cuda_kernel(int block, int thread, const CompareLumColorArgs& a) {
  const int i = element_index(a.threads, block, thread);
  const int x = i % a.xsamples;
  const int y = (i - x) / a.xsamples;
  if (!window_inside_image(x, y, a)) return;
  float sum = 0.0f;
  for (int c = x; c < x + a.windowsize; ++c) {
    for (int r = y; r < y + a.windowsize; ++r) sum += lab_distance(a.cuda_lab0, a.cuda_lab1, (r * a.xsamples + c) * 3);
  }
  a.cuda_result[i] = sum > lumcolor_limit(a.windowsize, a.threshold) ? 255.0f : 0.0f;
}

}  // namespace quorva::kernels
