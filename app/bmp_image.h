// The program's in-memory 24-bit image, and its reading and writing as uncompressed BMP files.
// Pixels are kept red, green, blue with row 0 at the top; files hold blue, green, red, bottom row first.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quorva {

class BmpImage {
 public:
  // The largest image read: no display comes near, and every buffer size and index the checks derive
  // from it stays within a 32-bit int.
  static constexpr std::int32_t kMaxSide = 1 << 15;
  static constexpr std::int64_t kMaxPixels = std::int64_t{1} << 27;

  BmpImage() = default;
  BmpImage(const BmpImage&) = delete;
  BmpImage& operator=(const BmpImage&) = delete;
  BmpImage(BmpImage&&) = default;
  BmpImage& operator=(BmpImage&&) = default;

  // Fresh zero-filled storage for width × height pixels; false for sizes that cannot be held.
  bool Allocate(std::int32_t width, std::int32_t height);
  // Replaces the image with the one in the file; on failure the image is unchanged and, when `why` is
  // given, it says what is wrong with the file.
  bool Load(const std::string& path, std::string* why = nullptr);
  bool Save(const std::string& path) const;
  void SwapRedBlue();
  void FlipVertical();
  void Release();

  std::int32_t width = 0;
  std::int32_t height = 0;
  // width · height · 3 bytes, rows packed without padding; empty when there is no storage.
  std::vector<std::uint8_t> pixels;
  // Entry i points at row i of `pixels`.
  std::vector<std::uint8_t*> row_ptrs;
};

// Bytes that follow each row of 3 · width bytes in a file, so that rows fill whole 4-byte words.
inline int bmp_row_padding(std::int32_t width) { return (4 - (3 * width) % 4) % 4; }

}  // namespace quorva
