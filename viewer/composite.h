// The composite of all layers: each composite pixel blends the layers from the bottom up
// (position, visibility, colour key, index-0 transparency, alpha in either convention,
// truncating blend) over display 0's background colour.
#pragma once

#include <cstdint>
#include <vector>

#include "viewer/shmem.h"

constexpr int COMPOSITE_MAX_SIDE = 4096;

struct CompositeBuffer {
  int width = 0, height = 0;
  std::vector<uint32_t> pixels;  // 0xFFRRGGBB, rows top to bottom
};

// Composite size from display 0's compositeSize (bits 0-15 width, 16-31 height); when it
// is 0 the visible size of display 0. Each side is bounded to COMPOSITE_MAX_SIDE.
void COMPOSITE_Size(const ShmemState* s, int* width, int* height);

// Renders the composite of displays 0 .. displayCount-1 into out, resizing it when the
// composite size changed. alphaConvention: 0 when alpha 0 is opaque, 1 when 255 is.
void COMPOSITE_Render(const ShmemState* s, int alphaConvention, CompositeBuffer* out);
