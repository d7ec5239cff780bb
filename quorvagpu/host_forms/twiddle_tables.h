// Twiddle tables shared by every launch that needs them: a twiddle depends on the frequency and the position
// in the window, never on the window, the image or the sampling offset, so each table is made once per run.
#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "kernels/fourier_kernels.h"

namespace quorva::host_forms {

using TwiddleTable = std::shared_ptr<const std::vector<kernels::Twiddle>>;

// Forward twiddles of windows of W for each frequency (u, v) in turn: entry n · W² + c · W + r.
TwiddleTable forward_twiddle_table(int W, const std::vector<std::pair<int, int>>& frequencies);

// Inverse twiddles of band windows of w: entry ((p · w + q) · w + s) · w + t.
TwiddleTable inverse_twiddle_table(int w);

}  // namespace quorva::host_forms
