// What every kernel body needs: the marker that compiles it for both the host and a CUDA device.
#pragma once

#if defined(__CUDACC__)
#define QUORVA_KERNEL_BODY __host__ __device__ inline
#else
#define QUORVA_KERNEL_BODY inline
#endif

namespace quorva::kernels {

// The element index of a launch thread: the kernel's `threads` argument times the block, plus the thread.
QUORVA_KERNEL_BODY int element_index(int threads, int block, int thread) { return threads * block + thread; }

}  // namespace quorva::kernels
