#include "device/host_backend.h"

#include <omp.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace quorva::device {
namespace {

// Whole cache lines, so that vector loops over a buffer never share a line with another buffer.
constexpr std::size_t kAlignment = 64;

}  // namespace

bool HostBackend::device_properties(int device, DeviceProperties& out) {
  if (device != 0) return false;
  out.name = "host CPU (" + std::to_string(omp_get_max_threads()) + " threads)";
  out.major = kMajor;
  out.minor = kMinor;
  out.maxThreadsPerBlock = kMaxThreadsPerBlock;
  return true;
}

bool HostBackend::malloc(void** ptr, std::size_t bytes) {
  const std::size_t rounded = (bytes + kAlignment - 1) / kAlignment * kAlignment;
  if (rounded < bytes) return false;
  *ptr = rounded == 0 ? nullptr : std::aligned_alloc(kAlignment, rounded);
  return *ptr != nullptr || rounded == 0;
}

void HostBackend::memset(void* ptr, int value, std::size_t bytes) {
  if (bytes != 0) std::memset(ptr, value, bytes);
}

bool HostBackend::memcpy_to_device(void* device_dst, const void* host_src, std::size_t bytes) {
  if (bytes != 0) std::memcpy(device_dst, host_src, bytes);
  return true;
}

// Launches run to completion before they return, so there is nothing to wait for here.
bool HostBackend::memcpy_to_host(void* host_dst, const void* device_src, std::size_t bytes) {
  if (bytes != 0) std::memcpy(host_dst, device_src, bytes);
  return true;
}

void HostBackend::free(void* ptr) { std::free(ptr); }

void HostBackend::launch(const KernelEntry& kernel, int blocks, int block_size, const void* args) {
  if (accepts(blocks, block_size)) kernel.run_on_host(blocks, block_size, args);
}

void HostBackend::launch_many(const KernelEntry& kernel, int blocks, int block_size, const void* args,
                              std::size_t args_size, int count) {
  if (kernel.run_many_on_host == nullptr) {
    Backend::launch_many(kernel, blocks, block_size, args, args_size, count);
  } else if (accepts(blocks, block_size)) {
    kernel.run_many_on_host(blocks, block_size, args, count);
  }
}

}  // namespace quorva::device
