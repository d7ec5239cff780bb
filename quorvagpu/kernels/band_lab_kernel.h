// CIELAB of the band images: one element per band pixel i of a level, reading red, green, blue from floats
// 6i, 6i+2, 6i+4 of `cuda_rgb` and writing L*, a*, b* to 6i, 6i+2, 6i+4 of `cuda_lab`. The contour check
// passes cuda_lab = cuda_rgb + 1, so each pixel's Lab lands in the free odd slots of its own cell. The
// arithmetic is the colour check's, value for value.
#pragma once

#include "kernels/lab_arithmetic.h"

namespace quorva::kernels {

struct BandLabArgs {
  int threads;
  float* cuda_rgb;
  float* cuda_lab;
  int totalthreads;
};

QUORVA_KERNEL_BODY void rgb2lab_cuda_kernel(int block, int thread, const BandLabArgs& a) {
  const int i = element_index(a.threads, block, thread);
  if (i >= a.totalthreads) return;
  float xyz[3];
  srgb_to_xyz(a.cuda_rgb[6 * i], a.cuda_rgb[6 * i + 2], a.cuda_rgb[6 * i + 4], xyz);
  float lab[3];
  xyz_to_lab(xyz, lab);
  for (int k = 0; k < 3; ++k) a.cuda_lab[6 * i + 2 * k] = lab[k];
}

}  // namespace quorva::kernels
