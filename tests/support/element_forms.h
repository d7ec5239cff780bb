// Every kernel of the library in its element form: one call of the body per index, twiddles computed on
// the spot. The yardstick that the host's faster forms must match bit for bit.
#pragma once

#include <map>
#include <string>

#include "kernel_catalogue.h"

namespace quorva::test {

inline const std::map<std::string, device::HostEntry>& element_forms() {
  using device::run_each_index_on_host;
  using namespace kernels;
  static const std::map<std::string, device::HostEntry> forms = {
      {"RGB2XYZ_cuda_kernel", run_each_index_on_host<ColourConversionArgs, RGB2XYZ_cuda_kernel>},
      {"XYZ2LAB_cuda_kernel", run_each_index_on_host<ColourConversionArgs, XYZ2LAB_cuda_kernel>},
      {"CompareLumColor_cuda_kernel", run_each_index_on_host<CompareLumColorArgs, CompareLumColor_cuda_kernel>},
      {"fourier_pyr_level0_cuda_kernel", run_each_index_on_host<ForwardTransformArgs, fourier_pyr_level0_cuda_kernel>},
      {"filter_fourier_pyr_levels_cuda_kernel",
       run_each_index_on_host<LevelFilterArgs, filter_fourier_pyr_levels_cuda_kernel>},
      {"Inv_fourier_pyr_levels_cuda_kernel",
       run_each_index_on_host<InverseTransformArgs, Inv_fourier_pyr_levels_cuda_kernel>},
      {"rgb2lab_cuda_kernel", run_each_index_on_host<BandLabArgs, rgb2lab_cuda_kernel>},
      {"AverWindowLum_PerIT_cuda_kernel",
       run_each_index_on_host<AdaptationLuminanceArgs, AverWindowLum_PerIT_cuda_kernel>},
      {"lab_compare_perlevel_cuda_kernel", run_each_index_on_host<ContourCompareArgs, lab_compare_perlevel_cuda_kernel>},
      {"Merge_lab_compare_cuda_kernel", run_each_index_on_host<LevelMergeArgs, Merge_lab_compare_cuda_kernel>},
  };
  return forms;
}

}  // namespace quorva::test
