// Host batch form of the colour check's window test. A pixel's colour difference does not depend on the
// window that sums it, so every difference is computed once, and the windows of neighbouring positions are
// summed side by side in the lanes of a vector, each lane adding its window's differences in the element
// form's order (column by column, down each column). The flags are the element form's, bit for bit.
#pragma once

#include <vector>

namespace quorva::host_forms {

void run_lumcolor_windows(int blocks, int block_size, const void* args);

// Floats a plane of colour differences holds beyond its last pixel, for the lanes that run past it.
constexpr int kDistancePadding = 16;

// The windowsize × windowsize sums of every position whose window lies inside the plane, row by row:
// (xsamples − windowsize + 1) per row, (ysamples − windowsize + 1) rows. `distances` holds xsamples × ysamples
// values and kDistancePadding more.
std::vector<float> window_sums(const std::vector<float>& distances, int xsamples, int ysamples, int windowsize);

}  // namespace quorva::host_forms
