// The library's kernels, each registered under its name in the runtime's kernel table when the library is
// loaded, and launched through these handles.
#pragma once

#include "device/kernel.h"
#include "kernels/colour_conversion_kernels.h"
#include "kernels/lumcolor_kernel.h"

namespace quorva::catalogue {

extern const device::Kernel<kernels::ColourConversionArgs> RGB2XYZ;
extern const device::Kernel<kernels::ColourConversionArgs> XYZ2LAB;
extern const device::Kernel<kernels::CompareLumColorArgs> CompareLumColor;

}  // namespace quorva::catalogue
