// Host batch forms of the two transforms: the same kernels, with the twiddle factors of a launch computed
// once for all its windows instead of once per window. A twiddle depends on the frequency and the position
// in the window, never on the window, so every window gets exactly the floats the element form computes.
#pragma once

namespace quorva::host_forms {

void run_forward_transform(int blocks, int block_size, const void* args);
void run_inverse_transform(int blocks, int block_size, const void* args);

}  // namespace quorva::host_forms
