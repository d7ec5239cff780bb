// The library's exported entry points: thin wrappers over the internal bodies.
#include <cstdio>

#include "compare_workspace.h"
#include "device/runtime.h"
#include "device_selection.h"
#include "lumcolor_check.h"
#include "quorvagpu/quorvagpu.h"

namespace {

void report_unavailable(const char* what) {
  std::fprintf(stderr, "QUORVA: %s is not available in this build\n", what);
}

}  // namespace

bool InitCUDA_Export() { return quorva::select_device(quorva::device::runtime(), quorva::selected_device()); }

bool Malloc_Binocular_Compare_cuda_Export(int clos, int rows, int windowsize, int endlevel, int startlevel) {
  return quorva::create_workspace(quorva::device::runtime(), quorva::workspace(), clos, rows, windowsize,
                                  endlevel, startlevel);
}

int Binocular_LumColorCompare_cuda_Export(float* image0, float* image1, float threshold) {
  return quorva::lumcolor_check(quorva::device::runtime(), quorva::workspace(), image0, image1, threshold,
                                quorva::threads_per_block());
}

int Binocular_ContourCompare_cuda_Export(float*, float*, float, float, float, int, bool) {
  report_unavailable("the contour check");
  return -1;
}

void FreeSpace_cuda_Export() { quorva::release_workspace(quorva::device::runtime(), quorva::workspace()); }
