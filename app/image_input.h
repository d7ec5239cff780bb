// Bringing the two eyes' images into the form the checks take.
#pragma once

#include <string>
#include <vector>

#include "bmp_image.h"

namespace quorva {

// Reads one eye's image. Every format the program reads goes through here; on failure `error` names the
// file and the reason.
bool read_image(const std::string& path, BmpImage& image, std::string& error);

// Reflection about the main diagonal: the pixel in row x, column y of the result is the pixel in row y,
// column x of the source. Applied to landscape pairs so that the checks always see portrait images.
BmpImage transposed(const BmpImage& source);

// Three floats per pixel (red, green, blue on 0–255), row-major, row 0 at the top.
std::vector<float> to_float_colour_image(const BmpImage& image);

}  // namespace quorva
