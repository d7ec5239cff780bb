#include "filter_bank.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quorva {
namespace {

TEST(FilterBank, RadiiHalveFromLevelToLevelWithoutFlooring) {
  const float expected[] = {21.5f, 10.75f, 5.375f, 2.6875f, 1.34375f};
  const int sizes[] = {43, 21, 11, 5, 3};
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(filter_radius(43, k), expected[k]) << "level " << k;
    EXPECT_EQ(level_windowsize(43, k), sizes[k]) << "level " << k;
  }
}

TEST(FilterBank, Window9Level1FallsOffAlongARaisedCosine) {
  const std::vector<float> radial = radial_filter(9, 1);  // r = 2.25, t = 1.5
  auto at = [&](int di, int dj) { return radial[(4 + di) * 9 + (4 + dj)]; };
  for (int di = -1; di <= 1; ++di) {
    for (int dj = -1; dj <= 1; ++dj) EXPECT_EQ(at(di, dj), 1.0f) << di << "," << dj;
  }
  EXPECT_FLOAT_EQ(at(2, 0), 0.75f);
  EXPECT_NEAR(at(2, 1), 0.5146, 5e-5);                      // distance √5
  EXPECT_NEAR(at(2, 2), 0.03194, 5e-6);                     // distance √8
  EXPECT_NEAR(at(3, 0), 7.216e-16, 1e-19);                  // cos(3.1415926) is not quite −1
  EXPECT_EQ(at(3, 1), 0.0f);
  EXPECT_EQ(at(4, 4), 0.0f);
  EXPECT_EQ(at(-2, 0), at(2, 0));
  EXPECT_EQ(at(0, -2), at(2, 0));
}

TEST(FilterBank, ReorderingPutsTheCentreAtTheCorner) {
  const std::vector<float> reordered = to_fourier_order(radial_filter(9, 1), 9);
  const float row0[] = {1.0f, 1.0f, 0.75f, 7.216e-16f, 0.0f, 0.0f, 7.216e-16f, 0.75f, 1.0f};
  for (int j = 0; j < 9; ++j) EXPECT_NEAR(reordered[j], row0[j], 1e-19 + 1e-7 * row0[j]) << "column " << j;
  // Symmetric in both axes and between them.
  for (int i = 1; i < 9; ++i) {
    for (int j = 1; j < 9; ++j) {
      EXPECT_EQ(reordered[i * 9 + j], reordered[(9 - i) * 9 + j]);
      EXPECT_EQ(reordered[i * 9 + j], reordered[j * 9 + i]);
    }
  }
}

TEST(FilterBank, ACellExactlyAtTheInnerEdgeGetsOne) {
  // Window 9, level 0: r = 4.5 and t = 3, so the inner edge lies at distance 3, on the grid.
  const std::vector<float> radial = radial_filter(9, 0);
  EXPECT_EQ(radial[4 * 9 + 1], 1.0f);
  EXPECT_LT(radial[4 * 9 + 0], 1.0f);
}

TEST(FilterBank, EveryLevelPassesTheZeroFrequency) {
  for (int windowsize : {3, 9, 21, 43, 65, 133}) {
    for (int k = 0; level_windowsize(windowsize, k) >= 3; ++k) {
      EXPECT_EQ(to_fourier_order(radial_filter(windowsize, k), windowsize)[0], 1.0f) << windowsize << " " << k;
    }
  }
}

}  // namespace
}  // namespace quorva
