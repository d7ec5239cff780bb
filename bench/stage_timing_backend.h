// A backend that runs everything on another backend and adds up the wall time of each operation, under the
// kernel's name for launches and under "memset", "upload" and "copy back" for the rest, and counts the
// bytes allocated.
#pragma once

#include <map>
#include <string>

#include "device/backend.h"

namespace quorva::bench {

class StageTimingBackend final : public device::Backend {
 public:
  explicit StageTimingBackend(device::Backend& inner) : inner_(inner) {}

  int device_count() override { return inner_.device_count(); }
  bool device_properties(int device, device::DeviceProperties& out) override {
    return inner_.device_properties(device, out);
  }
  void set_device(int device) override { inner_.set_device(device); }
  bool malloc(void** ptr, std::size_t bytes) override {
    const bool allocated = inner_.malloc(ptr, bytes);
    if (allocated) allocated_bytes_ += bytes;
    return allocated;
  }
  void free(void* ptr) override { inner_.free(ptr); }
  void memset(void* ptr, int value, std::size_t bytes) override;
  bool memcpy_to_device(void* device_dst, const void* host_src, std::size_t bytes) override;
  bool memcpy_to_host(void* host_dst, const void* device_src, std::size_t bytes) override;
  void launch(const device::KernelEntry& kernel, int blocks, int block_size, const void* args) override;
  void launch_many(const device::KernelEntry& kernel, int blocks, int block_size, const void* args,
                   std::size_t args_size, int count) override;

  // Seconds spent in each operation since the last reset.
  const std::map<std::string, double>& seconds() const { return seconds_; }
  void reset() { seconds_.clear(); }
  // Bytes of every allocation made through this backend.
  std::size_t allocated_bytes() const { return allocated_bytes_; }

 private:
  template <class Operation>
  auto timed(const std::string& name, const Operation& operation);

  device::Backend& inner_;
  std::map<std::string, double> seconds_;
  std::size_t allocated_bytes_ = 0;
};

}  // namespace quorva::bench
