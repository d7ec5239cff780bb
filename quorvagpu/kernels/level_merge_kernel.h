// The merge of one sampling offset's level result planes: one element per window i, taking the first
// non-zero value from the coarsest level's plane (plane 0) down to the plane of `startlevel`, or 0.0.
// `endlevel` here is the number of the coarsest level, not a count.
#pragma once

#include "kernels/kernel_support.h"

namespace quorva::kernels {

struct LevelMergeArgs {
  int threads;
  int endlevel;
  int startlevel;
  float* cuda_imageinput;
  float* cuda_imageoutput;
  int xthreads;
  int ythreads;
};

QUORVA_KERNEL_BODY void Merge_lab_compare_cuda_kernel(int block, int thread, const LevelMergeArgs& a) {
  const int i = element_index(a.threads, block, thread);
  const int windows = a.xthreads * a.ythreads;
  if (i >= windows) return;
  float v = 0.0f;
  for (int l = a.endlevel; l >= a.startlevel && v == 0.0f; --l) v = a.cuda_imageinput[i + (a.endlevel - l) * windows];
  a.cuda_imageoutput[i] = v;
}

}  // namespace quorva::kernels
