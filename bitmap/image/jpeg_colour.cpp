// JPEG colour output: YCbCr to RGB with 16-bit fixed-point tables (CCIR 601 constants
// rounded to the nearest 1/65536), chroma replicated over the luma samples it covers.
#include <cstring>

#include "bitmap/image/jpeg_internal.h"

namespace {

inline uint8_t clamp255(int32_t v) { return static_cast<uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v); }

// One row: the conversion is plain arithmetic so that it vectorises. The constants are
// 1.40200, 0.34414, 0.71414 and 1.77200 in units of 1/65536.
template <int Shift>
inline __attribute__((always_inline)) void convert_row(const uint8_t* py, const uint8_t* pcb, const uint8_t* pcr, uint8_t* dst, uint32_t width) {
  for (uint32_t x = 0; x < width; ++x) {
    const int32_t y = py[x];
    const int32_t cb = pcb[x >> Shift] - 128;
    const int32_t cr = pcr[x >> Shift] - 128;
    dst[4 * x + 0] = clamp255(y + ((91881 * cr + 32768) >> 16));
    dst[4 * x + 1] = clamp255(y + ((-22554 * cb + 32768 - 46802 * cr) >> 16));
    dst[4 * x + 2] = clamp255(y + ((116130 * cb + 32768) >> 16));
    dst[4 * x + 3] = 0;
  }
}

}  // namespace

static inline __attribute__((always_inline)) void output_rows(JpegDecoder* d, uint32_t y0, uint32_t count) {
  const uint32_t width = d->Width;
  const JpegComponent& luma = d->Comp[0];
  for (uint32_t r = 0; r < count; ++r) {
    uint8_t* dst = IMAGE_GetRow(d->pDoc, static_cast<int32_t>(y0 + r));
    const uint8_t* py = luma.pPlane + r * luma.PlaneStride;
    if (d->Mode == JPEG_MODE_GREY) {
      for (uint32_t x = 0; x < width; ++x) {
        dst[4 * x] = dst[4 * x + 1] = dst[4 * x + 2] = py[x];
        dst[4 * x + 3] = 0;
      }
      continue;
    }
    // Chroma is replicated: each sample serves Hmax x Vmax luma samples.
    const uint32_t cr = r / d->Vmax;
    const uint8_t* pcb = d->Comp[1].pPlane + cr * d->Comp[1].PlaneStride;
    const uint8_t* pcr = d->Comp[2].pPlane + cr * d->Comp[2].PlaneStride;
    if (d->Hmax == 2)
      convert_row<1>(py, pcb, pcr, dst, width);
    else
      convert_row<0>(py, pcb, pcr, dst, width);
  }
}

// Built twice: for AVX2 where the processor has it, and generic; both give the same values.
__attribute__((target("avx2"))) static void output_rows_avx2(JpegDecoder* d, uint32_t y0, uint32_t count) {
  output_rows(d, y0, count);
}

static void output_rows_generic(JpegDecoder* d, uint32_t y0, uint32_t count) { output_rows(d, y0, count); }

void jpeg_output_rows(JpegDecoder* d, uint32_t y0, uint32_t count) {
  (jpeg_use_avx2 ? output_rows_avx2 : output_rows_generic)(d, y0, count);
}
