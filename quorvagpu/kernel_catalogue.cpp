#include "kernel_catalogue.h"

namespace quorva::catalogue {

using device::run_each_index_on_host;

const device::Kernel<kernels::ColourConversionArgs> RGB2XYZ{
    {"RGB2XYZ_cuda_kernel",
     run_each_index_on_host<kernels::ColourConversionArgs, kernels::RGB2XYZ_cuda_kernel>}};
const device::Kernel<kernels::ColourConversionArgs> XYZ2LAB{
    {"XYZ2LAB_cuda_kernel",
     run_each_index_on_host<kernels::ColourConversionArgs, kernels::XYZ2LAB_cuda_kernel>}};
const device::Kernel<kernels::CompareLumColorArgs> CompareLumColor{
    {"CompareLumColor_cuda_kernel",
     run_each_index_on_host<kernels::CompareLumColorArgs, kernels::CompareLumColor_cuda_kernel>}};

namespace {

const device::KernelRegistration registrations[] = {
    device::KernelRegistration(RGB2XYZ.entry),
    device::KernelRegistration(XYZ2LAB.entry),
    device::KernelRegistration(CompareLumColor.entry),
};

}  // namespace
}  // namespace quorva::catalogue
