#include "device_selection.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace quorva {
namespace {

using device::DeviceProperties;

// A device list as a test writes it: nullopt for a device whose properties cannot be read.
class ScriptedDevices : public device::DeviceDirectory {
 public:
  explicit ScriptedDevices(std::vector<std::optional<DeviceProperties>> devices) : devices_(std::move(devices)) {}
  int device_count() override { return static_cast<int>(devices_.size()); }
  bool device_properties(int device, DeviceProperties& out) override {
    if (!devices_[device]) return false;
    out = *devices_[device];
    return true;
  }
  void set_device(int device) override { current = device; }

  int current = -1;

 private:
  std::vector<std::optional<DeviceProperties>> devices_;
};

std::optional<DeviceProperties> capability(int major, int minor) {
  return DeviceProperties{"scripted", major, minor, 256 + major};
}

const char* const kNoDevice = "\n\nThere is NO CUDA device.\n Please configure your CUDA settings according to readme.txt! \n\n";
const char* const kNoCapableDevice =
    "\n\nThere is no device supporting required CUDA compute capability. We require a device with major=1 & "
    "minor=3, or higher\n\nPlease configure your CUDA settings according to readme.txt! \n\n";

struct SelectionCase {
  const char* what;
  std::vector<std::optional<DeviceProperties>> devices;
  int selected;  // -1: none
  std::string printed;
};

class SelectDeviceTest : public testing::TestWithParam<SelectionCase> {};

TEST_P(SelectDeviceTest, PicksTheFirstDeviceOfCapability13OrHigher) {
  const SelectionCase& c = GetParam();
  ScriptedDevices devices(c.devices);
  DeviceProperties selected;
  testing::internal::CaptureStdout();
  const bool ok = select_device(devices, selected);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), c.printed) << c.what;
  EXPECT_EQ(ok, c.selected >= 0) << c.what;
  EXPECT_EQ(devices.current, c.selected) << c.what;
  if (ok) {
    EXPECT_EQ(selected.maxThreadsPerBlock, c.devices[c.selected]->maxThreadsPerBlock);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Lists, SelectDeviceTest,
    testing::Values(
        SelectionCase{"none", {}, -1, kNoDevice},
        SelectionCase{"1.1 then 1.3",
                      {capability(1, 1), capability(1, 3)},
                      1,
                      "Using device with major 1, minor 1 !\nUsing device with major 1, minor 3 !\n"},
        SelectionCase{"only old devices",
                      {capability(1, 0), capability(1, 1), capability(1, 2)},
                      -1,
                      std::string("Using device with major 1, minor 0 !\nUsing device with major 1, minor 1 !\n"
                                  "Using device with major 1, minor 2 !\n") +
                          kNoCapableDevice},
        SelectionCase{"2.0", {capability(2, 0)}, 0, "Using device with major 2, minor 0 !\n"},
        SelectionCase{"3.0 after 3.0", {capability(3, 0), capability(3, 0)}, 0,
                      "Using device with major 3, minor 0 !\n"},
        SelectionCase{"major 1000", {capability(1000, 0)}, -1,
                      std::string("Using device with major 1000, minor 0 !\n") + kNoCapableDevice},
        SelectionCase{"minor 1000 then 1.3", {capability(1, 1000), capability(1, 3)}, 1,
                      "Using device with major 1, minor 1000 !\nUsing device with major 1, minor 3 !\n"},
        SelectionCase{"unreadable then 1.3", {std::nullopt, capability(1, 3)}, 1,
                      "Using device with major 1, minor 3 !\n"},
        SelectionCase{"only unreadable", {std::nullopt}, -1, kNoCapableDevice}));

}  // namespace
}  // namespace quorva
