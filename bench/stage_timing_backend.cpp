#include "stage_timing_backend.h"

#include <chrono>

namespace quorva::bench {

template <class Operation>
auto StageTimingBackend::timed(const std::string& name, const Operation& operation) {
  const auto start = std::chrono::steady_clock::now();
  struct AddElapsed {
    double& total;
    std::chrono::steady_clock::time_point start;
    ~AddElapsed() { total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(); }
  } add{seconds_[name], start};
  return operation();
}

void StageTimingBackend::memset(void* ptr, int value, std::size_t bytes) {
  timed("memset", [&] { inner_.memset(ptr, value, bytes); });
}

bool StageTimingBackend::memcpy_to_device(void* device_dst, const void* host_src, std::size_t bytes) {
  return timed("upload", [&] { return inner_.memcpy_to_device(device_dst, host_src, bytes); });
}

bool StageTimingBackend::memcpy_to_host(void* host_dst, const void* device_src, std::size_t bytes) {
  return timed("copy back", [&] { return inner_.memcpy_to_host(host_dst, device_src, bytes); });
}

void StageTimingBackend::launch(const device::KernelEntry& kernel, int blocks, int block_size, const void* args) {
  timed(kernel.name, [&] { inner_.launch(kernel, blocks, block_size, args); });
}

void StageTimingBackend::launch_many(const device::KernelEntry& kernel, int blocks, int block_size,
                                     const void* args, std::size_t args_size, int count) {
  timed(kernel.name, [&] { inner_.launch_many(kernel, blocks, block_size, args, args_size, count); });
}

}  // namespace quorva::bench
