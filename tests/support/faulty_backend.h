// The host backend with faults on demand: the n-th allocation or copy fails, and every call is recorded,
// so that tests can see what a check does when the device lets it down. It can also run every kernel in
// its element form instead of the host's faster forms.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "device/host_backend.h"

namespace quorva::test {

class FaultyBackend final : public device::Backend {
 public:
  // 1-based number of the call that fails; 0 never.
  int fail_malloc_at = 0;
  int fail_copy_to_device_at = 0;
  int fail_copy_to_host_at = 0;

  int mallocs = 0;
  int frees_of_non_null = 0;
  int copies_to_device = 0;
  int copies_to_host = 0;
  std::vector<std::string> launched;  // kernel names, in order
  // When set, each kernel runs in the form given here under its name.
  const std::map<std::string, device::HostEntry>* forms = nullptr;

  int device_count() override { return host_.device_count(); }
  bool device_properties(int device, device::DeviceProperties& out) override {
    return host_.device_properties(device, out);
  }
  void set_device(int device) override { host_.set_device(device); }
  bool malloc(void** ptr, std::size_t bytes) override {
    if (++mallocs == fail_malloc_at) return false;
    return host_.malloc(ptr, bytes);
  }
  void memset(void* ptr, int value, std::size_t bytes) override { host_.memset(ptr, value, bytes); }
  bool memcpy_to_device(void* dst, const void* src, std::size_t bytes) override {
    if (++copies_to_device == fail_copy_to_device_at) return false;
    return host_.memcpy_to_device(dst, src, bytes);
  }
  bool memcpy_to_host(void* dst, const void* src, std::size_t bytes) override {
    if (++copies_to_host == fail_copy_to_host_at) return false;
    return host_.memcpy_to_host(dst, src, bytes);
  }
  void free(void* ptr) override {
    if (ptr != nullptr) ++frees_of_non_null;
    host_.free(ptr);
  }
  void launch(const device::KernelEntry& kernel, int blocks, int block_size, const void* args) override {
    launched.emplace_back(kernel.name);
    if (forms == nullptr) {
      host_.launch(kernel, blocks, block_size, args);
    } else {
      host_.launch(device::KernelEntry{kernel.name, forms->at(kernel.name)}, blocks, block_size, args);
    }
  }
  void launch_many(const device::KernelEntry& kernel, int blocks, int block_size, const void* args,
                   std::size_t args_size, int count) override {
    if (forms != nullptr) {
      Backend::launch_many(kernel, blocks, block_size, args, args_size, count);
      return;
    }
    launched.insert(launched.end(), count, kernel.name);
    host_.launch_many(kernel, blocks, block_size, args, args_size, count);
  }

 private:
  device::HostBackend host_;
};

}  // namespace quorva::test
