#include "contour_check.h"

#include <gtest/gtest.h>
#include <omp.h>

#include <cstring>
#include <vector>

#include "kernel_catalogue.h"
#include "lumcolor_check.h"
#include "support/element_forms.h"
#include "support/faulty_backend.h"
#include "support/seeded_values.h"

namespace quorva {
namespace {

TEST(SamplingOffsets, Rate2OnWindow43) {
  const std::vector<SamplingOffset> offsets = sampling_offsets(43, 2);
  ASSERT_EQ(offsets.size(), 4u);
  const int expected[4][2] = {{0, 0}, {0, 21}, {21, 0}, {21, 21}};
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(offsets[k].ox, expected[k][0]) << k;
    EXPECT_EQ(offsets[k].oy, expected[k][1]) << k;
  }
  EXPECT_TRUE(sampling_offsets(43, 0).empty());
  EXPECT_EQ(sampling_offsets(43, 43).back().ox, 42);
}

TEST(PerWindowLaunch, CoversEveryWindowOnEveryDevice) {
  for (int windows : {1, 7, 8, 9, 1100, 4096, 4097, 4450, 100000}) {
    for (int limit : {64, 512, 1024}) {
      const LaunchShape shape = per_window_launch(windows, limit);
      EXPECT_LE(shape.block_size, limit) << windows;
      EXPECT_GE(1LL * shape.blocks * shape.block_size, windows) << windows;
      if (windows <= 8 * limit) {
        EXPECT_EQ(shape.blocks, 8) << windows;
      }
    }
  }
}

TEST(ContourCount, LeavesOutTheWindowsThatCanRunPastTheImage) {
  CompareWorkspace ws;
  ws.clos = 43 * 10;
  ws.rows = 43 * 6 + 5;
  ws.windowsize = 43;
  ws.x_threads = 10;
  ws.y_threads = 6;
  ws.host_result.assign(60, 255.0f);
  EXPECT_EQ(count_contour_flags(ws), 9 * 4);  // columns 0 to 8, rows 0 to 3
  ws.host_result.assign(60, 100.0f);
  EXPECT_EQ(count_contour_flags(ws), 0) << "100 is not above 100";
  ws.host_result.assign(60, 0.0f);
  ws.host_result[9] = 255.0f;           // last column
  ws.host_result[4 * 10 + 2] = 255.0f;  // row 4: the image is not a whole number of windows down
  EXPECT_EQ(count_contour_flags(ws), 0);
  ws.host_result[3 * 10 + 8] = 255.0f;
  EXPECT_EQ(count_contour_flags(ws), 1);
}

std::vector<float> grey(int clos, int rows, float value) {
  return std::vector<float>(static_cast<std::size_t>(clos) * rows * 3, value);
}

// Adds a dark bar, 3 pixels wide and 15 high unless told otherwise, with its top-left corner at (x, y).
std::vector<float> with_bar(std::vector<float> image, int clos, int x, int y, int width = 3, int height = 15) {
  for (int row = y; row < y + height; ++row) {
    for (int column = x; column < x + width; ++column) {
      for (int c = 0; c < 3; ++c) image[(row * clos + column) * 3 + c] = 0.0f;
    }
  }
  return image;
}

class ContourCheckTest : public testing::Test {
 protected:
  // Workspace and upload as the program makes them, for the viewing geometry of -d 640 (windows of 21).
  void prepare(const std::vector<float>& image0, const std::vector<float>& image1, int clos, int rows,
               int windowsize = 21, int endlevel = 4, int startlevel = 0) {
    testing::internal::CaptureStdout();
    ASSERT_TRUE(create_workspace(backend_, ws_, clos, rows, windowsize, endlevel, startlevel));
    testing::internal::GetCapturedStdout();
    ASSERT_EQ(lumcolor_check(backend_, ws_, image0.data(), image1.data(), 25.0f, 512), 0);
    backend_.launched.clear();
  }
  int check(int rate = 2) { return contour_check(backend_, ws_, 160.0f, 6.5f, 2.3f, rate, 512); }
  int merges() const { return static_cast<int>(std::count(backend_.launched.begin(), backend_.launched.end(), "Merge_lab_compare_cuda_kernel")); }
  void TearDown() override { release_workspace(backend_, ws_); }

