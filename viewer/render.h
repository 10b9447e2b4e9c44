// Turning a display's pixels into screen pixels: the visible or virtual area as 32-bit
// rows (wrapped in place for 32-bit buffers, looked up through the colour table for
// indexed ones) and the zoomed copy with its grid, written pixel by pixel into a
// client-sized buffer so the grid costs nothing per grid line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "viewer/shmem.h"

// Rows of 0x??RRGGBB pixels (the top byte is ignored).
struct PixelSource {
  const uint32_t* pixels = nullptr;
  int width = 0, height = 0;
  ptrdiff_t strideWords = 0;
};

// The visible area (xSize x ySize at the live origin, bounded to the buffer) or the whole
// virtual buffer of an attached display. 32-bit buffers are referenced in place; indexed
// ones are converted into scratch. False for a detached display.
bool RENDER_LayerSource(const ShmemState* s, int display, bool virtualArea,
                        std::vector<uint32_t>* scratch, PixelSource* out);
// Origin of the visible area, bounded so the area stays inside the virtual buffer.
void RENDER_VisibleOrigin(const ShmemState* s, int display, int* xOrg, int* yOrg);

// Draws src from (scrollX, scrollY) at zoom into dst (dstWidth x dstHeight, 0xFFRRGGBB):
// each pixel a zoom x zoom square, black outside the image, and with grid on 1-pixel lines
// of gridColour (0xRRGGBB) at x = zoom, 2 zoom, ... and y = zoom, 2 zoom, ...
void RENDER_Zoom(const PixelSource& src, int scrollX, int scrollY, int zoom, bool grid,
                 uint32_t gridColour, uint32_t* dst, int dstWidth, int dstHeight,
                 ptrdiff_t dstStrideWords);
// What RENDER_Zoom draws at a client point: a grid line, black outside the image, or the
// image pixel (*x, *y).
enum RenderHit { RENDER_HIT_GRID, RENDER_HIT_OUTSIDE, RENDER_HIT_PIXEL };
RenderHit RENDER_HitTest(int width, int height, int scrollX, int scrollY, int zoom, bool grid,
                         int clientX, int clientY, int* x, int* y);
// The colour RENDER_Zoom writes at one client point (0xRRGGBB).
uint32_t RENDER_DrawnColourAt(const PixelSource& src, int scrollX, int scrollY, int zoom,
                              bool grid, uint32_t gridColour, int clientX, int clientY);
