// From the viewing conditions to the analysis window and the pyramid levels: the window spans about two
// degrees of visual angle, and levels are analysed from the first one whose window is below the size of
// one degree seen at 2.5 arcminutes per cell.
#pragma once

namespace quorva {

struct ViewingGeometry {
  int windowsize = 0;    // odd when positive
  int level_cutoff = 0;  // 24
  int endlevel = 0;      // number of pyramid levels, 0 to 10
  int startlevel = 0;    // first analysed level
};

ViewingGeometry compute_viewing_geometry(int Display_Resolution, float Ratio);

// Whether the window of these viewing conditions is an int at all.
bool window_fits_in_int(int Display_Resolution, float Ratio);

// The smallest window in which a contour can be compared.
constexpr int kMinimumWindowsize = 3;

}  // namespace quorva
