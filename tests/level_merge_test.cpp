#include <gtest/gtest.h>

#include <vector>

#include "kernel_catalogue.h"

namespace quorva {
namespace {

// Merges planes given coarsest first, one window each.
float merge(std::vector<float> planes, int endlevel, int startlevel) {
  std::vector<float> out{-1.0f};
  kernels::LevelMergeArgs a{1, endlevel, startlevel, planes.data(), out.data(), 1, 1};
  catalogue::MergeLevels.entry.run_on_host(1, 1, &a);
  return out[0];
}

TEST(LevelMerge, KeepsTheFirstNonZeroValueFromTheCoarsestLevel) {
  EXPECT_EQ(merge({0, 0, 0}, 2, 0), 0.0f);
  EXPECT_EQ(merge({0, 0, 255}, 2, 0), 255.0f);  // only the finest level flags
  EXPECT_EQ(merge({0, 7, 3}, 2, 0), 7.0f);
  EXPECT_EQ(merge({255}, 3, 3), 255.0f);         // a single level is copied
  EXPECT_EQ(merge({0, 0, 255}, 3, 2), 0.0f);     // levels below startlevel are not read
}

TEST(LevelMerge, StartlevelAboveEndlevelReadsNothingAndWritesZero) {
  std::vector<float> out{-1.0f, -1.0f};
  kernels::LevelMergeArgs a{2, 1, 2, nullptr, out.data(), 2, 1};
  catalogue::MergeLevels.entry.run_on_host(1, 2, &a);
  EXPECT_EQ(out, (std::vector<float>{0.0f, 0.0f}));
}

TEST(LevelMerge, WorksOnEveryWindowOfThePlanes) {
  // Two levels of three windows: plane 0 (coarsest) then plane 1.
  std::vector<float> planes{0, 255, 0, 255, 0, 0}, out(4, -1.0f);
  kernels::LevelMergeArgs a{4, 1, 0, planes.data(), out.data(), 3, 1};
  catalogue::MergeLevels.entry.run_on_host(1, 4, &a);
  EXPECT_EQ(out, (std::vector<float>{255, 255, 0, -1}));
}

}  // namespace
}  // namespace quorva
