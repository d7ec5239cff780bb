#include "kernel_catalogue.h"

#include "host_forms/fourier_batch_forms.h"
#include "host_forms/lumcolor_batch_form.h"

namespace quorva::catalogue {

using device::run_each_index_on_host;
using namespace kernels;

const device::Kernel<ColourConversionArgs> RGB2XYZ{
    {"RGB2XYZ_cuda_kernel", run_each_index_on_host<ColourConversionArgs, RGB2XYZ_cuda_kernel>}};
const device::Kernel<ColourConversionArgs> XYZ2LAB{
    {"XYZ2LAB_cuda_kernel", run_each_index_on_host<ColourConversionArgs, XYZ2LAB_cuda_kernel>}};
const device::Kernel<CompareLumColorArgs> CompareLumColor{
    {"CompareLumColor_cuda_kernel", host_forms::run_lumcolor_windows}};
const device::Kernel<ForwardTransformArgs> FourierLevel0{
    {"fourier_pyr_level0_cuda_kernel", host_forms::run_forward_transform, host_forms::run_forward_transforms}};
const device::Kernel<LevelFilterArgs> FilterLevels{
    {"filter_fourier_pyr_levels_cuda_kernel",
     run_each_index_on_host<LevelFilterArgs, filter_fourier_pyr_levels_cuda_kernel>}};
const device::Kernel<InverseTransformArgs> InverseLevels{
    {"Inv_fourier_pyr_levels_cuda_kernel", host_forms::run_inverse_transform}};
const device::Kernel<BandLabArgs> BandLab{
    {"rgb2lab_cuda_kernel", run_each_index_on_host<BandLabArgs, rgb2lab_cuda_kernel>}};
const device::Kernel<AdaptationLuminanceArgs> AdaptationLuminance{
    {"AverWindowLum_PerIT_cuda_kernel",
     run_each_index_on_host<AdaptationLuminanceArgs, AverWindowLum_PerIT_cuda_kernel>}};
const device::Kernel<ContourCompareArgs> CompareLevel{
    {"lab_compare_perlevel_cuda_kernel",
     run_each_index_on_host<ContourCompareArgs, lab_compare_perlevel_cuda_kernel>}};
const device::Kernel<LevelMergeArgs> MergeLevels{
    {"Merge_lab_compare_cuda_kernel", run_each_index_on_host<LevelMergeArgs, Merge_lab_compare_cuda_kernel>}};

namespace {

const device::KernelRegistration registrations[] = {
    device::KernelRegistration(RGB2XYZ.entry),       device::KernelRegistration(XYZ2LAB.entry),
    device::KernelRegistration(CompareLumColor.entry), device::KernelRegistration(FourierLevel0.entry),
    device::KernelRegistration(FilterLevels.entry),  device::KernelRegistration(InverseLevels.entry),
    device::KernelRegistration(BandLab.entry),       device::KernelRegistration(AdaptationLuminance.entry),
    device::KernelRegistration(CompareLevel.entry),  device::KernelRegistration(MergeLevels.entry),
};

}  // namespace
}  // namespace quorva::catalogue
