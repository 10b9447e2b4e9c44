// Colour conversions of the viewer: table entries to screen order, 8-bit channels to the
// 5-bit channels of 16-bit bitmaps, the fixed colour chart and the palette view's grid.
#pragma once

#include <cstdint>

// Exchanges the red and blue bytes (0x00RRGGBB <-> 0x00BBGGRR); the top byte is dropped.
uint32_t VCOLOR_SwapRB(uint32_t c);
// 8-bit channel to 5 bits, rounded: (c8 * 31 + 127) / 255.
uint32_t VCOLOR_To5(uint32_t c8);
// 5-bit channel to 8 bits by bit replication (0 -> 0, 31 -> 255).
uint32_t VCOLOR_From5(uint32_t c5);
// 0x00RRGGBB to a 5-5-5 word (red bits 10-14, green 5-9, blue 0-4).
uint16_t VCOLOR_To555(uint32_t rgb);

// The colour chart: 32 x 16 pixels of 5-5-5 colours as 0xFFRRGGBB. For each k = 0..7
// (bit 0 red, bit 1 green, bit 2 blue) two rows: the colour from level 31 down to black,
// then the colour with its other channels rising from 0 to 31 (towards white).
constexpr int VCOLOR_CHART_WIDTH = 32;
constexpr int VCOLOR_CHART_HEIGHT = 16;
void VCOLOR_Chart(uint32_t out[VCOLOR_CHART_WIDTH * VCOLOR_CHART_HEIGHT]);

// Palette view: entry i is an 8 x 8 square at ((i mod 16) * 10 + 2, (i / 16) * 10 + 2).
struct PaletteCell {
  int left, top, right, bottom;  // right and bottom exclusive
};
PaletteCell VCOLOR_PaletteCell(int index);
// Entry under a client point, or -1.
int VCOLOR_PaletteIndexAt(int x, int y, int numColors);
// Outer size of a new palette view for numColors entries: 170 x (rows * 10 + 29).
int VCOLOR_PaletteOuterHeight(int numColors);
constexpr int VCOLOR_PALETTE_OUTER_WIDTH = 170;
// True when numColors selects the palette view (1 to 256), false for the colour chart.
bool VCOLOR_UsesPalette(int numColors);
