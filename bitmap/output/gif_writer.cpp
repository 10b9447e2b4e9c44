// GIF writer: header, logical screen, colour table, optional transparency, image.
#include "bitmap/output/gif_writer.h"

#include "bitmap/output/lzw_encoder.h"

namespace {

const uint8_t* row_of(const void* context, int32_t y) {
  return IMAGE_GetRow(static_cast<const ImageDocument*>(context), y);
}

int log2_of(int value) {
  int n = 0;
  while ((1 << n) < value) ++n;
  return n;
}

}  // namespace

int GIF_TableSize(int numColors) {
  if (numColors <= 2) return 2;
  int size = 4;
  while (size < numColors) size *= 2;
  return size;
}

bool GIF_Write(const ImageDocument* doc, OutWriter* w) {
  if (!doc || doc->BitsPerPixel != 8 || doc->NumColors < 1 || doc->NumColors > 256) return false;
  if (doc->XSize > 0xFFFF || doc->YSize > 0xFFFF) return false;
  const int tableSize = GIF_TableSize(doc->NumColors);
  const int sizeCode = log2_of(tableSize) - 1;
  OUT_Write(w, "GIF89a", 6);
  OUT_PutU16(w, static_cast<uint32_t>(doc->XSize));
  OUT_PutU16(w, static_cast<uint32_t>(doc->YSize));
  OUT_PutByte(w, static_cast<uint8_t>(0x80 | sizeCode << 4 | sizeCode));
  OUT_PutByte(w, 0);  // background colour index
  OUT_PutByte(w, 0);  // pixel aspect ratio
  for (int i = 0; i < tableSize; ++i) {
    const ColorValue c = i < doc->NumColors ? IMAGE_GetPalColor(doc, i) : 0xFFFFFFu;
    const uint8_t rgb[3] = {static_cast<uint8_t>(COLOR_Red(c)), static_cast<uint8_t>(COLOR_Green(c)),
                            static_cast<uint8_t>(COLOR_Blue(c))};
    OUT_Write(w, rgb, 3);
  }
  if (doc->HasTrans) {
    static const uint8_t kControl[8] = {0x21, 0xF9, 4, 1, 0, 0, 0, 0};
    OUT_Write(w, kControl, sizeof(kControl));
  }
  OUT_PutByte(w, 0x2C);
  OUT_PutU16(w, 0);
  OUT_PutU16(w, 0);
  OUT_PutU16(w, static_cast<uint32_t>(doc->XSize));
  OUT_PutU16(w, static_cast<uint32_t>(doc->YSize));
  OUT_PutByte(w, 0);
  const int minCodeSize = doc->NumColors > 2 ? sizeCode + 1 : 2;
  OUT_PutByte(w, static_cast<uint8_t>(minCodeSize));
  if (!LZW_Encode(w, minCodeSize, row_of, doc, doc->XSize, doc->YSize)) return false;
  OUT_PutByte(w, 0x3B);
  return !OUT_Failed(w);
}
