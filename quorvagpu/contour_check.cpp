#include "contour_check.h"

#include <cmath>
#include <cstdio>

#include "kernel_catalogue.h"

namespace quorva {
namespace {

// Everything one sampling offset launches, in order.
class OffsetPass {
 public:
  OffsetPass(device::Backend& backend, CompareWorkspace& ws, int threads_per_block)
      : backend_(backend),
        ws_(ws),
        T_(threads_per_block),
        shape_(per_window_launch(ws.windows(), T_)),
        frequencies_(used_frequencies(ws)) {}

  void adaptation_luminance(int g, int rgb_start, float DisplayHighestLum) {
    per_window(catalogue::AdaptationLuminance,
               {shape_.block_size, DisplayHighestLum, rgb_start, ws_.dev_rgb[g], ws_.dev_averagelum[g],
                ws_.windowsize, ws_.x_threads, ws_.y_threads, ws_.clos, ws_.rows});
  }

  // One launch per frequency that a used level keeps.
  void forward_transform(int g, int rgb_start) {
    std::vector<kernels::ForwardTransformArgs> launches;
    for (int u : frequencies_) {
      for (int v : frequencies_) {
        launches.push_back({u, v, shape_.block_size, ws_.dev_rgb[g], ws_.dev_rgbpyr[g], rgb_start, ws_.windowsize,
                            ws_.x_threads, ws_.y_threads, ws_.clos, ws_.rows});
      }
    }
    launch_many(backend_, catalogue::FourierLevel0, shape_.blocks, shape_.block_size, launches);
  }

  void compare_level(int k, float threshold_high, float threshold_low) {
    const LevelInfo& level = ws_.level_table[k];
    const int w = level.level_windowsize;
    for (int g = 0; g < 2; ++g) {
      per_window(catalogue::FilterLevels, {shape_.block_size, ws_.dev_rgbpyr[g], level.level_offset,
                                           ws_.dev_freq_filter[k], ws_.windowsize, w, ws_.windows()});
      per_window(catalogue::InverseLevels,
                 {shape_.block_size, ws_.windowsize, ws_.dev_pyr[g] + level.level_offset,
                  ws_.dev_rgbpyr[g] + level.level_offset, w, ws_.x_threads, ws_.y_threads});
    }
    const int band_pixels = ws_.windows() * w * w;
    for (int g = 0; g < 2; ++g) {
      float* band = ws_.dev_pyr[g] + level.level_offset;
      launch(backend_, catalogue::BandLab, device::blocks_for(band_pixels, T_), T_, {T_, band, band + 1, band_pixels});
    }
    float* level_plane = ws_.dev_pyr[0] + (ws_.endlevel - 1 - k) * ws_.windows();
    per_window(catalogue::CompareLevel,
               {shape_.block_size, threshold_high, threshold_low, ws_.dev_averagelum[0], ws_.dev_averagelum[1],
                ws_.dev_pyr[0] + level.level_offset + 1, ws_.dev_pyr[1] + level.level_offset + 1, level_plane, w,
                ws_.windows()});
  }

  void merge_levels() {
    per_window(catalogue::MergeLevels, {shape_.block_size, ws_.endlevel - 1, ws_.startlevel, ws_.dev_pyr[0],
                                        ws_.dev_pyr[1], ws_.x_threads, ws_.y_threads});
  }

 private:
  template <class Args>
  void per_window(const device::Kernel<Args>& kernel, const Args& args) {
    launch(backend_, kernel, shape_.blocks, shape_.block_size, args);
  }

  device::Backend& backend_;
  CompareWorkspace& ws_;
  int T_;
  LaunchShape shape_;
  std::vector<int> frequencies_;
};

}  // namespace

std::vector<SamplingOffset> sampling_offsets(int windowsize, int d) {
  std::vector<SamplingOffset> offsets;
  if (d <= 0) return offsets;
  const float step = static_cast<float>(static_cast<double>(windowsize) / d);
  for (int i = 0; i < d; ++i) {
    for (int j = 0; j < d; ++j) {
      offsets.push_back({static_cast<int>(std::floor(static_cast<float>(i) * step)),
                         static_cast<int>(std::floor(static_cast<float>(j) * step))});
    }
  }
  return offsets;
}

std::vector<int> used_frequencies(const CompareWorkspace& ws) {
  std::vector<int> frequencies;
  if (ws.startlevel >= ws.endlevel) return frequencies;
  const int W = ws.windowsize;
  const int w = ws.level_table[ws.startlevel].level_windowsize;
  const int h = w / 2 + 1;  // the level keeps source indices below h and from h + (W − w) on
  for (int j = 0; j < W; ++j) {
    if (j < h || j >= h + (W - w)) frequencies.push_back(j);
  }
  return frequencies;
}

LaunchShape per_window_launch(int windows, int threads_per_block) {
  const int block_size = device::blocks_for(windows, 8);
  if (block_size <= threads_per_block) return {8, block_size};
  return {device::blocks_for(windows, threads_per_block), threads_per_block};
}

int contour_check(device::Backend& backend, CompareWorkspace& ws, float DisplayHighestLum, float threshold_high,
                  float threshold_low, int Sampe_rate, int threads_per_block) {
  const int windows = ws.windows();
  if (windows <= 0) return 0;
  // The pyramids are not cleared between offsets: every float a stage reads was written earlier in the same
  // offset, and clearing them cost as much as the transforms.
  OffsetPass pass(backend, ws, threads_per_block);
  for (const SamplingOffset& offset : sampling_offsets(ws.windowsize, Sampe_rate)) {
    const int rgb_start = offset.oy * ws.windowsize + offset.ox;
    for (int g = 0; g < 2; ++g) pass.adaptation_luminance(g, rgb_start, DisplayHighestLum);
    for (int g = 0; g < 2; ++g) pass.forward_transform(g, rgb_start);
    for (int k = ws.endlevel - 1; k >= ws.startlevel; --k) pass.compare_level(k, threshold_high, threshold_low);
    pass.merge_levels();

    std::fill_n(ws.host_result.begin(), windows, 0.0f);
    if (!backend.memcpy_to_host(ws.host_result.data(), ws.dev_pyr[1], windows * sizeof(float))) {
      std::printf("cudaMemcpy error!\n");
      return -1;
    }
    const int count = count_contour_flags(ws);
    if (count >= 1) return count;
  }
  return 0;
}

int count_contour_flags(const CompareWorkspace& ws) {
  const int cx = ws.clos % ws.windowsize == 0 ? ws.x_threads - 1 : ws.x_threads - 2;
  const int cy = ws.rows % ws.windowsize == 0 ? ws.y_threads - 1 : ws.y_threads - 2;
  int count = 0;
  for (int row = 0; row < cy; ++row) {
    for (int column = 0; column < cx; ++column) {
      if (ws.host_result[static_cast<std::size_t>(row) * ws.x_threads + column] > 100.0) ++count;
    }
  }
  return count;
}

}  // namespace quorva