  test::FaultyBackend backend_;
  CompareWorkspace ws_;
};

TEST_F(ContourCheckTest, IdenticalImagesPassAfterEveryOffset) {
  const int clos = 84, rows = 105;
  const std::vector<float> image = test::seeded_samples(static_cast<std::size_t>(clos) * rows * 3, 9);
  prepare(image, image, clos, rows);
  EXPECT_EQ(check(2), 0);
  EXPECT_EQ(merges(), 4);
}

TEST_F(ContourCheckTest, ABarSeenByOneEyeOnlyIsRivalry) {
  const int clos = 84, rows = 105;
  const std::vector<float> scene = grey(clos, rows, 128.0f);
  prepare(scene, with_bar(scene, clos, 30, 25), clos, rows);
  const int count = check(2);
  EXPECT_GE(count, 1);
  EXPECT_EQ(merges(), 1) << "the first offset already flags it";
  // The same with the eyes swapped.
  release_workspace(backend_, ws_);
  prepare(with_bar(scene, clos, 30, 25), scene, clos, rows);
  EXPECT_EQ(check(2), count);
}

TEST_F(ContourCheckTest, LaunchesInTheOrderOfTheMethod) {
  const int clos = 9, rows = 6;
  const std::vector<float> image = grey(clos, rows, 50.0f);
  prepare(image, image, clos, rows, 3, 1, 0);
  EXPECT_EQ(check(1), 0);
  std::vector<std::string> expected{"AverWindowLum_PerIT_cuda_kernel", "AverWindowLum_PerIT_cuda_kernel"};
  expected.insert(expected.end(), 2 * 9, "fourier_pyr_level0_cuda_kernel");
  for (int g = 0; g < 2; ++g) {
    expected.push_back("filter_fourier_pyr_levels_cuda_kernel");
    expected.push_back("Inv_fourier_pyr_levels_cuda_kernel");
  }
  expected.insert(expected.end(), {"rgb2lab_cuda_kernel", "rgb2lab_cuda_kernel", "lab_compare_perlevel_cuda_kernel",
                                   "Merge_lab_compare_cuda_kernel"});
  EXPECT_EQ(backend_.launched, expected);
}

TEST_F(ContourCheckTest, AUniformGreyGivesItsGreyAtEveryBandPixelOfEveryLevel) {
  // Windows of 21 with room to spare, so that every window of every offset lies inside the image.
  const int clos = 3 * 21 + 20, rows = 2 * 21 + 20;
  const float g = 90.0f;
  prepare(grey(clos, rows, g), grey(clos, rows, g), clos, rows);
  EXPECT_EQ(check(2), 0);
  for (int k = ws_.startlevel; k < ws_.endlevel; ++k) {
    const int w = ws_.level_table[k].level_windowsize;
    for (int eye = 0; eye < 2; ++eye) {
      const float* band = ws_.dev_pyr[eye] + ws_.level_table[k].level_offset;
      for (int p = 0; p < ws_.windows() * w * w; ++p) {
        for (int c : {0, 2, 4}) ASSERT_NEAR(band[6 * p + c], g, 0.02) << "level " << k << " pixel " << p;
      }
    }
  }
}

TEST_F(ContourCheckTest, TheLevelsReadNoFrequencyThatIsLeftOut) {
  // Windows of 43 with levels 1 to 4 used: only the frequencies of level 1 (21 of 43 per axis) are computed.
  const int clos = 2 * 43 + 10, rows = 43 + 5;
  const std::vector<float> image = test::seeded_samples(static_cast<std::size_t>(clos) * rows * 3, 31);
  prepare(image, image, clos, rows, 43, 5, 1);
  const std::vector<int> used = used_frequencies(ws_);
  ASSERT_EQ(used.size(), 21u);
  EXPECT_EQ(used.front(), 0);
  EXPECT_EQ(used[10], 10);
  EXPECT_EQ(used[11], 43 - 10);

  const int W = 43, windows = ws_.windows();
  const LaunchShape shape = per_window_launch(windows, 512);
  auto filter_all_levels = [&] {
    for (int k = ws_.startlevel; k < ws_.endlevel; ++k) {
      launch(backend_, catalogue::FilterLevels,
             shape.blocks, shape.block_size,
             kernels::LevelFilterArgs{shape.block_size, ws_.dev_rgbpyr[0], ws_.level_table[k].level_offset,
                                      ws_.dev_freq_filter[k], W, ws_.level_table[k].level_windowsize, windows});
    }
    return std::vector<float>(ws_.dev_rgbpyr[0] + W * W * windows * 6, ws_.dev_rgbpyr[0] + ws_.pyr_length);
  };
  for (int u = 0; u < W; ++u) {
    for (int v = 0; v < W; ++v) {
      launch(backend_, catalogue::FourierLevel0, shape.blocks, shape.block_size,
             kernels::ForwardTransformArgs{u, v, shape.block_size, ws_.dev_rgb[0], ws_.dev_rgbpyr[0], 0, W,
                                           ws_.x_threads, ws_.y_threads, clos, rows});
    }
  }
  const std::vector<float> from_every_frequency = filter_all_levels();
  auto is_used = [&](int j) { return std::find(used.begin(), used.end(), j) != used.end(); };
  for (int i = 0; i < windows; ++i) {
    for (int v = 0; v < W; ++v) {
      for (int u = 0; u < W; ++u) {
        if (is_used(u) && is_used(v)) continue;
        std::fill_n(ws_.dev_rgbpyr[0] + ((i * W + v) * W + u) * 6, 6, NAN);
      }
    }
  }
  const std::vector<float> from_used_frequencies = filter_all_levels();
  ASSERT_EQ(std::memcmp(from_every_frequency.data(), from_used_frequencies.data(),
                        from_every_frequency.size() * sizeof(float)), 0);
}

TEST_F(ContourCheckTest, EveryFloatTheStagesReadIsWrittenFirst) {
  const int clos = 84, rows = 105;
  const std::vector<float> scene = grey(clos, rows, 128.0f);
  prepare(scene, with_bar(scene, clos, 30, 25), clos, rows);
  auto results = [&] {
    std::vector<float> planes(ws_.dev_pyr[0], ws_.dev_pyr[0] + (ws_.endlevel - ws_.startlevel) * ws_.windows());
    planes.insert(planes.end(), ws_.dev_pyr[1], ws_.dev_pyr[1] + ws_.windows());
    for (int k = ws_.startlevel; k < ws_.endlevel; ++k) {
      const int w = ws_.level_table[k].level_windowsize;
      for (float* eye : {ws_.dev_pyr[0], ws_.dev_pyr[1]}) {
        const float* band = eye + ws_.level_table[k].level_offset;
        planes.insert(planes.end(), band, band + ws_.windows() * w * w * 6);
      }
    }
    return planes;
  };
  auto fill_pyramids = [&](float value) {
    for (float* buffer : {ws_.dev_pyr[0], ws_.dev_pyr[1], ws_.dev_rgbpyr[0], ws_.dev_rgbpyr[1]}) {
      std::fill_n(buffer, ws_.pyr_length, value);
    }
  };
  fill_pyramids(0.0f);
  const int count_from_zeros = check(1);
  const std::vector<float> from_zeros = results();
  fill_pyramids(NAN);
  EXPECT_EQ(check(1), count_from_zeros);
  EXPECT_GE(count_from_zeros, 1);
  const std::vector<float> from_garbage = results();
  ASSERT_EQ(std::memcmp(from_zeros.data(), from_garbage.data(), from_zeros.size() * sizeof(float)), 0)
      << "level planes, merged plane and band images";
}

TEST_F(ContourCheckTest, StartlevelEqualToEndlevelComparesNothing) {
  const int clos = 84, rows = 105;
  const std::vector<float> scene = grey(clos, rows, 128.0f);
  prepare(scene, with_bar(scene, clos, 30, 25), clos, rows, 21, 4, 4);
  EXPECT_EQ(check(2), 0);
  EXPECT_EQ(merges(), 4);
}

TEST_F(ContourCheckTest, AFailedCopyBackIsReported) {
  const int clos = 42, rows = 42;
  prepare(grey(clos, rows, 1.0f), grey(clos, rows, 1.0f), clos, rows);
  backend_.copies_to_host = 0;
  backend_.fail_copy_to_host_at = 1;
  testing::internal::CaptureStdout();
  EXPECT_EQ(check(2), -1);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "cudaMemcpy error!\n");
}

