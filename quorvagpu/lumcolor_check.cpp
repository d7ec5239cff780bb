#include "lumcolor_check.h"

#include <cstdio>

#include "kernel_catalogue.h"

namespace quorva {

int lumcolor_check(device::Backend& backend, CompareWorkspace& ws, const float* image0, const float* image1,
                   float threshold, int threads_per_block) {
  const std::size_t bytes = ws.pixel_floats() * sizeof(float);
  const float* images[2] = {image0, image1};
  for (int g = 0; g < 2; ++g) {
    if (!backend.memcpy_to_device(ws.dev_rgb[g], images[g], bytes)) {
      std::printf("CUDA Memcpy error!\n");
      return -1;
    }
  }
  const int T = threads_per_block;
  const int blocks = device::blocks_for(static_cast<long long>(ws.clos) * ws.rows, T);
  for (int g = 0; g < 2; ++g) {
    launch(backend, catalogue::RGB2XYZ, blocks, T, {T, ws.dev_rgb[g], ws.dev_lab[g], ws.clos, ws.rows});
    launch(backend, catalogue::XYZ2LAB, blocks, T, {T, ws.dev_lab[g], ws.dev_lab[g], ws.clos, ws.rows});
  }
  launch(backend, catalogue::CompareLumColor, blocks, T,
         {T, ws.dev_lab[0], ws.dev_lab[1], ws.dev_result, ws.windowsize, threshold, ws.clos, ws.rows});
  if (!backend.memcpy_to_host(ws.host_result.data(), ws.dev_result,
                              static_cast<std::size_t>(ws.clos) * ws.rows * sizeof(float))) {
    std::printf("cudaMemcpy error! \n");
    return -1;
  }
  return count_lumcolor_flags(ws);
}

int count_lumcolor_flags(const CompareWorkspace& ws) {
  int count = 0;
  for (int y = 0; y < ws.rows - ws.windowsize; ++y) {
    for (int x = 0; x < ws.clos - ws.windowsize; ++x) {
      if (ws.host_result[static_cast<std::size_t>(y) * ws.clos + x] > 100.0) ++count;
    }
  }
  return count;
}

}  // namespace quorva
