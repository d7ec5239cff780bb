// The program run as a user runs it: a separate process on files the test writes.
#include <gtest/gtest.h>

#include <cmath>

#include "support/bmp_writer.h"
#include "support/program_run.h"
#include "support/temp_dir.h"

namespace quorva {
namespace {

using test::ProgramRun;
using test::run_quorva;

const char* const kUsage =
    "usage:\n QUORVA.exe bmp1 bmp2 -s Sampe_rate -l Highest_Lum -d Display_Resolution -r Ratio\n\n"
    "Optional parameters:\nSampe_rate:default is 2, will be automatically rounded to window size if input is "
    "very large \nHighest_Lum:default is 160(cd/m^2), should be highest luminance of current display setting "
    "\nDisplay_Resolution:default is 1280 \nRatio:default is 1.0, should be viewing distance divided by display "
    "width\n\n";
const char* const kDeviceLine = "Using device with major 1, minor 3 !\n";

class ProgramTest : public testing::Test {
 protected:
  // The images live in one folder and the program runs in another, so that anything it writes shows.
  std::string image(const std::string& name, const test::RgbImage& picture) {
    const std::string path = images_.file(name);
    test::write_bmp(path, picture);
    return path;
  }
  ProgramRun run(const std::vector<std::string>& arguments) {
    ProgramRun r = run_quorva(arguments, work_.path());
    EXPECT_TRUE(work_.entries().empty()) << "the program wrote into its working folder";
    return r;
  }
  void expect_images_folder_holds(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    EXPECT_EQ(images_.entries(), names) << "the program wrote beside its inputs";
  }

