// What device selection needs to know about one device, as a CUDA device reports it.
#pragma once

#include <string>

namespace quorva::device {

struct DeviceProperties {
  std::string name;
  int major = 0;
  int minor = 0;
  int maxThreadsPerBlock = 0;
};

}  // namespace quorva::device
