// Writes BMP files for tests, independently of the program's own writer, with knobs for the faults a
// reader must survive.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quorva::test {

// An image as the program holds it: red, green, blue, row 0 at the top.
struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;

  std::uint8_t* at(int x, int y) { return &rgb[(static_cast<std::size_t>(y) * width + x) * 3]; }
  const std::uint8_t* at(int x, int y) const { return &rgb[(static_cast<std::size_t>(y) * width + x) * 3]; }
};

RgbImage uniform_image(int width, int height, std::uint8_t red, std::uint8_t green, std::uint8_t blue);
// A smooth, seeded pattern with every channel in use.
RgbImage patterned_image(int width, int height, unsigned seed);

struct BmpFileOptions {
  std::uint16_t signature = 19778;
  std::uint16_t bits_per_pixel = 24;
  std::uint32_t compression = 0;
  bool negative_height = false;
  std::uint32_t gap_after_header = 0;  // bytes between the header and the pixel data
  std::size_t keep_bytes = SIZE_MAX;   // cut the file short after this many bytes
};

std::vector<std::uint8_t> encode_bmp(const RgbImage& image, const BmpFileOptions& options = {});
void write_file(const std::string& path, const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> read_file(const std::string& path);

inline void write_bmp(const std::string& path, const RgbImage& image, const BmpFileOptions& options = {}) {
  write_file(path, encode_bmp(image, options));
}

}  // namespace quorva::test
