#include "image_input.h"

#include <cstring>

namespace quorva {

bool read_image(const std::string& path, BmpImage& image, std::string& error) {
  std::string why;
  if (image.Load(path, &why)) return true;
  error = "cannot read image '" + path + "': " + why;
  return false;
}

BmpImage transposed(const BmpImage& source) {
  BmpImage result;
  result.Allocate(source.height, source.width);
  for (std::int32_t y = 0; y < source.height; ++y) {
    for (std::int32_t x = 0; x < source.width; ++x) {
      std::memcpy(result.row_ptrs[x] + 3 * y, source.row_ptrs[y] + 3 * x, 3);
    }
  }
  return result;
}

std::vector<float> to_float_colour_image(const BmpImage& image) {
  return std::vector<float>(image.pixels.begin(), image.pixels.end());
}

}  // namespace quorva
