#include "bmp_image.h"

#include <gtest/gtest.h>

#include "support/bmp_writer.h"
#include "support/temp_dir.h"

namespace quorva {
namespace {

using test::BmpFileOptions;
using test::RgbImage;

std::vector<std::uint8_t> pixels_of(const RgbImage& image) { return image.rgb; }

class BmpImageTest : public testing::Test {
 protected:
  test::TempDir dir_;
};

struct PaddingCase {
  int width;
  int pad;
};

class BmpPaddingTest : public BmpImageTest, public testing::WithParamInterface<PaddingCase> {};

TEST_P(BmpPaddingTest, RowsFillWholeWordsBothWays) {
  const PaddingCase c = GetParam();
  EXPECT_EQ(bmp_row_padding(c.width), c.pad);

  BmpImage image;
  ASSERT_TRUE(image.Allocate(c.width, 3));
  for (std::size_t i = 0; i < image.pixels.size(); ++i) image.pixels[i] = static_cast<std::uint8_t>(i * 7 + 1);
  const std::string path = dir_.file("padded.bmp");
  ASSERT_TRUE(image.Save(path));
  const auto bytes = test::read_file(path);
  EXPECT_EQ(bytes.size(), 54u + 3u * (3u * c.width + c.pad));

  BmpImage loaded;
  ASSERT_TRUE(loaded.Load(path));
  EXPECT_EQ(loaded.width, c.width);
  EXPECT_EQ(loaded.height, 3);
  EXPECT_EQ(loaded.pixels, image.pixels);
}

INSTANTIATE_TEST_SUITE_P(Widths, BmpPaddingTest,
                         testing::Values(PaddingCase{1, 1}, PaddingCase{2, 2}, PaddingCase{3, 3},
                                         PaddingCase{4, 0}, PaddingCase{5, 1}));

TEST_F(BmpImageTest, SaveWritesTheHeaderAndBottomRowFirstInBlueGreenRed) {
  BmpImage image;
  ASSERT_TRUE(image.Allocate(3, 2));
  image.row_ptrs[0][0] = 10;  // top-left pixel: red 10, green 20, blue 30
  image.row_ptrs[0][1] = 20;
  image.row_ptrs[0][2] = 30;
  image.row_ptrs[1][0] = 40;  // bottom-left: red 40
  const std::string path = dir_.file("small.bmp");
  ASSERT_TRUE(image.Save(path));
  const auto b = test::read_file(path);
  ASSERT_EQ(b.size(), 78u);
  EXPECT_EQ(b[0], 'B');
  EXPECT_EQ(b[1], 'M');
  EXPECT_EQ(b[2] | b[3] << 8, 78);  // file size
  EXPECT_EQ(b[10], 54);             // pixel data offset
  EXPECT_EQ(b[14], 40);             // information header size
  EXPECT_EQ(b[18], 3);              // width
  EXPECT_EQ(b[22], 2);              // height
  EXPECT_EQ(b[26], 1);              // planes
  EXPECT_EQ(b[28], 24);             // bits per pixel
  // The bottom row comes first: its first pixel is blue 0, green 0, red 40.
  EXPECT_EQ(b[54], 0);
  EXPECT_EQ(b[56], 40);
  // The top row is the last row of the file, its pad bytes zero.
  EXPECT_EQ(b[66], 30);
  EXPECT_EQ(b[67], 20);
  EXPECT_EQ(b[68], 10);
  EXPECT_EQ(b[75] | b[76] | b[77], 0);
}

TEST_F(BmpImageTest, LoadDeliversRedGreenBlueWithTheTopRowFirst) {
  RgbImage picture = test::patterned_image(7, 5, 3);
  const std::string path = dir_.file("pattern.bmp");
  test::write_bmp(path, picture);
  BmpImage image;
  ASSERT_TRUE(image.Load(path));
  EXPECT_EQ(image.width, 7);
  EXPECT_EQ(image.height, 5);
  EXPECT_EQ(image.pixels, pixels_of(picture));
  EXPECT_EQ(image.row_ptrs[4][3 * 6 + 1], picture.at(6, 4)[1]);
}

TEST_F(BmpImageTest, ReadsPixelsFromTheStatedOffset) {
  RgbImage picture = test::patterned_image(6, 4, 8);
  BmpFileOptions options;
  options.gap_after_header = 70;
  const std::string path = dir_.file("gap.bmp");
  test::write_bmp(path, picture, options);
  BmpImage image;
  ASSERT_TRUE(image.Load(path));
  EXPECT_EQ(image.pixels, pixels_of(picture));
}

TEST_F(BmpImageTest, AFileCutShortLoadsWithTheMissingPixelsBlack) {
  RgbImage picture = test::uniform_image(4, 3, 200, 150, 100);
  BmpFileOptions options;
  options.keep_bytes = 54 + 12 + 6;  // the bottom row and half of the middle one
  const std::string path = dir_.file("cut.bmp");
  test::write_bmp(path, picture, options);
  BmpImage image;
  ASSERT_TRUE(image.Load(path));
  RgbImage expected = test::uniform_image(4, 3, 0, 0, 0);
  for (int x = 0; x < 4; ++x) std::copy_n(picture.at(x, 2), 3, expected.at(x, 2));
  for (int x = 0; x < 2; ++x) std::copy_n(picture.at(x, 1), 3, expected.at(x, 1));
  EXPECT_EQ(image.pixels, pixels_of(expected));
}

struct RefusalCase {
  const char* what;
  BmpFileOptions options;
  const char* reason_contains;
};

class BmpRefusalTest : public BmpImageTest, public testing::WithParamInterface<RefusalCase> {};

BmpFileOptions with(void (*change)(BmpFileOptions&)) {
  BmpFileOptions options;
  change(options);
  return options;
}

TEST_P(BmpRefusalTest, RefusesTheFileAndLeavesTheImageAsItWas) {
  const RefusalCase& c = GetParam();
  const std::string path = dir_.file("refused.bmp");
  test::write_bmp(path, test::uniform_image(5, 4, 1, 2, 3), c.options);

  BmpImage image;
  ASSERT_TRUE(image.Allocate(2, 2));
  image.pixels[0] = 77;
  std::string why;
  EXPECT_FALSE(image.Load(path, &why)) << c.what;
  EXPECT_NE(why.find(c.reason_contains), std::string::npos) << why;
  EXPECT_EQ(image.width, 2);
  EXPECT_EQ(image.height, 2);
  EXPECT_EQ(image.pixels[0], 77);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, BmpRefusalTest,
    testing::Values(RefusalCase{"8 bits", with([](BmpFileOptions& o) { o.bits_per_pixel = 8; }), "8 bits"},
                    RefusalCase{"16 bits", with([](BmpFileOptions& o) { o.bits_per_pixel = 16; }), "16 bits"},
                    RefusalCase{"32 bits", with([](BmpFileOptions& o) { o.bits_per_pixel = 32; }), "32 bits"},
                    RefusalCase{"compressed", with([](BmpFileOptions& o) { o.compression = 1; }), "compressed"},
                    RefusalCase{"signature", with([](BmpFileOptions& o) { o.signature = 0x4d42 + 1; }), "BM"},
                    RefusalCase{"top-down", with([](BmpFileOptions& o) { o.negative_height = true; }),
                                "negative"},
                    RefusalCase{"short header", with([](BmpFileOptions& o) { o.keep_bytes = 53; }),
                                "shorter than a BMP header"}));

TEST_F(BmpImageTest, RefusesHugeDimensionsBeforeAllocating) {
  // A 60-byte file that claims 100000 × 100000 pixels.
  auto bytes = test::encode_bmp(test::uniform_image(1, 1, 0, 0, 0));
  bytes.resize(60);
  for (int field : {18, 22}) {
    bytes[field] = 0xa0;  // 100000 = 0x186a0
    bytes[field + 1] = 0x86;
    bytes[field + 2] = 0x01;
  }
  const std::string path = dir_.file("huge.bmp");
  test::write_file(path, bytes);
  BmpImage image;
  std::string why;
  EXPECT_FALSE(image.Load(path, &why));
  EXPECT_NE(why.find("100000 x 100000"), std::string::npos) << why;
  EXPECT_TRUE(image.pixels.empty());
}

TEST_F(BmpImageTest, AMissingFileIsRefusedWithTheSystemsReason) {
  BmpImage image;
  std::string why;
  EXPECT_FALSE(image.Load(dir_.file("absent.bmp"), &why));
  EXPECT_EQ(why, "No such file or directory");
  EXPECT_EQ(image.width, 0);
  EXPECT_TRUE(image.pixels.empty());
}

TEST(BmpImage, AllocateGivesZeroedRowsAndRefusesImpossibleSizes) {
  BmpImage image;
  ASSERT_TRUE(image.Allocate(3, 4));
  EXPECT_EQ(image.pixels, std::vector<std::uint8_t>(36, 0));
  ASSERT_EQ(image.row_ptrs.size(), 4u);
  EXPECT_EQ(image.row_ptrs[2], image.pixels.data() + 18);
  EXPECT_FALSE(image.Allocate(-1, 4));
  EXPECT_FALSE(image.Allocate(BmpImage::kMaxSide + 1, 1));
  EXPECT_TRUE(image.pixels.empty());
}

TEST(BmpImage, SwapAndFlipRearrangeBytesAndRows) {
  BmpImage image;
  ASSERT_TRUE(image.Allocate(1, 3));
  const std::uint8_t bytes[] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
  std::copy(std::begin(bytes), std::end(bytes), image.pixels.begin());
  image.SwapRedBlue();
  EXPECT_EQ(image.pixels, (std::vector<std::uint8_t>{3, 2, 1, 6, 5, 4, 9, 8, 7}));
  image.FlipVertical();
  EXPECT_EQ(image.pixels, (std::vector<std::uint8_t>{9, 8, 7, 6, 5, 4, 3, 2, 1}));
  image.Release();
  EXPECT_TRUE(image.pixels.empty());
  EXPECT_TRUE(image.row_ptrs.empty());
}

}  // namespace
}  // namespace quorva
