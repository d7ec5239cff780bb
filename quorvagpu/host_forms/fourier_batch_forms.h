// Host batch forms of the two transforms: the same kernels, with the twiddle factors computed once for all
// windows instead of once per window. A twiddle depends on the frequency and the position in the window,
// never on the window, so every window gets exactly the floats the element form computes.
#pragma once

namespace quorva::host_forms {

void run_forward_transform(int blocks, int block_size, const void* args);
// A run of forward launches over the same image, grid and offset, one per frequency: each block of windows
// is gathered once and transformed for every frequency, all windows of a block in the lanes of a vector,
// each lane summing in the element form's order.
void run_forward_transforms(int blocks, int block_size, const void* args, int count);
void run_inverse_transform(int blocks, int block_size, const void* args);

}  // namespace quorva::host_forms
