// JPEG colour output: YCbCr to RGB with 16-bit fixed-point tables (CCIR 601 constants
// rounded to the nearest 1/65536), chroma replicated over the luma samples it covers.
#include <bit>
#include <cstring>

#include "bitmap/formats/jpeg/jpeg_internal.h"

namespace {

inline uint8_t clamp255(int32_t v) { return static_cast<uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v); }

// Red, green and blue offsets of one row of chroma samples, widened to luma resolution
// (each sample repeated 1 << shift times). The constants are 1.40200, 0.34414, 0.71414
// and 1.77200 in units of 1/65536; plain arithmetic so that the loops vectorise. terms
// holds 6 arrays of stride entries: the three results, then room for chroma resolution.
inline __attribute__((always_inline)) void chroma_terms(const uint8_t* __restrict pcb, const uint8_t* __restrict pcr,
                                                        int shift, uint32_t width, int16_t* __restrict terms,
                                                        size_t stride) {
  const uint32_t n = shift ? (width + 1) / 2 : width;
  int16_t* __restrict hr = shift ? terms + 3 * stride : terms;
  int16_t* __restrict hg = hr + stride;
  int16_t* __restrict hb = hg + stride;
  for (uint32_t i = 0; i < n; ++i) {
    const int32_t cb = pcb[i] - 128;
    const int32_t cr = pcr[i] - 128;
    hr[i] = static_cast<int16_t>((91881 * cr + 32768) >> 16);
    hg[i] = static_cast<int16_t>((-22554 * cb + 32768 - 46802 * cr) >> 16);
    hb[i] = static_cast<int16_t>((116130 * cb + 32768) >> 16);
  }
  if (!shift) return;
  int16_t* __restrict tr = terms;
  int16_t* __restrict tg = terms + stride;
  int16_t* __restrict tb = terms + 2 * stride;
  for (uint32_t i = 0; i < n; ++i) {
    tr[2 * i] = tr[2 * i + 1] = hr[i];
    tg[2 * i] = tg[2 * i + 1] = hg[i];
    tb[2 * i] = tb[2 * i + 1] = hb[i];
  }
}

typedef int32_t Lanes __attribute__((vector_size(32)));
typedef int16_t Lanes16 __attribute__((vector_size(16)));
typedef uint8_t Lanes8 __attribute__((vector_size(8)));

static_assert(std::endian::native == std::endian::little, "pixels are stored as little-endian words");

// Pixels as little-endian words red | green << 8 | blue << 16 (transparency 0), 8 at a time.
inline __attribute__((always_inline)) void convert_row(const uint8_t* __restrict py, const int16_t* __restrict terms,
                                                       size_t stride, uint8_t* __restrict dst, uint32_t width) {
  const int16_t* __restrict tr = terms;
  const int16_t* __restrict tg = terms + stride;
  const int16_t* __restrict tb = terms + 2 * stride;
  uint32_t x = 0;
  for (; x + 8 <= width; x += 8) {
    Lanes8 y8;
    Lanes16 r16, g16, b16;
    std::memcpy(&y8, py + x, sizeof(y8));
    std::memcpy(&r16, tr + x, sizeof(r16));
    std::memcpy(&g16, tg + x, sizeof(g16));
    std::memcpy(&b16, tb + x, sizeof(b16));
    const Lanes y = __builtin_convertvector(y8, Lanes);
    Lanes r = y + __builtin_convertvector(r16, Lanes);
    Lanes g = y + __builtin_convertvector(g16, Lanes);
    Lanes b = y + __builtin_convertvector(b16, Lanes);
    r = r < 0 ? 0 : r > 255 ? 255 : r;
    g = g < 0 ? 0 : g > 255 ? 255 : g;
    b = b < 0 ? 0 : b > 255 ? 255 : b;
    const Lanes px = r | g << 8 | b << 16;
    std::memcpy(dst + 4 * x, &px, sizeof(px));
  }
  for (; x < width; ++x) {
    const int32_t y = py[x];
    dst[4 * x + 0] = clamp255(y + tr[x]);
    dst[4 * x + 1] = clamp255(y + tg[x]);
    dst[4 * x + 2] = clamp255(y + tb[x]);
    dst[4 * x + 3] = 0;
  }
}

}  // namespace

static inline __attribute__((always_inline)) void output_rows(JpegDecoder* d, uint32_t y0, uint32_t count) {
  const uint32_t width = d->Width;
  const JpegComponent& luma = d->Comp[0];
  uint32_t termsRow = ~0u;
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
    if (cr != termsRow) {
      chroma_terms(d->Comp[1].pPlane + cr * d->Comp[1].PlaneStride, d->Comp[2].pPlane + cr * d->Comp[2].PlaneStride,
                   d->Hmax == 2, width, d->pChromaTerms, d->TermsStride);
      termsRow = cr;
    }
    convert_row(py, d->pChromaTerms, d->TermsStride, dst, width);
  }
}
static void output_rows_generic(JpegDecoder* d, uint32_t y0, uint32_t count) { output_rows(d, y0, count); }

#if defined(__x86_64__)
// Built twice on x86-64: for AVX2 where the processor has it, and generic; both give the
// same values.
__attribute__((target("avx2"))) static void output_rows_avx2(JpegDecoder* d, uint32_t y0, uint32_t count) {
  output_rows(d, y0, count);
}

void jpeg_output_rows(JpegDecoder* d, uint32_t y0, uint32_t count) {
  (jpeg_use_avx2 ? output_rows_avx2 : output_rows_generic)(d, y0, count);
}
#else
void jpeg_output_rows(JpegDecoder* d, uint32_t y0, uint32_t count) { output_rows_generic(d, y0, count); }
#endif
