// The process-wide runtime: the devices of every built backend in one list (GPUs first, the host last),
// and every memory operation and launch routed to the backend of the selected device.
#pragma once

#include <memory>
#include <vector>

#include "device/backend.h"

namespace quorva::device {

class Runtime final : public Backend {
 public:
  explicit Runtime(std::vector<std::unique_ptr<Backend>> backends);

  int device_count() override;
  bool device_properties(int device, DeviceProperties& out) override;
  void set_device(int device) override;
  bool malloc(void** ptr, std::size_t bytes) override { return current_->malloc(ptr, bytes); }
  void memset(void* ptr, int value, std::size_t bytes) override { current_->memset(ptr, value, bytes); }
  bool memcpy_to_device(void* dst, const void* src, std::size_t bytes) override {
    return current_->memcpy_to_device(dst, src, bytes);
  }
  bool memcpy_to_host(void* dst, const void* src, std::size_t bytes) override {
    return current_->memcpy_to_host(dst, src, bytes);
  }
  void free(void* ptr) override { current_->free(ptr); }
  void launch(const KernelEntry& kernel, int blocks, int block_size, const void* args) override {
    current_->launch(kernel, blocks, block_size, args);
  }
  void launch_many(const KernelEntry& kernel, int blocks, int block_size, const void* args, std::size_t args_size,
                   int count) override {
    current_->launch_many(kernel, blocks, block_size, args, args_size, count);
  }

 private:
  // Finds the backend that owns the flat device index; `local` becomes its index there.
  Backend* backend_of(int device, int& local);

  std::vector<std::unique_ptr<Backend>> backends_;
  Backend* current_;
};

// The runtime the library's exports use.
Runtime& runtime();

}  // namespace quorva::device