TEST_F(ContourCheckTest, ResultsAreTheSameWhateverTheNumberOfThreads) {
  const int clos = 4 * 21 + 11, rows = 5 * 21 + 3;
  std::vector<float> image0 = test::seeded_samples(static_cast<std::size_t>(clos) * rows * 3, 21);
  std::vector<float> image1 = image0;
  const std::vector<float> noise = test::seeded_floats(image1.size(), 22, -20, 20);
  for (std::size_t k = 0; k < image1.size(); ++k) image1[k] = std::min(255.0f, std::max(0.0f, image1[k] + noise[k]));
  prepare(image0, image1, clos, rows);

  std::vector<std::vector<float>> pyramids;
  for (int threads : {1, 2, 3}) {
    omp_set_num_threads(threads);
    check(1);
    std::vector<float> both(ws_.dev_pyr[0], ws_.dev_pyr[0] + ws_.pyr_length);
    both.insert(both.end(), ws_.dev_pyr[1], ws_.dev_pyr[1] + ws_.pyr_length);
    pyramids.push_back(std::move(both));
  }
  omp_set_num_threads(omp_get_num_procs());
  for (std::size_t t = 1; t < pyramids.size(); ++t) {
    ASSERT_EQ(std::memcmp(pyramids[0].data(), pyramids[t].data(), pyramids[0].size() * sizeof(float)), 0)
        << "level planes, merged plane and band images";
  }
}

