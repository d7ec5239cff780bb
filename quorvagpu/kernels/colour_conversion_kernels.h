// The colour check's conversion of a float colour image to CIELAB, in two element-wise kernels: one element
// per pixel p, reading floats 3p..3p+2 of `cuda_blk` and writing the same floats of `cuda_blkout`. Elements
// at or beyond xsamples · ysamples do nothing. The output may be the input buffer: each element reads its
// three values before it writes.
#pragma once

#include "kernels/lab_arithmetic.h"

namespace quorva::kernels {

struct ColourConversionArgs {
  int threads;
  float* cuda_blk;
  float* cuda_blkout;
  int xsamples;
  int ysamples;
};

// Red, green, blue on 0–255 to white-normalised X, Y, Z.
QUORVA_KERNEL_BODY void RGB2XYZ_cuda_kernel(int block, int thread, const ColourConversionArgs& a) {
  const int i = element_index(a.threads, block, thread);
  if (i >= a.xsamples * a.ysamples) return;
  float xyz[3];
  srgb_to_xyz(a.cuda_blk[3 * i], a.cuda_blk[3 * i + 1], a.cuda_blk[3 * i + 2], xyz);
  for (int k = 0; k < 3; ++k) a.cuda_blkout[3 * i + k] = xyz[k];
}

// White-normalised X, Y, Z to L*, a*, b*.
QUORVA_KERNEL_BODY void XYZ2LAB_cuda_kernel(int block, int thread, const ColourConversionArgs& a) {
  const int i = element_index(a.threads, block, thread);
  if (i >= a.xsamples * a.ysamples) return;
  float xyz[3] = {a.cuda_blk[3 * i], a.cuda_blk[3 * i + 1], a.cuda_blk[3 * i + 2]};
  xyz_to_lab(xyz, xyz);
  for (int k = 0; k < 3; ++k) a.cuda_blkout[3 * i + k] = xyz[k];
}

}  // namespace quorva::kernels
