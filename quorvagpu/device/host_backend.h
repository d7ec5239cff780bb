// The host backend: the CPU as one device, kernels run over all cores with OpenMP.
#pragma once

#include "device/backend.h"

namespace quorva::device {

class HostBackend final : public Backend {
 public:
  // The CPU runs the double-precision kernels, so it reports the capability they were built for; the block
  // limit is the one the kernels were tuned for on the original devices.
  static constexpr int kMajor = 1;
  static constexpr int kMinor = 3;
  static constexpr int kMaxThreadsPerBlock = 512;

  int device_count() override { return 1; }
  bool device_properties(int device, DeviceProperties& out) override;
  void set_device(int) override {}
  bool malloc(void** ptr, std::size_t bytes) override;
  void memset(void* ptr, int value, std::size_t bytes) override;
  bool memcpy_to_device(void* device_dst, const void* host_src, std::size_t bytes) override;
  bool memcpy_to_host(void* host_dst, const void* device_src, std::size_t bytes) override;
  void free(void* ptr) override;
  void launch(const KernelEntry& kernel, int blocks, int block_size, const void* args) override;
  void launch_many(const KernelEntry& kernel, int blocks, int block_size, const void* args, std::size_t args_size,
                   int count) override;

 private:
  static bool accepts(int blocks, int block_size) {
    return blocks > 0 && block_size > 0 && block_size <= kMaxThreadsPerBlock;
  }
};

}  // namespace quorva::device
