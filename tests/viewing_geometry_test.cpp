#include "viewing_geometry.h"

#include <gtest/gtest.h>

namespace quorva {
namespace {

struct GeometryCase {
  int resolution;
  float ratio;
  int windowsize;
  int endlevel;
  int startlevel;
};

class ViewingGeometryTest : public testing::TestWithParam<GeometryCase> {};

TEST_P(ViewingGeometryTest, WindowAndLevelsFollowTheViewingConditions) {
  const GeometryCase& c = GetParam();
  const ViewingGeometry g = compute_viewing_geometry(c.resolution, c.ratio);
  EXPECT_EQ(g.windowsize, c.windowsize);
  EXPECT_EQ(g.level_cutoff, 24);
  EXPECT_EQ(g.endlevel, c.endlevel);
  EXPECT_EQ(g.startlevel, c.startlevel);
}

INSTANTIATE_TEST_SUITE_P(WorkedCases, ViewingGeometryTest,
                         testing::Values(GeometryCase{1280, 1.0f, 43, 5, 1},   // the defaults
                                         GeometryCase{1920, 1.0f, 65, 6, 2},   // levels 65 33 17 9 5 3
                                         GeometryCase{800, 1.0f, 25, 4, 1},    // levels 25 13 7 3
                                         GeometryCase{640, 1.0f, 21, 4, 0},    // level 0 already small
                                         GeometryCase{1280, 0.5f, 21, 4, 0},   // the same through -r
                                         GeometryCase{115, 1.0f, 3, 1, 0},     // one level
                                         GeometryCase{114, 1.0f, 1, 0, 0},     // no level
                                         GeometryCase{0, 1.0f, -1, 0, 0},      // zero resolution
                                         GeometryCase{1280, 0.0f, -1, 0, 0},   // zero ratio
                                         GeometryCase{3840, 1.0f, 133, 7, 3}));  // 133 67 33 17 9 5 3

TEST(WindowFitsInInt, RefusesViewingConditionsWhoseWindowOverflows) {
  EXPECT_TRUE(window_fits_in_int(1280, 1.0f));
  EXPECT_TRUE(window_fits_in_int(2147483647, 1.0f));
  EXPECT_FALSE(window_fits_in_int(2147483647, 1e6f));
  EXPECT_FALSE(window_fits_in_int(1280, 3e38f));
}

}  // namespace
}  // namespace quorva
