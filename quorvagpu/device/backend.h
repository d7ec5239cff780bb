// The operations the library needs from whatever runs its kernels: the ones the CUDA runtime offered.
#pragma once

#include <cstddef>
#include <vector>

#include "device/device_properties.h"
#include "device/kernel.h"

namespace quorva::device {

// The part of a runtime that device selection reads; small so that tests can script device lists.
class DeviceDirectory {
 public:
  virtual ~DeviceDirectory() = default;
  virtual int device_count() = 0;
  // False when the device's properties cannot be read.
  virtual bool device_properties(int device, DeviceProperties& out) = 0;
  virtual void set_device(int device) = 0;
};

class Backend : public DeviceDirectory {
 public:
  // False when the memory cannot be had; *ptr is then unspecified.
  virtual bool malloc(void** ptr, std::size_t bytes) = 0;
  virtual void memset(void* ptr, int value, std::size_t bytes) = 0;
  virtual bool memcpy_to_device(void* device_dst, const void* host_src, std::size_t bytes) = 0;
  // Returns only after every earlier launch has finished.
  virtual bool memcpy_to_host(void* host_dst, const void* device_src, std::size_t bytes) = 0;
  virtual void free(void* ptr) = 0;
  // A configuration the device refuses (no blocks, too many threads per block) is skipped silently.
  virtual void launch(const KernelEntry& kernel, int blocks, int block_size, const void* args) = 0;
  // `count` launches of one kernel with the same geometry, in order; `args` is an array of their arguments.
  virtual void launch_many(const KernelEntry& kernel, int blocks, int block_size, const void* args,
                           std::size_t args_size, int count) {
    for (int n = 0; n < count; ++n) launch(kernel, blocks, block_size, static_cast<const char*>(args) + n * args_size);
  }
};

template <class Args>
void launch(Backend& backend, const Kernel<Args>& kernel, int blocks, int block_size, const Args& args) {
  backend.launch(kernel.entry, blocks, block_size, &args);
}

template <class Args>
void launch_many(Backend& backend, const Kernel<Args>& kernel, int blocks, int block_size,
                 const std::vector<Args>& args) {
  backend.launch_many(kernel.entry, blocks, block_size, args.data(), sizeof(Args), static_cast<int>(args.size()));
}

// Blocks needed to give every one of `elements` indices a thread.
inline int blocks_for(long long elements, int block_size) {
  return static_cast<int>((elements + block_size - 1) / block_size);
}

}  // namespace quorva::device
