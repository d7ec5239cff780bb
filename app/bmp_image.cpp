#include "bmp_image.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <new>

namespace quorva {
namespace {

constexpr int kHeaderBytes = 54;
constexpr std::uint16_t kSignature = 19778;  // "BM"

std::uint32_t read_le(const std::uint8_t* bytes, int count) {
  std::uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i) value = (value << 8) | bytes[i];
  return value;
}

void write_le(std::uint8_t* bytes, std::uint32_t value, int count) {
  for (int i = 0; i < count; ++i) bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

bool fail(std::string* why, std::string reason) {
  if (why) *why = std::move(reason);
  return false;
}

}  // namespace

bool BmpImage::Allocate(std::int32_t new_width, std::int32_t new_height) {
  Release();
  width = new_width;
  height = new_height;
  if (new_width < 0 || new_height < 0 || new_width > kMaxSide || new_height > kMaxSide ||
      std::int64_t{new_width} * new_height > kMaxPixels) {
    return false;
  }
  try {
    pixels.assign(static_cast<std::size_t>(new_width) * new_height * 3, 0);
    row_ptrs.resize(static_cast<std::size_t>(new_height));
  } catch (const std::bad_alloc&) {
    Release();
    return false;
  }
  for (std::int32_t i = 0; i < new_height; ++i) row_ptrs[i] = pixels.data() + std::size_t{3} * new_width * i;
  return true;
}

bool BmpImage::Load(const std::string& path, std::string* why) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return fail(why, std::strerror(errno));

  std::array<std::uint8_t, kHeaderBytes> header{};
  file.read(reinterpret_cast<char*>(header.data()), kHeaderBytes);
  if (file.gcount() < kHeaderBytes) return fail(why, "the file is shorter than a BMP header (54 bytes)");
  if (read_le(&header[0], 2) != kSignature) return fail(why, "not a BMP file (it does not start with \"BM\")");
  const std::uint32_t bits = read_le(&header[28], 2);
  if (bits != 24) return fail(why, std::to_string(bits) + " bits per pixel; only 24-bit images can be read");
  if (read_le(&header[30], 4) != 0) return fail(why, "compressed BMP; only uncompressed images can be read");

  const auto file_width = static_cast<std::int32_t>(read_le(&header[18], 4));
  const auto file_height = static_cast<std::int32_t>(read_le(&header[22], 4));
  if (file_width < 0 || file_height < 0) {
    return fail(why, "negative width or height (top-down BMP files are not supported)");
  }
  if (file_width > kMaxSide || file_height > kMaxSide || std::int64_t{file_width} * file_height > kMaxPixels) {
    return fail(why, std::to_string(file_width) + " x " + std::to_string(file_height) +
                         " pixels is more than this program reads (at most " + std::to_string(kMaxSide) +
                         " per side and " + std::to_string(kMaxPixels) + " in all)");
  }

  BmpImage loaded;
  if (!loaded.Allocate(file_width, file_height)) return fail(why, "not enough memory for the image");

  // Rows missing from a file cut short stay zero (black).
  file.clear();
  file.seekg(read_le(&header[10], 4));
  const int pad = bmp_row_padding(file_width);
  for (std::int32_t i = 0; i < file_height && file; ++i) {
    file.read(reinterpret_cast<char*>(loaded.row_ptrs[i]), std::streamsize{3} * file_width);
    file.ignore(pad);
  }
  loaded.SwapRedBlue();
  loaded.FlipVertical();
  *this = std::move(loaded);
  return true;
}

bool BmpImage::Save(const std::string& path) const {
  const int pad = bmp_row_padding(width);
  const std::size_t row_bytes = std::size_t{3} * width + pad;
  std::array<std::uint8_t, kHeaderBytes> header{};
  write_le(&header[0], kSignature, 2);
  write_le(&header[2], static_cast<std::uint32_t>(kHeaderBytes + row_bytes * height), 4);
  write_le(&header[10], kHeaderBytes, 4);
  write_le(&header[14], 40, 4);
  write_le(&header[18], static_cast<std::uint32_t>(width), 4);
  write_le(&header[22], static_cast<std::uint32_t>(height), 4);
  write_le(&header[26], 1, 2);
  write_le(&header[28], 24, 2);

  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) return false;
  file.write(reinterpret_cast<const char*>(header.data()), kHeaderBytes);
  std::vector<std::uint8_t> row(row_bytes, 0);
  for (std::int32_t i = height - 1; i >= 0; --i) {
    const std::uint8_t* source = row_ptrs[i];
    for (std::int32_t x = 0; x < width; ++x) {
      row[3 * x + 0] = source[3 * x + 2];
      row[3 * x + 1] = source[3 * x + 1];
      row[3 * x + 2] = source[3 * x + 0];
    }
    file.write(reinterpret_cast<const char*>(row.data()), static_cast<std::streamsize>(row_bytes));
  }
  file.close();
  return static_cast<bool>(file);
}

void BmpImage::SwapRedBlue() {
  for (std::size_t i = 0; i + 2 < pixels.size(); i += 3) std::swap(pixels[i], pixels[i + 2]);
}

void BmpImage::FlipVertical() {
  const std::size_t row_bytes = std::size_t{3} * width;
  for (std::int32_t i = 0, j = height - 1; i < j; ++i, --j) {
    std::swap_ranges(row_ptrs[i], row_ptrs[i] + row_bytes, row_ptrs[j]);
  }
}

void BmpImage::Release() {
  pixels.clear();
  pixels.shrink_to_fit();
  row_ptrs.clear();
  row_ptrs.shrink_to_fit();
}

}  // namespace quorva
