// Octree colour quantiser. Leaves sit at level 8 (one per exact colour) until the leaf
// count exceeds the maximum; then the most recently created inner node of the deepest
// level that still has inner nodes is merged into a leaf.
#pragma once

#include <cstdint>

#include "colour/colour_value.h"

struct ColorOctree;

// Null when memory runs out.
ColorOctree* OCTREE_Create(int maxColors, int depth);
// Returns false when a node could not be allocated (the tree stays consistent).
bool OCTREE_AddColor(ColorOctree* tree, unsigned red, unsigned green, unsigned blue);
// Adds `count` equal pixels at once; the same as `count` calls of OCTREE_AddColor.
bool OCTREE_AddColorN(ColorOctree* tree, unsigned red, unsigned green, unsigned blue, uint32_t count);
int OCTREE_GetLeafCount(const ColorOctree* tree);
// Most leaves the tree keeps before it merges colours.
int OCTREE_GetMaxColors(const ColorOctree* tree);
// Fills the leaves depth first, children in index order: average colour of each leaf
// (sums divided by the count, rounded down) and, when pCounts is given, its pixel count.
// Returns the number of leaves written (at most OCTREE_GetLeafCount).
int OCTREE_GetPalette(const ColorOctree* tree, ColorValue* pColors, uint32_t* pCounts);
void OCTREE_Delete(ColorOctree* tree);
