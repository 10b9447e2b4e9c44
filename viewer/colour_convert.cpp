// Colour conversions, chart and palette geometry.
#include "viewer/colour_convert.h"

uint32_t VCOLOR_SwapRB(uint32_t c) { return (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF); }

uint32_t VCOLOR_To5(uint32_t c8) { return ((c8 & 0xFF) * 31 + 127) / 255; }

uint32_t VCOLOR_From5(uint32_t c5) { return (c5 & 31) << 3 | (c5 & 31) >> 2; }

uint16_t VCOLOR_To555(uint32_t rgb) {
  return uint16_t(VCOLOR_To5(rgb >> 16) << 10 | VCOLOR_To5(rgb >> 8) << 5 | VCOLOR_To5(rgb));
}

void VCOLOR_Chart(uint32_t out[VCOLOR_CHART_WIDTH * VCOLOR_CHART_HEIGHT]) {
  for (int k = 0; k < 8; ++k) {
    for (int col = 0; col < VCOLOR_CHART_WIDTH; ++col) {
      uint32_t down = 31 - uint32_t(col), up = uint32_t(col);
      uint32_t dark[3], light[3];
      for (int ch = 0; ch < 3; ++ch) {
        bool on = k >> ch & 1;
        dark[ch] = on ? down : 0;
        light[ch] = on ? 31 : up;
      }
      auto pack = [](const uint32_t c[3]) {
        return 0xFF000000u | VCOLOR_From5(c[0]) << 16 | VCOLOR_From5(c[1]) << 8 | VCOLOR_From5(c[2]);
      };
      out[(2 * k) * VCOLOR_CHART_WIDTH + col] = pack(dark);
      out[(2 * k + 1) * VCOLOR_CHART_WIDTH + col] = pack(light);
    }
  }
}

PaletteCell VCOLOR_PaletteCell(int index) {
  int left = (index % 16) * 10 + 2, top = (index / 16) * 10 + 2;
  return {left, top, left + 8, top + 8};
}

int VCOLOR_PaletteIndexAt(int x, int y, int numColors) {
  if (x < 2 || y < 2 || !VCOLOR_UsesPalette(numColors)) return -1;
  int col = (x - 2) / 10, row = (y - 2) / 10;
  if (col >= 16 || (x - 2) % 10 >= 8 || (y - 2) % 10 >= 8) return -1;
  int index = row * 16 + col;
  return index < numColors ? index : -1;
}

int VCOLOR_PaletteOuterHeight(int numColors) { return (numColors + 15) / 16 * 10 + 29; }

bool VCOLOR_UsesPalette(int numColors) { return numColors >= 1 && numColors <= 256; }
