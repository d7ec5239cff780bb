#include "viewing_geometry.h"

#include <cmath>

namespace quorva {
namespace {

// π is taken as 3.1415926, as the original did.
constexpr double kOneDegree = 3.1415926 / 180;
constexpr double kTwoAndAHalfArcminutes = 3.1415926 / 4320;
constexpr int kMaxLevels = 10;

double pixels_per_degree(int Display_Resolution, float Ratio) {
  return std::tan(kOneDegree) * Display_Resolution * static_cast<double>(Ratio);
}

}  // namespace

bool window_fits_in_int(int Display_Resolution, float Ratio) {
  // 2 · ppd − 1 must stay below 2^31.
  return pixels_per_degree(Display_Resolution, Ratio) < 1073741824.0;
}

ViewingGeometry compute_viewing_geometry(int Display_Resolution, float Ratio) {
  ViewingGeometry g;
  g.windowsize = 2 * static_cast<int>(pixels_per_degree(Display_Resolution, Ratio)) - 1;
  g.level_cutoff = static_cast<int>(std::tan(kOneDegree) / std::tan(kTwoAndAHalfArcminutes));
  bool start_chosen = false;
  for (int e = 1; e <= kMaxLevels; ++e) {
    const int level_size = 2 * static_cast<int>(std::floor(g.windowsize / std::ldexp(1.0, e))) + 1;
    if (level_size < 3) break;
    ++g.endlevel;
    if (level_size < g.level_cutoff && !start_chosen) {
      g.startlevel = e - 1;
      start_chosen = true;
    }
  }
  return g;
}

}  // namespace quorva
