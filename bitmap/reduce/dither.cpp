// "Dither to" a colour format: Floyd-Steinberg error diffusion in storage order (the
// bottom image row first, each row left to right), shares rounded toward zero and each
// neighbour channel clamped after every addition; then an exact "Convert to".
#include "bitmap/reduce/colour_reduce.h"
#include "bitmap/reduce/pixel_access.h"

namespace {

inline uint8_t clamp_add(uint8_t v, int add) {
  const int s = v + add;
  return static_cast<uint8_t>(s < 0 ? 0 : (s > 255 ? 255 : s));
}

// Adds e * weight / 16 per channel to the pixel at p and makes it opaque.
inline void spread(uint8_t* p, const int e[3], int weight) {
  p[0] = clamp_add(p[0], e[0] * weight / 16);
  p[1] = clamp_add(p[1], e[1] * weight / 16);
  p[2] = clamp_add(p[2], e[2] * weight / 16);
  p[3] = 0;
}

}  // namespace

ImageDocument* IMAGE_DitherToFormat(ImageDocument* doc, const ColorFormat* format) {
  if (!doc) {
    IMAGE_Warning("Internal error : No source bitmap. (hBitmap == 0)");
    return nullptr;
  }
  if (!format) return doc;
  ImageDocument* tc = IMAGE_ToTrueColor(doc);
  if (!tc) return doc;
  const int32_t w = tc->XSize, h = tc->YSize;
  tc->NumColorsUsed = 0;
  for (int32_t y = h - 1; y >= 0; --y) {
    uint8_t* row = IMAGE_GetRow(tc, y);
    uint8_t* above = y > 0 ? IMAGE_GetRow(tc, y - 1) : nullptr;
    for (int32_t x = 0; x < w; ++x) {
      uint8_t* p = row + 4 * static_cast<size_t>(x);
      const ColorValue old = REDUCE_LoadPixel(p);
      const ColorValue nw = format->pfIndex2Color(format->pfColor2Index(old)) & 0xFFFFFFu;
      REDUCE_StorePixel(p, nw);
      // e[] follows the byte order of the stored ColorValue (bits 0-7 first).
      const int e[3] = {static_cast<int>(COLOR_Red(old)) - static_cast<int>(COLOR_Red(nw)),
                        static_cast<int>(COLOR_Green(old)) - static_cast<int>(COLOR_Green(nw)),
                        static_cast<int>(COLOR_Blue(old)) - static_cast<int>(COLOR_Blue(nw))};
      if (e[0] == 0 && e[1] == 0 && e[2] == 0) {
        // Nothing to spread, but the neighbours still become opaque.
        if (x + 1 < w) p[7] = 0;
        if (above) {
          uint8_t* q = above + 4 * static_cast<size_t>(x);
          if (x > 0) q[-1] = 0;
          q[3] = 0;
          if (x + 1 < w) q[7] = 0;
        }
        continue;
      }
      if (x + 1 < w) spread(p + 4, e, 7);
      if (above) {
        uint8_t* q = above + 4 * static_cast<size_t>(x);
        if (x > 0) spread(q - 4, e, 3);
        spread(q, e, 5);
        if (x + 1 < w) spread(q + 4, e, 1);
      }
    }
  }
  return IMAGE_ConvertToFormat(tc, format);
}