struct FormsCase {
  int clos;
  int rows;
  int windowsize;
  int endlevel;
  int startlevel;
};

class FastFormsTest : public ContourCheckTest, public testing::WithParamInterface<FormsCase> {
 protected:
  struct Results {
    int lumcolor;
    std::vector<float> lumcolor_flags;
    int contour;
    std::vector<float> planes;  // level planes, merged plane and band images of the last offset run
  };

  Results run(const std::vector<float>& image0, const std::vector<float>& image1, int threads) {
    omp_set_num_threads(threads);
    Results r;
    r.lumcolor = lumcolor_check(backend_, ws_, image0.data(), image1.data(), 25.0f, 512);
    r.lumcolor_flags = ws_.host_result;
    r.contour = check(2);
    omp_set_num_threads(omp_get_num_procs());
    r.planes.assign(ws_.dev_pyr[0], ws_.dev_pyr[0] + (ws_.endlevel - ws_.startlevel) * ws_.windows());
    r.planes.insert(r.planes.end(), ws_.dev_pyr[1], ws_.dev_pyr[1] + ws_.windows());
    for (int k = ws_.startlevel; k < ws_.endlevel; ++k) {
      const int w = ws_.level_table[k].level_windowsize;
      for (float* eye : {ws_.dev_pyr[0], ws_.dev_pyr[1]}) {
        const float* band = eye + ws_.level_table[k].level_offset;
        r.planes.insert(r.planes.end(), band, band + ws_.windows() * w * w * 6);
      }
    }
    return r;
  }
};

TEST_P(FastFormsTest, GiveTheElementFormsResultsOnOneThreadAndOnSeveral) {
  const FormsCase c = GetParam();
  // Soft noise for both eyes, with a bar in one: some windows flagged, others not.
  std::vector<float> image0 = test::seeded_floats(static_cast<std::size_t>(c.clos) * c.rows * 3, 61, 100, 140);
  for (float& v : image0) v = std::floor(v);
  const int bar = c.windowsize / 7;
  const std::vector<float> image1 = with_bar(image0, c.clos, c.windowsize + 3, 4, bar, 5 * bar);
  prepare(image0, image1, c.clos, c.rows, c.windowsize, c.endlevel, c.startlevel);

  backend_.forms = &test::element_forms();
  const Results element = run(image0, image1, 2);
  backend_.forms = nullptr;
  const auto merged = element.planes.begin() + (ws_.endlevel - ws_.startlevel) * ws_.windows();
  EXPECT_NE(std::count(merged, merged + ws_.windows(), 255.0f), 0) << "the case should flag some window";
  for (int threads : {1, 2}) {
    const Results fast = run(image0, image1, threads);
    EXPECT_EQ(fast.lumcolor, element.lumcolor) << threads << " threads";
    EXPECT_EQ(fast.contour, element.contour) << threads << " threads";
    ASSERT_EQ(std::memcmp(fast.lumcolor_flags.data(), element.lumcolor_flags.data(),
                          element.lumcolor_flags.size() * sizeof(float)), 0) << threads << " threads";
    ASSERT_EQ(fast.planes.size(), element.planes.size());
    ASSERT_EQ(std::memcmp(fast.planes.data(), element.planes.data(), element.planes.size() * sizeof(float)), 0)
        << threads << " threads";
  }
}

// The geometries of -d 640 (every level used) and -d 1280 (the finest level left out), on images that are
// no whole number of windows, so that windows of later offsets reach past the image.
INSTANTIATE_TEST_SUITE_P(Geometries, FastFormsTest,
                         testing::Values(FormsCase{4 * 21 + 11, 3 * 21 + 5, 21, 4, 0},
                                         FormsCase{3 * 43 + 9, 2 * 43 + 20, 43, 5, 1}));

}  // namespace
}  // namespace quorva
