// Octree quantiser: merge order, rounding of averages, traversal order.
#include <gtest/gtest.h>

#include "bitmap/reduce/octree.h"

TEST(Octree, MergesNewestNodeOfDeepestLevelAndRoundsDown) {
  // White and (254,254,254) share a level-7 node, created after black's: it is merged.
  ColorOctree* t = OCTREE_Create(2, 8);
  OCTREE_AddColor(t, 0, 0, 0);
  OCTREE_AddColor(t, 255, 255, 255);
  OCTREE_AddColor(t, 254, 254, 254);
  ColorValue c[4];
  uint32_t n[4];
  ASSERT_EQ(OCTREE_GetPalette(t, c, n), 2);
  EXPECT_EQ(c[0], 0u);
  EXPECT_EQ(n[0], 1u);
  EXPECT_EQ(c[1], 0xFEFEFEu);  // (255 + 254) / 2 rounded down
  EXPECT_EQ(n[1], 2u);
  OCTREE_Delete(t);
}

TEST(Octree, SingleChildMergeDoesNotLowerTheCountSoTheNextNodeFollows) {
  // Black and (1,1,1) share a level-7 node; white's own level-7 node is newer but
  // merging its only child leaves three leaves, so the older node is merged too.
  ColorOctree* t = OCTREE_Create(2, 8);
  OCTREE_AddColor(t, 0, 0, 0);
  OCTREE_AddColor(t, 1, 1, 1);
  OCTREE_AddColor(t, 255, 255, 255);
  ColorValue c[4];
  uint32_t n[4];
  ASSERT_EQ(OCTREE_GetPalette(t, c, n), 2);
  EXPECT_EQ(c[0], 0u);  // (0 + 1) / 2
  EXPECT_EQ(n[0], 2u);
  EXPECT_EQ(c[1], 0xFFFFFFu);
  EXPECT_EQ(n[1], 1u);
  OCTREE_Delete(t);
}

TEST(Octree, LeavesComeInChildIndexOrderRedBitHighest) {
  ColorOctree* t = OCTREE_Create(16, 8);
  OCTREE_AddColor(t, 0x80, 0, 0);  // child 4 at the root
  OCTREE_AddColor(t, 0, 0, 0x80);  // child 1
  OCTREE_AddColor(t, 0, 0x80, 0);  // child 2
  OCTREE_AddColor(t, 0, 0, 0x01);  // child 0, deep
  ColorValue c[4];
  ASSERT_EQ(OCTREE_GetPalette(t, c, nullptr), 4);
  EXPECT_EQ(c[0], COLOR_Make(0, 0, 1));
  EXPECT_EQ(c[1], COLOR_Make(0, 0, 0x80));
  EXPECT_EQ(c[2], COLOR_Make(0, 0x80, 0));
  EXPECT_EQ(c[3], COLOR_Make(0x80, 0, 0));
  OCTREE_Delete(t);
}

TEST(Octree, OneColourMaximumEndsInTheRootAndRepeatedRunsEqualSingleInsertions) {
  ColorOctree* a = OCTREE_Create(1, 8);
  ColorOctree* b = OCTREE_Create(1, 8);
  const unsigned v[][3] = {{10, 20, 30}, {10, 20, 30}, {200, 0, 7}, {3, 3, 3}, {3, 3, 3}, {3, 3, 3}};
  for (const auto& p : v) OCTREE_AddColor(a, p[0], p[1], p[2]);
  OCTREE_AddColorN(b, 10, 20, 30, 2);
  OCTREE_AddColorN(b, 200, 0, 7, 1);
  OCTREE_AddColorN(b, 3, 3, 3, 3);
  ColorValue ca[2], cb[2];
  uint32_t na[2], nb[2];
  ASSERT_EQ(OCTREE_GetPalette(a, ca, na), 1);
  ASSERT_EQ(OCTREE_GetPalette(b, cb, nb), 1);
  // (10+10+200+9)/6 = 38, (40+0+9)/6 = 8, (60+7+9)/6 = 12
  EXPECT_EQ(ca[0], COLOR_Make(38, 8, 12));
  EXPECT_EQ(na[0], 6u);
  EXPECT_EQ(cb[0], ca[0]);
  EXPECT_EQ(nb[0], na[0]);
  OCTREE_Delete(a);
  OCTREE_Delete(b);
}