  test::TempDir images_;
  test::TempDir work_;
};

TEST_F(ProgramTest, WithoutTwoFileNamesPrintsTheUsage) {
  for (const auto& arguments : {std::vector<std::string>{}, std::vector<std::string>{"left.bmp"}}) {
    const ProgramRun r = run(arguments);
    EXPECT_EQ(r.exit_status, 2);
    EXPECT_EQ(r.out, std::string(kDeviceLine) + kUsage);
  }
}

TEST_F(ProgramTest, BadOptionsPrintTheUsageBeforeTouchingAnyFile) {
  const std::vector<std::vector<std::string>> bad{
      {"-s", "0"}, {"-s", "x"}, {"-d", "-1"}, {"-l", "-5"}, {"-r", "-0.5"}, {"-l", "nan"}, {"-r", "inf"},
      {"-d", "1280", "-s"}};
  for (const auto& options : bad) {
    std::vector<std::string> arguments{"missing1.bmp", "missing2.bmp"};
    arguments.insert(arguments.end(), options.begin(), options.end());
    const ProgramRun r = run(arguments);
    EXPECT_EQ(r.exit_status, 2) << options[0];
    EXPECT_EQ(r.out, std::string(kDeviceLine) + kUsage) << options[0];
  }
}

TEST_F(ProgramTest, AMissingFileIsNamedOnStandardError) {
  const std::string left = image("left.bmp", test::uniform_image(60, 80, 9, 9, 9));
  const std::string absent = images_.file("absent.bmp");
  const ProgramRun r = run({left, absent});
  EXPECT_EQ(r.exit_status, 1);
  EXPECT_EQ(r.err, "QUORVA: cannot read image '" + absent + "': No such file or directory\n");
  EXPECT_EQ(r.out, std::string(kDeviceLine) + "***********************\nMeasuring " + left + " " + absent +
                       "\nSample rate is 2\n");
}

TEST_F(ProgramTest, AFileThatIsNotA24BitBmpIsNamedOnStandardError) {
  const std::string left = images_.file("left.bmp");
  test::write_file(left, {'B', 'M', 0, 0});
  const std::string right = image("right.bmp", test::uniform_image(60, 80, 9, 9, 9));
  const ProgramRun r = run({left, right});
  EXPECT_EQ(r.exit_status, 1);
  EXPECT_EQ(r.err, "QUORVA: cannot read image '" + left + "': the file is shorter than a BMP header (54 bytes)\n");
}

TEST_F(ProgramTest, RefusesAPairOfDifferentSizes) {
  const std::string left = image("left.bmp", test::uniform_image(60, 80, 9, 9, 9));
  const std::string right = image("right.bmp", test::uniform_image(60, 81, 9, 9, 9));
  const ProgramRun r = run({left, right});
  EXPECT_EQ(r.exit_status, 1);
  EXPECT_EQ(r.err, "QUORVA: the images are not the same size: '" + left + "' is 60 x 80 pixels, '" + right +
                       "' is 60 x 81\n");
}

TEST_F(ProgramTest, RefusesViewingConditionsWithoutAUsableWindow) {
  const std::string left = image("left.bmp", test::uniform_image(60, 80, 9, 9, 9));
  const std::string right = image("right.bmp", test::uniform_image(60, 80, 9, 9, 9));
  for (const char* resolution : {"0", "114"}) {
    const ProgramRun r = run({left, right, "-d", resolution});
    EXPECT_EQ(r.exit_status, 2);
    EXPECT_NE(r.err.find("at least 3 are needed, so nothing can be judged"), std::string::npos) << r.err;
    EXPECT_EQ(r.out.find("QUORVA Result"), std::string::npos);
  }
}

TEST_F(ProgramTest, RefusesImagesSmallerThanOneWindow) {
  const std::string left = image("left.bmp", test::uniform_image(40, 50, 9, 9, 9));
  const std::string right = image("right.bmp", test::uniform_image(40, 50, 9, 9, 9));
  const ProgramRun r = run({left, right});
  EXPECT_EQ(r.exit_status, 2);
  EXPECT_EQ(r.err,
            "QUORVA: the images (40 x 50 pixels in portrait) are smaller than one analysis window of 43 x 43 "
            "pixels, so nothing can be judged\n");
}

TEST_F(ProgramTest, EchoesALandscapePairInPortraitWithoutWritingAnyFile) {
  const std::string left = image("left.bmp", test::patterned_image(640, 480, 1));
  const std::string right = image("right.bmp", test::patterned_image(640, 480, 1));
  const ProgramRun r = run({"left.bmp", "right.bmp"});  // relative to the working folder: not found there
  EXPECT_EQ(r.exit_status, 1);

  const ProgramRun landscape = run({left, right});
  EXPECT_EQ(landscape.out.rfind(std::string(kDeviceLine) + "***********************\nMeasuring " + left + " " +
                                    right + "\nSample rate is 2\nclos: 480    rows: 640\n\n",
                                0),
            0u)
      << landscape.out;
  EXPECT_EQ(landscape.exit_status, 0) << landscape.err;
  EXPECT_NE(landscape.out.find("The two input images can form a comfortable single vision."), std::string::npos)
      << "identical images pass both checks";
  expect_images_folder_holds({"left.bmp", "right.bmp"});
}

TEST_F(ProgramTest, UsesPortraitAndSquarePairsAsLoaded) {
  for (auto [width, height] : {std::pair{48, 64}, std::pair{50, 50}}) {
    // Black against white: the colour check decides at once.
    const std::string left = image("a b.bmp", test::uniform_image(width, height, 0, 0, 0));
    const std::string right = image("c.bmp", test::uniform_image(width, height, 255, 255, 255));
    const ProgramRun r = run({left, right, "-s", "100"});
    EXPECT_NE(r.out.find("Sample rate is 100\nclos: " + std::to_string(width) +
                         "    rows: " + std::to_string(height) + "\n\n"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("Sampe_rate=43\n"), std::string::npos) << "limited to the window";
    EXPECT_NE(r.out.find("can NOT form"), std::string::npos);
  }
  expect_images_folder_holds({"a b.bmp", "c.bmp"});
}

TEST_F(ProgramTest, AStrongColourCastOverMoreThanAWindowCanNotForm) {
  const test::RgbImage scene = test::patterned_image(120, 160, 4);
  test::RgbImage cast = scene;
  for (int y = 40; y < 110; ++y) {
    for (int x = 30; x < 100; ++x) cast.at(x, y)[2] = 255;  // a blue cast over 70 × 70 pixels
  }
  const ProgramRun r = run({image("left.bmp", scene), image("right.bmp", cast)});
  EXPECT_EQ(r.exit_status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  const std::string expected_end =
      "x_threads=2, y_threads=3\nSampe_rate=2\nHighest_Lum=160.000000\nDisplay_Resolution=1280\n"
      "Ratio=1.000000\nQUORVA assessment processing......\n\n\nQUORVA Result: \n The two input images can NOT "
      "form a comfortable single vision.\n\n\n\n";
  ASSERT_GE(r.out.size(), expected_end.size());
  EXPECT_EQ(r.out.substr(r.out.size() - expected_end.size()), expected_end);
}

// A grey scene with soft shading; `shift` moves the whole scene right by that many pixels.
test::RgbImage soft_scene(int width, int height, int shift) {
  test::RgbImage image = test::uniform_image(width, height, 0, 0, 0);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const int sx = x - shift;
      const int value = 90 + static_cast<int>(40 * std::sin(sx / 9.0) * std::cos(y / 13.0));
      std::uint8_t* p = image.at(x, y);
      p[0] = static_cast<std::uint8_t>(value + 10);
      p[1] = static_cast<std::uint8_t>(value);
      p[2] = static_cast<std::uint8_t>(value - 10);
    }
  }
  return image;
}

bool says_can_form(const ProgramRun& r) {
  return r.out.find("The two input images can form a comfortable single vision.") != std::string::npos;
}
bool says_can_not_form(const ProgramRun& r) {
  return r.out.find("The two input images can NOT form a comfortable single vision.") != std::string::npos;
}

TEST_F(ProgramTest, AHighContrastShapeSeenByOneEyeOnlyCanNotForm) {
  const test::RgbImage scene = soft_scene(126, 168, 0);
  test::RgbImage rivalry = scene;
  for (int y = 50; y < 70; ++y) {
    for (int x = 40; x < 44; ++x) std::fill_n(rivalry.at(x, y), 3, 0);  // a dark bar, 4 × 20 pixels
  }
  const ProgramRun r = run({image("left.bmp", scene), image("right.bmp", rivalry), "-d", "640"});
  EXPECT_EQ(r.exit_status, 0) << r.err;
  EXPECT_TRUE(says_can_not_form(r)) << r.out;
}

TEST_F(ProgramTest, OrdinaryDisparityOfASoftSceneCanForm) {
  const ProgramRun r =
      run({image("left.bmp", soft_scene(126, 168, 0)), image("right.bmp", soft_scene(126, 168, 2)), "-d", "640"});
  EXPECT_EQ(r.exit_status, 0) << r.err;
  EXPECT_TRUE(says_can_form(r)) << r.out;
}

}  // namespace
}  // namespace quorva
