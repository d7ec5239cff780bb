#include "host_forms/twiddle_tables.h"

#include <map>
#include <mutex>

namespace quorva::host_forms {
namespace {

std::mutex cache_mutex;

}  // namespace

TwiddleTable forward_twiddle_table(int W, const std::vector<std::pair<int, int>>& frequencies) {
  // Every offset and both eyes run the same frequencies, so the last table is the one asked for again.
  static std::pair<int, std::vector<std::pair<int, int>>> last_key;
  static TwiddleTable last_table;
  const std::lock_guard<std::mutex> lock(cache_mutex);
  if (last_table != nullptr && last_key.first == W && last_key.second == frequencies) return last_table;

  const int cells = W * W;
  auto table = std::make_shared<std::vector<kernels::Twiddle>>(frequencies.size() * cells);
  const int count = static_cast<int>(frequencies.size());
#pragma omp parallel for schedule(static)
  for (int n = 0; n < count; ++n) {
    kernels::ForwardTransformArgs a{};
    a.u = frequencies[n].first;
    a.v = frequencies[n].second;
    a.windowsize = W;
    for (int c = 0; c < W; ++c) {
      for (int r = 0; r < W; ++r) (*table)[static_cast<std::size_t>(n) * cells + c * W + r] = kernels::forward_twiddle(a, c, r);
    }
  }
  last_key = {W, frequencies};
  last_table = table;
  return last_table;
}

TwiddleTable inverse_twiddle_table(int w) {
  static std::map<int, TwiddleTable> tables;
  const std::lock_guard<std::mutex> lock(cache_mutex);
  TwiddleTable& entry = tables[w];
  if (entry != nullptr) return entry;

  auto table = std::make_shared<std::vector<kernels::Twiddle>>(static_cast<std::size_t>(w) * w * w * w);
#pragma omp parallel for schedule(static)
  for (int p = 0; p < w; ++p) {
    for (int q = 0; q < w; ++q) {
      for (int s = 0; s < w; ++s) {
        for (int t = 0; t < w; ++t) (*table)[((p * w + q) * w + s) * w + t] = kernels::inverse_twiddle(w, p, q, s, t);
      }
    }
  }
  entry = table;
  return entry;
}

}  // namespace quorva::host_forms
