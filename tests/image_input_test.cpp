#include "image_input.h"

#include <gtest/gtest.h>

#include "support/bmp_writer.h"
#include "support/temp_dir.h"

namespace quorva {
namespace {

BmpImage image_of(const test::RgbImage& picture) {
  BmpImage image;
  image.Allocate(picture.width, picture.height);
  std::copy(picture.rgb.begin(), picture.rgb.end(), image.pixels.begin());
  return image;
}

TEST(Transposed, ReflectsAboutTheMainDiagonal) {
  const test::RgbImage picture = test::patterned_image(5, 3, 11);
  const BmpImage t = transposed(image_of(picture));
  ASSERT_EQ(t.width, 3);
  ASSERT_EQ(t.height, 5);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 5; ++x) {
      for (int c = 0; c < 3; ++c) EXPECT_EQ(t.row_ptrs[x][3 * y + c], picture.at(x, y)[c]);
    }
  }
  // The top-right pixel of the landscape image is the bottom-left one of the portrait result.
  EXPECT_EQ(t.row_ptrs[4][0], picture.at(4, 0)[0]);
}

TEST(FloatColourImage, HoldsRedGreenBlueOfEachPixelRowByRow) {
  test::RgbImage picture = test::uniform_image(4, 3, 0, 0, 0);
  picture.at(2, 1)[0] = 255;
  picture.at(2, 1)[1] = 7;
  picture.at(2, 1)[2] = 9;
  const std::vector<float> f = to_float_colour_image(image_of(picture));
  ASSERT_EQ(f.size(), 36u);
  EXPECT_EQ(f[(2 + 1 * 4) * 3 + 0], 255.0f);
  EXPECT_EQ(f[(2 + 1 * 4) * 3 + 1], 7.0f);
  EXPECT_EQ(f[(2 + 1 * 4) * 3 + 2], 9.0f);
}

TEST(ReadImage, NamesTheFileAndTheReason) {
  test::TempDir dir;
  const std::string path = dir.file("flat.bmp");
  test::BmpFileOptions options;
  options.bits_per_pixel = 8;
  test::write_bmp(path, test::uniform_image(2, 2, 1, 1, 1), options);
  BmpImage image;
  std::string error;
  EXPECT_FALSE(read_image(path, image, error));
  EXPECT_EQ(error, "cannot read image '" + path + "': 8 bits per pixel; only 24-bit images can be read");
}

}  // namespace
}  // namespace quorva
