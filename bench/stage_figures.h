// Operation counts of the heavy stages, as the element form performs them, for rates against the peak.
#pragma once

#include "compare_workspace.h"

namespace quorva::bench {

// Multiplies and adds of the forward transform of one image at one sampling offset: twelve for every
// pixel of every window at every frequency a level reads.
double forward_transform_flops(const CompareWorkspace& ws);

// Adds of the colour check's window sums: one per pixel of every window that lies inside the image.
double window_sum_adds(const CompareWorkspace& ws);

}  // namespace quorva::bench
