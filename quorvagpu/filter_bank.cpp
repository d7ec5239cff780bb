#include "filter_bank.h"

#include <cmath>

namespace quorva {
namespace {

constexpr double kPi = 3.1415926;  // the reference method's π

float raised_cosine_edge(float dist, float r, float t) {
  const double d = dist, radius = r, width = t;
  if (d <= radius - width / 2) return 1.0f;
  if (d <= radius + width / 2) {
    return static_cast<float>((std::cos((d - radius + width / 2) * kPi / width) + 1.0) * 0.5);
  }
  return 0.0f;
}

}  // namespace

int level_windowsize(int windowsize, int k) {
  return static_cast<int>(std::floor(filter_radius(windowsize, k)) * 2 + 1);
}

float filter_radius(int windowsize, int k) { return static_cast<float>(windowsize / std::ldexp(1.0, k + 1)); }

std::vector<float> radial_filter(int windowsize, int k) {
  const float r = filter_radius(windowsize, k);
  const float t = static_cast<float>(static_cast<double>(r) * 0.6666666666666666);
  std::vector<float> plane(static_cast<std::size_t>(windowsize) * windowsize);
  for (int i = 0; i < windowsize; ++i) {
    const double di = (i + 1) - windowsize / 2.0 - 0.5;
    for (int j = 0; j < windowsize; ++j) {
      const double dj = (j + 1) - windowsize / 2.0 - 0.5;
      const float dist = static_cast<float>(std::pow(std::pow(di, 2.0) + std::pow(dj, 2.0), 0.5));
      plane[static_cast<std::size_t>(i) * windowsize + j] = raised_cosine_edge(dist, r, t);
    }
  }
  return plane;
}

std::vector<float> to_fourier_order(const std::vector<float>& centred, int windowsize) {
  const int h = static_cast<int>(std::floor(windowsize / 2.0));
  const int e = windowsize - h;
  auto moved = [&](int i) { return i < h ? i + e : i - h; };
  std::vector<float> reordered(centred.size());
  for (int i = 0; i < windowsize; ++i) {
    for (int j = 0; j < windowsize; ++j) {
      reordered[static_cast<std::size_t>(moved(i)) * windowsize + moved(j)] =
          centred[static_cast<std::size_t>(i) * windowsize + j];
    }
  }
  return reordered;
}

}  // namespace quorva
