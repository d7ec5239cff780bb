#include "support/bmp_writer.h"

#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace quorva::test {
namespace {

void put_le(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace

RgbImage uniform_image(int width, int height, std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  RgbImage image{width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height * 3)};
  for (std::size_t i = 0; i < image.rgb.size(); i += 3) {
    image.rgb[i] = red;
    image.rgb[i + 1] = green;
    image.rgb[i + 2] = blue;
  }
  return image;
}

RgbImage patterned_image(int width, int height, unsigned seed) {
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> phase(0, 255);
  const int p0 = phase(random), p1 = phase(random), p2 = phase(random);
  RgbImage image{width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height * 3)};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      std::uint8_t* p = image.at(x, y);
      p[0] = static_cast<std::uint8_t>((x * 3 + y + p0) % 256);
      p[1] = static_cast<std::uint8_t>((x + 2 * y + p1) % 256);
      p[2] = static_cast<std::uint8_t>((x * y / 7 + p2) % 256);
    }
  }
  return image;
}

std::vector<std::uint8_t> encode_bmp(const RgbImage& image, const BmpFileOptions& options) {
  const std::size_t pad = (4 - (3 * image.width) % 4) % 4;
  const std::size_t row_bytes = 3 * static_cast<std::size_t>(image.width) + pad;
  const std::size_t data_start = 54 + options.gap_after_header;
  std::vector<std::uint8_t> out(data_start + row_bytes * image.height, 0);
  put_le(out, 0, options.signature, 2);
  put_le(out, 2, static_cast<std::uint32_t>(out.size()), 4);
  put_le(out, 10, static_cast<std::uint32_t>(data_start), 4);
  put_le(out, 14, 40, 4);
  put_le(out, 18, static_cast<std::uint32_t>(image.width), 4);
  put_le(out, 22, static_cast<std::uint32_t>(options.negative_height ? -image.height : image.height), 4);
  put_le(out, 26, 1, 2);
  put_le(out, 28, options.bits_per_pixel, 2);
  put_le(out, 30, options.compression, 4);
  for (int y = 0; y < image.height; ++y) {
    std::uint8_t* row = &out[data_start + row_bytes * (image.height - 1 - y)];
    for (int x = 0; x < image.width; ++x) {
      const std::uint8_t* p = image.at(x, y);
      row[3 * x] = p[2];
      row[3 * x + 1] = p[1];
      row[3 * x + 2] = p[0];
    }
  }
  if (options.keep_bytes < out.size()) out.resize(options.keep_bytes);
  return out;
}

void write_file(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!file) throw std::runtime_error("cannot write " + path);
}

std::vector<std::uint8_t> read_file(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace quorva::test
