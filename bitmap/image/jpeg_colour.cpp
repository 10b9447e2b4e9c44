// JPEG colour output: YCbCr to RGB with 16-bit fixed-point tables (CCIR 601 constants
// rounded to the nearest 1/65536), chroma replicated over the luma samples it covers.
#include <cstring>

#include "bitmap/image/jpeg_internal.h"

namespace {

struct ColourTables {
  int32_t RedCr[256];
  int32_t BlueCb[256];
  int32_t GreenCr[256];
  int32_t GreenCb[256];
  uint8_t Clamp[256 * 3];  // Clamp[256 + v] is v limited to 0..255
  ColourTables() {
    for (int i = 0; i < 256; ++i) {
      const int32_t x = i - 128;
      RedCr[i] = (91881 * x + 32768) >> 16;    // 1.40200
      BlueCb[i] = (116130 * x + 32768) >> 16;  // 1.77200
      GreenCr[i] = -46802 * x;                 // 0.71414
      GreenCb[i] = -22554 * x + 32768;         // 0.34414, with the rounding term
    }
    for (int i = 0; i < 256 * 3; ++i) Clamp[i] = static_cast<uint8_t>(i < 256 ? 0 : i < 512 ? i - 256 : 255);
  }
};

const ColourTables s_tables;

}  // namespace

void jpeg_output_rows(JpegDecoder* d, uint32_t y0, uint32_t count) {
  const uint32_t width = d->Width;
  const uint8_t* clamp = s_tables.Clamp + 256;
  const JpegComponent& luma = d->Comp[0];
  for (uint32_t r = 0; r < count; ++r) {
    uint8_t* dst = IMAGE_GetRow(d->pDoc, static_cast<int32_t>(y0 + r));
    const uint8_t* py = luma.pPlane + r * luma.PlaneStride;
    if (d->Mode == JPEG_MODE_GREY) {
      for (uint32_t x = 0; x < width; ++x, dst += 4) {
        dst[0] = dst[1] = dst[2] = py[x];
        dst[3] = 0;
      }
      continue;
    }
    const uint32_t cr = r / d->Vmax;
    const uint8_t* pcb = d->Comp[1].pPlane + cr * d->Comp[1].PlaneStride;
    const uint8_t* pcr = d->Comp[2].pPlane + cr * d->Comp[2].PlaneStride;
    const int shift = d->Hmax == 2 ? 1 : 0;
    for (uint32_t x = 0; x < width; ++x, dst += 4) {
      const int y = py[x];
      const int cb = pcb[x >> shift];
      const int crv = pcr[x >> shift];
      dst[0] = clamp[y + s_tables.RedCr[crv]];
      dst[1] = clamp[y + ((s_tables.GreenCb[cb] + s_tables.GreenCr[crv]) >> 16)];
      dst[2] = clamp[y + s_tables.BlueCb[cb]];
      dst[3] = 0;
    }
  }
}
