// The contour check: at several offsets of the window grid, decompose both images into low-pass levels,
// compare the eyes' contours level by level and count the windows where unmatched contours win.
#pragma once

#include <vector>

#include "compare_workspace.h"

namespace quorva {

struct SamplingOffset {
  int ox;
  int oy;
};

// The d × d offsets of the grid in the order they are tried: across in the outer loop, down in the inner.
std::vector<SamplingOffset> sampling_offsets(int windowsize, int d);

struct LaunchShape {
  int blocks;
  int block_size;
};

// One thread per window: 8 blocks of ⌈windows / 8⌉ threads, or, when that is more than the device takes in
// one block, as many blocks of the device's limit as the windows need.
LaunchShape per_window_launch(int windows, int threads_per_block);

// The frequency indices, along one axis of a window's spectrum, that the levels from `startlevel` on keep:
// −m … m of the largest used level, in discrete-Fourier order. Nothing reads the others.
std::vector<int> used_frequencies(const CompareWorkspace& ws);

// Runs the check on the images the colour check uploaded. Returns the count of flagged windows of the first
// offset that has any, 0 when none has, or −1 when the result could not be copied back. Leaves the level
// result planes at the start of dev_pyr[0] and the merged plane at the start of dev_pyr[1].
int contour_check(device::Backend& backend, CompareWorkspace& ws, float DisplayHighestLum, float threshold_high,
                  float threshold_low, int Sampe_rate, int threads_per_block);

// The flagged windows of the merged plane in host_result, leaving out the last window column and row, and
// one more of each when the image is not a whole number of windows across or down.
int count_contour_flags(const CompareWorkspace& ws);

}  // namespace quorva
