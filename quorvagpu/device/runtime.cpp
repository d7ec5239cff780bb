#include "device/runtime.h"

#include "device/host_backend.h"

namespace quorva::device {

Runtime::Runtime(std::vector<std::unique_ptr<Backend>> backends)
    : backends_(std::move(backends)), current_(backends_.back().get()) {}

int Runtime::device_count() {
  int count = 0;
  for (auto& backend : backends_) count += backend->device_count();
  return count;
}

Backend* Runtime::backend_of(int device, int& local) {
  for (auto& backend : backends_) {
    const int count = backend->device_count();
    if (device >= 0 && device < count) {
      local = device;
      return backend.get();
    }
    device -= count;
  }
  return nullptr;
}

bool Runtime::device_properties(int device, DeviceProperties& out) {
  int local = 0;
  Backend* backend = backend_of(device, local);
  return backend != nullptr && backend->device_properties(local, out);
}

void Runtime::set_device(int device) {
  int local = 0;
  if (Backend* backend = backend_of(device, local)) {
    backend->set_device(local);
    current_ = backend;
  }
}

Runtime& runtime() {
  static Runtime instance = [] {
    std::vector<std::unique_ptr<Backend>> backends;
    backends.push_back(std::make_unique<HostBackend>());
    return Runtime(std::move(backends));
  }();
  return instance;
}

}  // namespace quorva::device
