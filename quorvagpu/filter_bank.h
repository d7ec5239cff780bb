// The pyramid's level sizes and low-pass filters. Level k keeps the frequencies of a window of
// level_windowsize(k) and weights them with a circular filter of radius windowsize / 2^(k+1) whose edge
// falls off along half a raised cosine, so the cutoff halves from one level to the next.
#pragma once

#include <vector>

namespace quorva {

// The most levels the program ever asks for.
constexpr int kMaxLevels = 10;

// Edge of the windows of level k: 2·⌊windowsize / 2^(k+1)⌋ + 1, the quotient rounded to float first.
int level_windowsize(int windowsize, int k);

// Radius of the filter of level k: windowsize / 2^(k+1), rounded to float but not floored.
float filter_radius(int windowsize, int k);

// The filter of level k, windowsize × windowsize floats row-major, centred on cell (h, h), h = windowsize / 2.
std::vector<float> radial_filter(int windowsize, int k);

// Moves the centre cell to (0, 0), the order of a discrete Fourier spectrum.
std::vector<float> to_fourier_order(const std::vector<float>& centred, int windowsize);

}  // namespace quorva
