// The library's exported entry points: thin wrappers over the internal bodies.
#include "compare_workspace.h"
#include "contour_check.h"
#include "device/runtime.h"
#include "device_selection.h"
#include "lumcolor_check.h"
#include "quorvagpu/quorvagpu.h"

bool InitCUDA_Export() { return quorva::select_device(quorva::device::runtime(), quorva::selected_device()); }

bool Malloc_Binocular_Compare_cuda_Export(int clos, int rows, int windowsize, int endlevel, int startlevel) {
  return quorva::create_workspace(quorva::device::runtime(), quorva::workspace(), clos, rows, windowsize,
                                  endlevel, startlevel);
}

int Binocular_LumColorCompare_cuda_Export(float* image0, float* image1, float threshold) {
  return quorva::lumcolor_check(quorva::device::runtime(), quorva::workspace(), image0, image1, threshold,
                                quorva::threads_per_block());
}

// The images are not read: the check works on the copies the colour check left on the device.
int Binocular_ContourCompare_cuda_Export(float*, float*, float DisplayHighestLum, float threshold_high,
                                         float threshold_low, int Sampe_rate, bool) {
  return quorva::contour_check(quorva::device::runtime(), quorva::workspace(), DisplayHighestLum, threshold_high,
                               threshold_low, Sampe_rate, quorva::threads_per_block());
}

void FreeSpace_cuda_Export() { quorva::release_workspace(quorva::device::runtime(), quorva::workspace()); }
