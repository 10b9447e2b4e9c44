// "Reduce colors": an octree bounded to the wanted number of colours, its leaves
// (unsorted) as the palette, every pixel mapped to its nearest leaf colour.
#include "bitmap/reduce/colour_reduce.h"
#include "bitmap/reduce/octree.h"
#include "bitmap/reduce/pixel_access.h"

ImageDocument* IMAGE_ReduceColors(ImageDocument* doc, int numColors) {
  if (!doc) {
    IMAGE_Warning("Internal error : pBitmapOrg == NULL");
    return nullptr;
  }
  if (numColors < 1 || numColors > 256) return doc;
  ColorOctree* tree = OCTREE_Create(numColors, 8);
  if (!tree) return doc;
  if (!REDUCE_FeedOctree(tree, doc)) {
    OCTREE_Delete(tree);
    return doc;
  }
  const int num = OCTREE_GetPalette(tree, IMAGE_BestPalette.pColors, nullptr);
  OCTREE_Delete(tree);
  IMAGE_BestPalette.NumEntries = num;
  if (num < 1) return doc;
  return IMAGE_ConvertToPalette(num, doc, &IMAGE_BestPalette, 1);
}
