// Reading a window's pixels from a float colour image. Windows of the last grid row and column may reach
// past the image at non-zero sampling offsets; their samples outside the image read as 0, so no kernel ever
// reads outside the plane. Those windows are never counted.
#pragma once

#include "kernels/kernel_support.h"

namespace quorva::kernels {

// Channel `channel` of the pixel at column x, row y, or 0 outside the image.
QUORVA_KERNEL_BODY float sample_or_zero(const float* rgb, int x, int y, int channel, int xsamples, int ysamples) {
  if (x >= xsamples || y >= ysamples) return 0.0f;
  return rgb[(y * xsamples + x) * 3 + channel];
}

// Where window i of the grid starts, at the sampling offset encoded as oy · windowsize + ox.
struct WindowOrigin {
  int left;
  int top;
};

QUORVA_KERNEL_BODY WindowOrigin window_origin(int i, int rgb_start, int windowsize, int xthreads) {
  const int wy = i / xthreads;
  const int wx = i - wy * xthreads;
  const int oy = rgb_start / windowsize;
  const int ox = rgb_start - oy * windowsize;
  return {ox + wx * windowsize, oy + wy * windowsize};
}

}  // namespace quorva::kernels
