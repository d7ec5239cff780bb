#include "compare_workspace.h"

#include <gtest/gtest.h>

#include "support/faulty_backend.h"

namespace quorva {
namespace {

class CompareWorkspaceTest : public testing::Test {
 protected:
  void TearDown() override { release_workspace(backend_, ws_); }

  test::FaultyBackend backend_;
  CompareWorkspace ws_;
};

TEST_F(CompareWorkspaceTest, Window43HasFiveLevelsWithFiltersForTheUsedOnes) {
  testing::internal::CaptureStdout();
  ASSERT_TRUE(create_workspace(backend_, ws_, 430, 263, 43, 5, 1));
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "x_threads=10, y_threads=6\n");
  const int n = 60;
  const int sizes[] = {43, 21, 11, 5, 3};
  for (int k = 0; k < 5; ++k) EXPECT_EQ(ws_.level_table[k].level_windowsize, sizes[k]);
  EXPECT_EQ(ws_.level_table[0].level_offset, 0);
  EXPECT_EQ(ws_.level_table[1].level_offset, 43 * 43 * n * 6);
  EXPECT_EQ(ws_.level_table[2].level_offset, (43 * 43 + 21 * 21) * n * 6);
  EXPECT_EQ(ws_.level_table[3].level_offset, (43 * 43 + 21 * 21 + 11 * 11) * n * 6);
  EXPECT_EQ(ws_.level_table[4].level_offset, (43 * 43 + 21 * 21 + 11 * 11 + 5 * 5) * n * 6);
  EXPECT_EQ(ws_.pyr_length, 15u * 43 * 43 * n);
  EXPECT_GE(ws_.pyr_length, static_cast<std::size_t>(ws_.level_table[4].level_offset) + 3 * 3 * n * 6);
  EXPECT_EQ(ws_.dev_freq_filter[0], nullptr);
  for (int k = 1; k < 5; ++k) EXPECT_NE(ws_.dev_freq_filter[k], nullptr);
  EXPECT_EQ(ws_.dev_freq_filter[5], nullptr);
  EXPECT_EQ(backend_.mallocs, 5 + 6 + 4);
  EXPECT_EQ(ws_.dev_freq_filter[1][0], 1.0f);  // the uploaded filter, in Fourier order

  release_workspace(backend_, ws_);
  EXPECT_EQ(backend_.frees_of_non_null, 15);  // everything, filters of levels 1 to 4 included
}

TEST_F(CompareWorkspaceTest, TheColourResultPlaneStartsZero) {
  testing::internal::CaptureStdout();
  ASSERT_TRUE(create_workspace(backend_, ws_, 50, 60, 9, 2, 0));
  testing::internal::GetCapturedStdout();
  for (std::size_t i = 0; i < ws_.pixel_floats(); ++i) ASSERT_EQ(ws_.dev_result[i], 0.0f);
  EXPECT_EQ(ws_.host_result.size(), 3000u);
}

TEST_F(CompareWorkspaceTest, StartlevelEqualToEndlevelNeedsNoFilter) {
  testing::internal::CaptureStdout();
  ASSERT_TRUE(create_workspace(backend_, ws_, 100, 100, 21, 4, 4));
  testing::internal::GetCapturedStdout();
  for (int k = 0; k < kMaxLevels; ++k) {
    EXPECT_EQ(ws_.dev_freq_filter[k], nullptr);
    EXPECT_EQ(ws_.level_table[k].level_offset, 0);
  }
}

TEST_F(CompareWorkspaceTest, AnImageSmallerThanTheWindowHasNoWindows) {
  testing::internal::CaptureStdout();
  ASSERT_TRUE(create_workspace(backend_, ws_, 40, 100, 43, 5, 1));
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "x_threads=0, y_threads=2\n");
  EXPECT_EQ(ws_.windows(), 0);
  EXPECT_EQ(ws_.pyr_length, 0u);
}

TEST_F(CompareWorkspaceTest, EveryFailedAllocationStopsCreationWithItsMessage) {
  const int allocations = 5 + 6 + 4;  // colour planes, pyramids and luminances, four filters
  for (int failing = 1; failing <= allocations; ++failing) {
    test::FaultyBackend backend;
    backend.fail_malloc_at = failing;
    CompareWorkspace ws;
    testing::internal::CaptureStdout();
    EXPECT_FALSE(create_workspace(backend, ws, 430, 263, 43, 5, 1));
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("cudaMalloc error, please configure your cuda device!\n"), std::string::npos) << failing;
    EXPECT_EQ(backend.mallocs, failing);
    release_workspace(backend, ws);
    EXPECT_EQ(backend.frees_of_non_null, failing - 1) << "what was allocated is released";
  }
}

TEST_F(CompareWorkspaceTest, AFailedFilterUploadStopsCreation) {
  backend_.fail_copy_to_device_at = 2;
  testing::internal::CaptureStdout();
  EXPECT_FALSE(create_workspace(backend_, ws_, 430, 263, 43, 5, 1));
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "x_threads=10, y_threads=6\nCUDA Memcpy error\n");
  EXPECT_EQ(backend_.copies_to_device, 2);
}

TEST_F(CompareWorkspaceTest, RefusesAGeometryWhoseBuffersTheKernelsCannotIndex) {
  testing::internal::CaptureStderr();
  EXPECT_FALSE(create_workspace(backend_, ws_, 32768, 32768, 43, 5, 1));
  EXPECT_NE(testing::internal::GetCapturedStderr().find("QUORVA: cannot build a comparison workspace"),
            std::string::npos);
  EXPECT_EQ(backend_.mallocs, 0);
}

}  // namespace
}  // namespace quorva
