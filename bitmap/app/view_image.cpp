// Composition of the shown image.
#include "bitmap/app/view_image.h"

#include "bitmap/document/image.h"

namespace {

uint32_t to_rgb(ColorValue c) { return (COLOR_Red(c) << 16) | (COLOR_Green(c) << 8) | COLOR_Blue(c); }

ColorValue from_rgb(uint32_t rgb) { return COLOR_Make((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

}  // namespace

ColorValue VIEW_Background(int x, int y, int viewOption, ColorValue bkColor, int phase) {
  if (viewOption == 2) return bkColor & 0xFFFFFFu;
  const int parity = (x / VIEW_TILE_SIZE + y / VIEW_TILE_SIZE + phase) % 2;
  return from_rgb(parity ? VIEW_TILE_DARK : VIEW_TILE_LIGHT);
}

ColorValue VIEW_Blend(ColorValue color, ColorValue background) {
  const unsigned t = COLOR_Trans(color);
  if (t == 0) return color & 0xFFFFFFu;
  if (t == 255) return background & 0xFFFFFFu;
  auto mix = [t](unsigned c, unsigned b) { return (t * b + (255 - t) * c) / 256; };
  return COLOR_Make(mix(COLOR_Red(color), COLOR_Red(background)), mix(COLOR_Green(color), COLOR_Green(background)),
                    mix(COLOR_Blue(color), COLOR_Blue(background)));
}

std::vector<uint32_t> VIEW_Pixels(const ImageDocument* doc, int viewOption, ColorValue bkColor, int phase) {
  std::vector<uint32_t> out;
  if (!doc || doc->XSize <= 0 || doc->YSize <= 0) return out;
  out.resize((size_t)doc->XSize * (size_t)doc->YSize);
  ColorValue palette[256];
  const bool paletted = doc->NumColors > 0;
  if (paletted) IMAGE_GetPaletteMap(doc, palette);
  size_t i = 0;
  for (int32_t y = 0; y < doc->YSize; ++y) {
    const uint8_t* row = IMAGE_GetRow(doc, y);
    for (int32_t x = 0; x < doc->XSize; ++x) {
      ColorValue c;
      if (paletted) {
        c = palette[row[x]];
      } else {
        const uint8_t* p = row + 4 * (size_t)x;
        c = COLOR_Make(p[0], p[1], p[2], p[3]);
      }
      if (doc->HasAlpha) c = VIEW_Blend(c, VIEW_Background(x, y, viewOption, bkColor, phase));
      out[i++] = to_rgb(c);
    }
  }
  return out;
}
