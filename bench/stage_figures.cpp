#include "stage_figures.h"

#include "contour_check.h"

namespace quorva::bench {

double forward_transform_flops(const CompareWorkspace& ws) {
  const double frequencies = static_cast<double>(used_frequencies(ws).size());
  const double pixels = static_cast<double>(ws.windowsize) * ws.windowsize;
  return frequencies * frequencies * pixels * ws.windows() * 12.0;
}

double window_sum_adds(const CompareWorkspace& ws) {
  const double across = ws.clos - ws.windowsize + 1;
  const double down = ws.rows - ws.windowsize + 1;
  return across * down * ws.windowsize * ws.windowsize;
}

}  // namespace quorva::bench
