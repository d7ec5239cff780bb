// Host batch forms of the two transforms. Twiddles come from tables made once per run (they depend on the
// frequency and the position in the window, never on the window), and sixteen windows are transformed side
// by side in the lanes of a vector, each lane summing in the element form's order: every window gets exactly
// the floats the element form computes.
#pragma once

namespace quorva::host_forms {

void run_forward_transform(int blocks, int block_size, const void* args);
// A run of forward launches, one per frequency: each block of windows is gathered once and transformed for
// every frequency of the run.
void run_forward_transforms(int blocks, int block_size, const void* args, int count);
void run_inverse_transform(int blocks, int block_size, const void* args);

}  // namespace quorva::host_forms
