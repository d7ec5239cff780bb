#include "host_forms/fourier_batch_forms.h"

#include <vector>

#include "device/kernel.h"
#include "kernels/fourier_kernels.h"

namespace quorva::host_forms {
namespace {

using kernels::Twiddle;

struct TabulatedForwardTwiddles {
  const Twiddle* table;  // [c · W + r]
  int W;
  Twiddle operator()(int c, int r) const { return table[c * W + r]; }
};

struct TabulatedInverseTwiddles {
  const Twiddle* table;  // [((p · w + q) · w + s) · w + t]
  int w;
  Twiddle operator()(int p, int q, int s, int t) const { return table[((p * w + q) * w + s) * w + t]; }
};

}  // namespace

void run_forward_transform(int blocks, int block_size, const void* args) {
  const auto& a = *static_cast<const kernels::ForwardTransformArgs*>(args);
  const int W = a.windowsize;
  if (W <= 0) return;
  std::vector<Twiddle> table(static_cast<std::size_t>(W) * W);
  for (int c = 0; c < W; ++c) {
    for (int r = 0; r < W; ++r) table[c * W + r] = kernels::forward_twiddle(a, c, r);
  }
  const TabulatedForwardTwiddles twiddles{table.data(), W};
  device::for_each_launch_index(blocks, block_size, [&](int block, int thread) {
    kernels::forward_element(block, thread, a, twiddles);
  });
}

void run_inverse_transform(int blocks, int block_size, const void* args) {
  const auto& a = *static_cast<const kernels::InverseTransformArgs*>(args);
  const int w = a.windowsize;
  if (w <= 0) return;
  std::vector<Twiddle> table(static_cast<std::size_t>(w) * w * w * w);
  for (int p = 0; p < w; ++p) {
    for (int q = 0; q < w; ++q) {
      for (int s = 0; s < w; ++s) {
        for (int t = 0; t < w; ++t) table[((p * w + q) * w + s) * w + t] = kernels::inverse_twiddle(w, p, q, s, t);
      }
    }
  }
  const TabulatedInverseTwiddles twiddles{table.data(), w};
  device::for_each_launch_index(blocks, block_size, [&](int block, int thread) {
    kernels::inverse_element(block, thread, a, twiddles);
  });
}

}  // namespace quorva::host_forms
