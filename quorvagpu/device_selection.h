// Choosing the device the library runs on, and what it keeps of it.
#pragma once

#include "device/backend.h"

namespace quorva {

// Walks the devices in order and makes the first one of capability 1.3 or higher current, printing a line
// for every device it could read. Prints why and returns false when no device is usable.
bool select_device(device::DeviceDirectory& devices, device::DeviceProperties& selected);

// The device InitCUDA_Export selected (empty before).
device::DeviceProperties& selected_device();

// The block size of one-thread-per-pixel launches: the selected device's limit.
inline int threads_per_block() { return selected_device().maxThreadsPerBlock; }

}  // namespace quorva
