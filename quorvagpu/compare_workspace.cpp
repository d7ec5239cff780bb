#include "compare_workspace.h"

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace quorva {
namespace {

bool allocate(device::Backend& backend, float*& buffer, std::size_t floats) {
  void* memory = nullptr;
  if (!backend.malloc(&memory, floats * sizeof(float))) {
    std::printf("cudaMalloc error, please configure your cuda device!\n");
    return false;
  }
  buffer = static_cast<float*>(memory);
  return true;
}

void release(device::Backend& backend, float*& buffer) {
  backend.free(buffer);
  buffer = nullptr;
}

int windows_across(int length, int windowsize) {
  return static_cast<int>(std::floor(static_cast<float>(static_cast<double>(length) / windowsize)));
}

// The kernels index the planes and pyramids with ints; a geometry whose buffers they could not address is
// refused before anything is allocated.
bool fits_kernel_indices(int clos, int rows, int windowsize) {
  if (clos < 0 || rows < 0 || windowsize < 1) return false;
  const std::int64_t pixel_floats = std::int64_t{clos} * rows * 3;
  const std::int64_t pyramid_floats = std::int64_t{15} * clos * rows;  // 15 · windowsize² · windows at most
  return pixel_floats <= INT_MAX && pyramid_floats <= INT_MAX;
}

}  // namespace

CompareWorkspace& workspace() {
  static CompareWorkspace instance;
  return instance;
}

bool create_workspace(device::Backend& backend, CompareWorkspace& ws, int clos, int rows, int windowsize,
                      int endlevel, int startlevel) {
  if (!fits_kernel_indices(clos, rows, windowsize) || endlevel > kMaxLevels || startlevel < 0) {
    std::fprintf(stderr,
                 "QUORVA: cannot build a comparison workspace for %d x %d pixels with a window of %d and "
                 "levels %d to %d\n",
                 clos, rows, windowsize, startlevel, endlevel - 1);
    return false;
  }
  ws.clos = clos;
  ws.rows = rows;
  ws.windowsize = windowsize;
  ws.endlevel = endlevel;
  ws.startlevel = startlevel;
  ws.host_result.assign(static_cast<std::size_t>(clos) * rows, 0.0f);

  for (int i = 0; i < 2; ++i) {
    if (!allocate(backend, ws.dev_rgb[i], ws.pixel_floats())) return false;
    if (!allocate(backend, ws.dev_lab[i], ws.pixel_floats())) return false;
  }
  if (!allocate(backend, ws.dev_result, ws.pixel_floats())) return false;
  backend.memset(ws.dev_result, 0, ws.pixel_floats() * sizeof(float));

  ws.x_threads = windows_across(clos, windowsize);
  ws.y_threads = windows_across(rows, windowsize);
  std::printf("x_threads=%d, y_threads=%d\n", ws.x_threads, ws.y_threads);

  const std::size_t window_cells = static_cast<std::size_t>(windowsize) * windowsize * ws.windows();
  ws.pyr_length = window_cells * 15;
  for (int j = 0; j < 2; ++j) {
    if (!allocate(backend, ws.dev_rgbpyr[j], ws.pyr_length)) return false;
    if (!allocate(backend, ws.dev_pyr[j], ws.pyr_length)) return false;
    if (!allocate(backend, ws.dev_averagelum[j], static_cast<std::size_t>(ws.windows()))) return false;
  }

  for (int k = 0; k < endlevel; ++k) ws.level_table[k].level_windowsize = level_windowsize(windowsize, k);

  std::size_t offset = window_cells * 6;
  for (int k = startlevel; k < endlevel; ++k) {
    const std::size_t filter_floats = static_cast<std::size_t>(windowsize) * windowsize;
    if (!allocate(backend, ws.dev_freq_filter[k], filter_floats)) return false;
    ws.level_table[k].level_offset = static_cast<int>(offset);
    const std::size_t w = static_cast<std::size_t>(ws.level_table[k].level_windowsize);
    offset += w * w * ws.windows() * 6;
    const std::vector<float> filter = to_fourier_order(radial_filter(windowsize, k), windowsize);
    if (!backend.memcpy_to_device(ws.dev_freq_filter[k], filter.data(), filter_floats * sizeof(float))) {
      std::printf("CUDA Memcpy error\n");
      return false;
    }
  }
  return true;
}

void release_workspace(device::Backend& backend, CompareWorkspace& ws) {
  ws.host_result.clear();
  ws.host_result.shrink_to_fit();
  release(backend, ws.dev_result);
  for (int i = 0; i < 2; ++i) {
    release(backend, ws.dev_rgb[i]);
    release(backend, ws.dev_rgbpyr[i]);
    release(backend, ws.dev_lab[i]);
    release(backend, ws.dev_pyr[i]);
    release(backend, ws.dev_averagelum[i]);
  }
  for (int k = ws.startlevel; k < ws.endlevel; ++k) release(backend, ws.dev_freq_filter[k]);
}

}  // namespace quorva
