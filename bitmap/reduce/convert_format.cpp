// "Convert to" a colour format: a palette-based format gives a paletted document whose
// palette is the format's colours, a high- or true-colour format a true-colour
// document of the colours the format can express.
#include "bitmap/reduce/colour_reduce.h"
#include "bitmap/reduce/pixel_access.h"

static const char s_acNoSource[] = "Internal error : No source bitmap. (hBitmap == 0)";

ImageDocument* IMAGE_ConvertToFormat(ImageDocument* doc, const ColorFormat* format) {
  if (!doc) {
    IMAGE_Warning(s_acNoSource);
    return nullptr;
  }
  if (!format) return doc;
  const uint32_t mask = format->pfGetIndexMask();
  const int numColors = mask <= 255 ? static_cast<int>(mask) + 1 : 0;
  const bool trueColour = numColors == 0;
  ImageDocument* out = IMAGE_Create(doc->XSize, doc->YSize, numColors);
  if (!out) return doc;
  const int32_t w = doc->XSize, h = doc->YSize;
  if (doc->NumColors >= 1 && doc->NumColors <= 256) {
    ColorValue aPal[256];
    uint32_t aMap[256];
    IMAGE_GetPaletteMap(doc, aPal);
    for (int i = 0; i < 256; ++i) {
      aMap[i] = format->pfColor2Index(aPal[i]);
      if (trueColour) aMap[i] = format->pfIndex2Color(aMap[i]);
    }
    for (int32_t y = 0; y < h; ++y) {
      REDUCE_ProgressRow(REDUCE_acConvertRow, y + 1, h);
      const uint8_t* src = IMAGE_GetRow(doc, y);
      uint8_t* dst = IMAGE_GetRow(out, y);
      if (trueColour)
        for (int32_t x = 0; x < w; ++x) REDUCE_StorePixel(dst + 4 * static_cast<size_t>(x), aMap[src[x]]);
      else
        for (int32_t x = 0; x < w; ++x) dst[x] = static_cast<uint8_t>(aMap[src[x]]);
    }
  } else {
    const bool preserve = IMAGE_GetPreserveTrans() != 0;
    const uint32_t transValue = trueColour ? format->pfIndex2Color(0) : 0;
    // Runs of equal pixels reuse the previous answer.
    ColorValue last = REDUCE_LoadPixel(IMAGE_GetRow(doc, 0));
    uint32_t lastValue = format->pfColor2Index(last);
    if (trueColour) lastValue = format->pfIndex2Color(lastValue);
    for (int32_t y = 0; y < h; ++y) {
      REDUCE_ProgressRow(REDUCE_acConvertRow, y + 1, h);
      const uint8_t* src = IMAGE_GetRow(doc, y);
      uint8_t* dst = IMAGE_GetRow(out, y);
      for (int32_t x = 0; x < w; ++x) {
        const ColorValue c = REDUCE_LoadPixel(src + 4 * static_cast<size_t>(x));
        uint32_t v;
        if (preserve && (c >> 24) == 255) {
          v = transValue;
          out->HasTrans = 1;
        } else {
          if (c != last) {
            last = c;
            lastValue = format->pfColor2Index(c);
            if (trueColour) lastValue = format->pfIndex2Color(lastValue);
          }
          v = lastValue;
        }
        if (trueColour)
          REDUCE_StorePixel(dst + 4 * static_cast<size_t>(x), v);
        else
          dst[x] = static_cast<uint8_t>(v);
      }
    }
  }
  if (!trueColour)
    for (int i = 0; i < numColors; ++i) IMAGE_SetPalColor(out, i, format->pfIndex2Color(static_cast<uint32_t>(i)));
  IMAGE_Free(doc);
  IMAGE_Progress(REDUCE_acConversionDone);
  return out;
}
