#include "device/kernel.h"

namespace quorva::device {
namespace {

std::vector<const KernelEntry*>& mutable_table() {
  // Built on first use so that registrations from any translation unit find it constructed.
  static std::vector<const KernelEntry*> table;
  return table;
}

}  // namespace

const std::vector<const KernelEntry*>& kernel_table() { return mutable_table(); }

const KernelEntry* find_kernel(std::string_view name) {
  for (const KernelEntry* kernel : mutable_table()) {
    if (name == kernel->name) return kernel;
  }
  return nullptr;
}

KernelRegistration::KernelRegistration(const KernelEntry& kernel) { mutable_table().push_back(&kernel); }

}  // namespace quorva::device
