// The library's kernels, each registered under its name in the runtime's kernel table when the library is
// loaded, and launched through these handles.
#pragma once

#include "device/kernel.h"
#include "kernels/adaptation_luminance_kernel.h"
#include "kernels/band_lab_kernel.h"
#include "kernels/colour_conversion_kernels.h"
#include "kernels/contour_compare_kernel.h"
#include "kernels/fourier_kernels.h"
#include "kernels/level_merge_kernel.h"
#include "kernels/lumcolor_kernel.h"

namespace quorva::catalogue {

extern const device::Kernel<kernels::ColourConversionArgs> RGB2XYZ;
extern const device::Kernel<kernels::ColourConversionArgs> XYZ2LAB;
extern const device::Kernel<kernels::CompareLumColorArgs> CompareLumColor;
extern const device::Kernel<kernels::ForwardTransformArgs> FourierLevel0;
extern const device::Kernel<kernels::LevelFilterArgs> FilterLevels;
extern const device::Kernel<kernels::InverseTransformArgs> InverseLevels;
extern const device::Kernel<kernels::BandLabArgs> BandLab;
extern const device::Kernel<kernels::AdaptationLuminanceArgs> AdaptationLuminance;
extern const device::Kernel<kernels::ContourCompareArgs> CompareLevel;
extern const device::Kernel<kernels::LevelMergeArgs> MergeLevels;

}  // namespace quorva::catalogue
