// The library's exported entry points: thin wrappers over the internal bodies.
#include <cstdio>

#include "device/runtime.h"
#include "device_selection.h"
#include "quorvagpu/quorvagpu.h"

namespace {

void report_unavailable(const char* what) {
  std::fprintf(stderr, "QUORVA: %s is not available in this build\n", what);
}

}  // namespace

bool InitCUDA_Export() { return quorva::select_device(quorva::device::runtime(), quorva::selected_device()); }

bool Malloc_Binocular_Compare_cuda_Export(int, int, int, int, int) {
  report_unavailable("the comparison workspace");
  return false;
}

int Binocular_LumColorCompare_cuda_Export(float*, float*, float) {
  report_unavailable("the luminance-colour check");
  return -1;
}

int Binocular_ContourCompare_cuda_Export(float*, float*, float, float, float, int, bool) {
  report_unavailable("the contour check");
  return -1;
}

void FreeSpace_cuda_Export() {}
