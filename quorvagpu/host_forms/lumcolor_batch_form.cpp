#include "host_forms/lumcolor_batch_form.h"


#include "host_forms/vector_lanes.h"
#include "kernels/lumcolor_kernel.h"

namespace quorva::host_forms {
namespace {

using kernels::CompareLumColorArgs;

static_assert(kDistancePadding >= kLanes, "the lanes of the last position may run past the plane");
constexpr int kRows = 6;  // rows of positions summed together, sharing every loaded row

// The window sums of positions (x0 + lane, y0 + k) for k < Rows, for windows of at least Rows − 1. Row j
// of differences below y0 is term j − k of row k's windows, so taking the rows in order gives every window
// its terms in order; the first and last Rows − 1 rows serve only some of the windows.
template <int Rows>
QUORVA_LANE_CLONES void sum_windows(const float* distances, int xsamples, int W, int x0, int y0,
                                   float sums[Rows][kLanes]) {
  Lanes acc[Rows] = {};
  for (int c = 0; c < W; ++c) {
    const float* column = distances + static_cast<std::size_t>(y0) * xsamples + x0 + c;
    const std::size_t pitch = xsamples;
    for (int j = 0; j < Rows - 1; ++j) {
      const Lanes v = load_lanes(column + j * pitch);
      for (int k = 0; k <= j; ++k) acc[k] += v;
    }
    for (int j = Rows - 1; j < W; ++j) {
      const Lanes v = load_lanes(column + j * pitch);
      for (int k = 0; k < Rows; ++k) acc[k] += v;
    }
    for (int j = 0; j < Rows - 1; ++j) {
      const Lanes v = load_lanes(column + (W + j) * pitch);
      for (int k = j + 1; k < Rows; ++k) acc[k] += v;
    }
  }
  for (int k = 0; k < Rows; ++k) store_lanes(sums[k], acc[k]);
}

template <int Rows>
void store_sums(const std::vector<float>& distances, int xsamples, int W, int across, int x0, int y0,
                float* out) {
  float sums[Rows][kLanes];
  sum_windows<Rows>(distances.data(), xsamples, W, x0, y0, sums);
  for (int k = 0; k < Rows; ++k) {
    for (int lane = 0; lane < kLanes && x0 + lane < across; ++lane) {
      out[static_cast<std::size_t>(y0 + k) * across + x0 + lane] = sums[k][lane];
    }
  }
}

}  // namespace

std::vector<float> window_sums(const std::vector<float>& distances, int xsamples, int ysamples, int windowsize) {
  const int W = windowsize;
  const int across = xsamples - W + 1;
  const int down = ysamples - W + 1;
  if (W <= 0 || across <= 0 || down <= 0) return {};
  std::vector<float> sums(static_cast<std::size_t>(across) * down);
  const int column_groups = (across + kLanes - 1) / kLanes;
  const int row_groups = (down + kRows - 1) / kRows;
#pragma omp parallel for schedule(dynamic, 1) collapse(2)
  for (int rg = 0; rg < row_groups; ++rg) {
    for (int cg = 0; cg < column_groups; ++cg) {
      const int y0 = rg * kRows;
      const int x0 = cg * kLanes;
      if (y0 + kRows <= down && W >= kRows - 1) {
        store_sums<kRows>(distances, xsamples, W, across, x0, y0, sums.data());
      } else {
        for (int y = y0; y < down; ++y) store_sums<1>(distances, xsamples, W, across, x0, y, sums.data());
      }
    }
  }
  return sums;
}

void run_lumcolor_windows(int blocks, int block_size, const void* args) {
  const auto& a = *static_cast<const CompareLumColorArgs*>(args);
  const long long pixels = static_cast<long long>(a.xsamples) * a.ysamples;
  if (pixels <= 0) return;
  std::vector<float> distances(pixels + kDistancePadding);
#pragma omp parallel for schedule(static)
  for (long long p = 0; p < pixels; ++p) {
    distances[p] = kernels::lab_distance(a.cuda_lab0, a.cuda_lab1, static_cast<int>(3 * p));
  }
  const std::vector<float> sums = window_sums(distances, a.xsamples, a.ysamples, a.windowsize);
  if (sums.empty()) return;
  const int across = a.xsamples - a.windowsize + 1;
  const int down = a.ysamples - a.windowsize + 1;
  const long long covered = static_cast<long long>(blocks) * block_size;
  const float limit = kernels::lumcolor_limit(a.windowsize, a.threshold);
#pragma omp parallel for schedule(static)
  for (int y = 0; y < down; ++y) {
    for (int x = 0; x < across; ++x) {
      const long long i = static_cast<long long>(y) * a.xsamples + x;
      if (i < covered) a.cuda_result[i] = sums[static_cast<std::size_t>(y) * across + x] > limit ? 255.0f : 0.0f;
    }
  }
}

}  // namespace quorva::host_forms
