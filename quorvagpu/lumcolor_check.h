// The luminance-colour check: do the two eyes' images differ too much in colour anywhere?
#pragma once

#include "compare_workspace.h"

namespace quorva {

// Uploads both float colour images into the workspace (where the contour check finds them), converts them
// to CIELAB and flags every window position whose mean colour difference exceeds `threshold`. Returns the
// number of flagged positions, leaving out the last row and column of positions, or −1 when a copy failed.
int lumcolor_check(device::Backend& backend, CompareWorkspace& ws, const float* image0, const float* image1,
                   float threshold, int threads_per_block);

// The count over a result plane of clos × rows flags: positions inside the border with a flag above 100.
int count_lumcolor_flags(const CompareWorkspace& ws);

}  // namespace quorva
