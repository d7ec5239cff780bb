#include "device_selection.h"

#include <cstdio>

namespace quorva {
namespace {

bool supports_required_capability(const device::DeviceProperties& p) {
  return p.major < 1000 && p.minor < 1000 && (p.major > 1 || (p.major == 1 && p.minor >= 3));
}

}  // namespace

bool select_device(device::DeviceDirectory& devices, device::DeviceProperties& selected) {
  const int count = devices.device_count();
  if (count == 0) {
    std::printf("\n\nThere is NO CUDA device.\n Please configure your CUDA settings according to readme.txt! \n\n");
    return false;
  }
  int device = 0;
  device::DeviceProperties properties;
  bool accepted = false;
  for (; device < count; ++device) {
    if (!devices.device_properties(device, properties)) continue;
    std::printf("Using device with major %d, minor %d !\n", properties.major, properties.minor);
    if (supports_required_capability(properties)) {
      accepted = true;
      break;
    }
  }
  if (!accepted) {
    std::printf(
        "\n\nThere is no device supporting required CUDA compute capability. We require a device with "
        "major=1 & minor=3, or higher\n");
    std::printf("\nPlease configure your CUDA settings according to readme.txt! \n\n");
    return false;
  }
  devices.set_device(device);
  selected = properties;
  return true;
}

device::DeviceProperties& selected_device() {
  static device::DeviceProperties selected;
  return selected;
}

}  // namespace quorva
