/* Reference decoder of the firmware check. Every format is decoded from the bitmap
 * record alone: the draw method (or, without one, BitsPerPixel) selects the layout, the
 * element type of the pixel array decides how values are read. */
#include "bitmap_decoder.h"

#include <stdlib.h>

const GUI_BITMAP_METHODS GUI_BitmapMethodsRLE4 = {GUI_BITMAP_METHOD_RLE4};
const GUI_BITMAP_METHODS GUI_BitmapMethodsRLE8 = {GUI_BITMAP_METHOD_RLE8};
const GUI_BITMAP_METHODS GUI_BitmapMethodsRLE16 = {GUI_BITMAP_METHOD_RLE16};
const GUI_BITMAP_METHODS GUI_BitmapMethodsRLEM16 = {GUI_BITMAP_METHOD_RLEM16};
const GUI_BITMAP_METHODS GUI_BitmapMethodsRLE32 = {GUI_BITMAP_METHOD_RLE32};
const GUI_BITMAP_METHODS GUI_BitmapMethodsRLEAlpha = {GUI_BITMAP_METHOD_RLEALPHA};
const GUI_BITMAP_METHODS GUI_BitmapMethods565 = {GUI_BITMAP_METHOD_565};
const GUI_BITMAP_METHODS GUI_BitmapMethodsM565 = {GUI_BITMAP_METHOD_M565};
const GUI_BITMAP_METHODS GUI_BitmapMethods555 = {GUI_BITMAP_METHOD_555};
const GUI_BITMAP_METHODS GUI_BitmapMethodsM555 = {GUI_BITMAP_METHOD_M555};
const GUI_BITMAP_METHODS GUI_BitmapMethods444_12 = {GUI_BITMAP_METHOD_444_12};
const GUI_BITMAP_METHODS GUI_BitmapMethodsM444_12 = {GUI_BITMAP_METHOD_M444_12};
const GUI_BITMAP_METHODS GUI_BitmapMethods444_12_1 = {GUI_BITMAP_METHOD_444_12_1};
const GUI_BITMAP_METHODS GUI_BitmapMethodsM444_12_1 = {GUI_BITMAP_METHOD_M444_12_1};
const GUI_BITMAP_METHODS GUI_BitmapMethods444_16 = {GUI_BITMAP_METHOD_444_16};
const GUI_BITMAP_METHODS GUI_BitmapMethodsM444_16 = {GUI_BITMAP_METHOD_M444_16};
const GUI_BITMAP_METHODS GUI_BitmapMethods24 = {GUI_BITMAP_METHOD_24};
const GUI_BITMAP_METHODS GUI_BitmapMethods8888 = {GUI_BITMAP_METHOD_8888};
const GUI_BITMAP_METHODS GUI_BitmapMethodsM8888I = {GUI_BITMAP_METHOD_M8888I};
const GUI_BITMAP_METHODS GUI_BitmapMethodsA555 = {GUI_BITMAP_METHOD_A555};
const GUI_BITMAP_METHODS GUI_BitmapMethodsAM555 = {GUI_BITMAP_METHOD_AM555};
const GUI_BITMAP_METHODS GUI_BitmapMethodsA565 = {GUI_BITMAP_METHOD_A565};
const GUI_BITMAP_METHODS GUI_BitmapMethodsAM565 = {GUI_BITMAP_METHOD_AM565};

/* Channel expansions: 4, 5 and 6 bits to 8 bits. 5 bits round to nearest, except that
 * code 11 gives 91. */
static unsigned long expand4(unsigned long v) { return 17 * v; }
static unsigned long expand5(unsigned long v) { return v == 11 ? 91 : (255 * v + 15) / 31; }
static unsigned long expand6(unsigned long v) { return (255 * v + 31) / 63; }

static unsigned long rgb(unsigned long r, unsigned long g, unsigned long b) { return r | (g << 8) | (b << 16); }

static unsigned long field(unsigned long v, int shift, int bits) { return (v >> shift) & ((1ul << bits) - 1); }

/* A 16-bit value of a high-colour method as a colour. */
static unsigned long color16(int method, unsigned long v) {
  switch (method) {
  case GUI_BITMAP_METHOD_565:
  case GUI_BITMAP_METHOD_A565:
  case GUI_BITMAP_METHOD_RLE16:
    return rgb(expand5(field(v, 0, 5)), expand6(field(v, 5, 6)), expand5(field(v, 11, 5)));
  case GUI_BITMAP_METHOD_M565:
  case GUI_BITMAP_METHOD_AM565:
  case GUI_BITMAP_METHOD_RLEM16:
    return rgb(expand5(field(v, 11, 5)), expand6(field(v, 5, 6)), expand5(field(v, 0, 5)));
  case GUI_BITMAP_METHOD_555:
  case GUI_BITMAP_METHOD_A555:
    return rgb(expand5(field(v, 0, 5)), expand5(field(v, 5, 5)), expand5(field(v, 10, 5)));
  case GUI_BITMAP_METHOD_M555:
  case GUI_BITMAP_METHOD_AM555:
    return rgb(expand5(field(v, 10, 5)), expand5(field(v, 5, 5)), expand5(field(v, 0, 5)));
  case GUI_BITMAP_METHOD_444_12:
    return rgb(expand4(field(v, 0, 4)), expand4(field(v, 4, 4)), expand4(field(v, 8, 4)));
  case GUI_BITMAP_METHOD_M444_12:
    return rgb(expand4(field(v, 8, 4)), expand4(field(v, 4, 4)), expand4(field(v, 0, 4)));
  case GUI_BITMAP_METHOD_444_12_1:
    return rgb(expand4(field(v, 4, 4)), expand4(field(v, 8, 4)), expand4(field(v, 12, 4)));
  case GUI_BITMAP_METHOD_M444_12_1:
    return rgb(expand4(field(v, 12, 4)), expand4(field(v, 8, 4)), expand4(field(v, 4, 4)));
  case GUI_BITMAP_METHOD_444_16:
    return rgb(expand4(field(v, 1, 4)), expand4(field(v, 6, 4)), expand4(field(v, 11, 4)));
  case GUI_BITMAP_METHOD_M444_16:
    return rgb(expand4(field(v, 11, 4)), expand4(field(v, 6, 4)), expand4(field(v, 1, 4)));
  default:
    return 0;
  }
}

/* Bits in a 16-bit value that a method leaves unused (they must be clear). */
static unsigned long unused16(int method) {
  switch (method) {
  case GUI_BITMAP_METHOD_555:
  case GUI_BITMAP_METHOD_M555:
  case GUI_BITMAP_METHOD_A555:
  case GUI_BITMAP_METHOD_AM555:
    return 0x8000;
  case GUI_BITMAP_METHOD_444_12:
  case GUI_BITMAP_METHOD_M444_12:
    return 0xF000;
  case GUI_BITMAP_METHOD_444_12_1:
  case GUI_BITMAP_METHOD_M444_12_1:
    return 0x000F;
  case GUI_BITMAP_METHOD_444_16:
  case GUI_BITMAP_METHOD_M444_16:
    return 0x8421;
  default:
    return 0;
  }
}

unsigned long BMPDEC_PaletteColor(GUI_COLOR Entry) {
#if (GUI_USE_ARGB == 1)
  return rgb(field(Entry, 16, 8), field(Entry, 8, 8), field(Entry, 0, 8)) | ((255 - field(Entry, 24, 8)) << 24);
#else
  return Entry & 0xFFFFFFFFul;
#endif
}

/* Run-length stream: runs (count 1-254, one value) and absolute blocks (0, count 2-255,
 * count values; 4-bit values packed two to a byte, high nibble first), then the end byte. */
static int draw_rle(const GUI_BITMAP * pBm, int method, unsigned long * pPixels, unsigned long numPixels,
                    unsigned long maxBytes, BMPDEC_INFO * pInfo) {
  const unsigned char * p = pBm->pData;
  unsigned long pos = 0, i = 0;
  int valueBytes = method == GUI_BITMAP_METHOD_RLE16 || method == GUI_BITMAP_METHOD_RLEM16 ? 2
                   : method == GUI_BITMAP_METHOD_RLE32                                       ? 4
                                                                                             : 1;
  while (pos < numPixels) {
    unsigned long count, k;
    int literal;
    if (i >= maxBytes) return BMPDEC_E_STREAM;
    count = p[i++];
    literal = count == 0;
    if (literal) {
      if (i >= maxBytes) return BMPDEC_E_STREAM;
      count = p[i++];
      if (count < 2) return BMPDEC_E_STREAM;
    } else if (count > 254) {
      return BMPDEC_E_STREAM;
    }
    if (count > numPixels - pos) return BMPDEC_E_STREAM;
    for (k = 0; k < count; ++k) {
      unsigned long v = 0, off = i;
      if (method == GUI_BITMAP_METHOD_RLE4 && literal) {
        off = i + k / 2;
        if (off >= maxBytes) return BMPDEC_E_STREAM;
        v = (k % 2) ? (p[off] & 15u) : (p[off] >> 4);
      } else {
        int b;
        if (literal) off = i + k * (unsigned long)valueBytes;
        if (off + (unsigned long)valueBytes > maxBytes) return BMPDEC_E_STREAM;
        for (b = valueBytes - 1; b >= 0; --b) v = (v << 8) | p[off + (unsigned long)b];
      }
      switch (method) {
      case GUI_BITMAP_METHOD_RLE4:
        if (v > 15) return BMPDEC_E_VALUE;
        pPixels[pos++] = v;
        break;
      case GUI_BITMAP_METHOD_RLE8:
        pPixels[pos++] = v;
        break;
      case GUI_BITMAP_METHOD_RLEALPHA:
        pPixels[pos++] = v << 24;
        break;
      case GUI_BITMAP_METHOD_RLE32: /* bytes red, green, blue, transparency */
        pPixels[pos++] = v;
        break;
      default:
        pPixels[pos++] = color16(method, v);
        break;
      }
    }
    if (method == GUI_BITMAP_METHOD_RLE4 && literal)
      i += (count + 1) / 2;
    else
      i += literal ? count * (unsigned long)valueBytes : (unsigned long)valueBytes;
  }
  pInfo->StreamBytes = i;
  if (i >= maxBytes || p[i] != 0) return BMPDEC_E_END;
  return BMPDEC_OK;
}

static unsigned long expected_line(unsigned long xSize, unsigned long bits) { return (xSize * bits + 7) / 8; }

int BMPDEC_Draw(const GUI_BITMAP * pBm, unsigned long * pPixels, unsigned long maxStreamBytes,
                BMPDEC_INFO * pInfo) {
  const unsigned long xSize = pBm->XSize, ySize = pBm->YSize, numPixels = xSize * ySize;
  unsigned long x, y;
  int method = pBm->pMethods ? pBm->pMethods->Method : 0;
  pInfo->PixelKind = BMPDEC_PIXELS_COLOR;
  pInfo->StreamBytes = 0;
  if (method == 0) {
    const unsigned long bits = pBm->BitsPerPixel;
    if (bits != 1 && bits != 2 && bits != 4 && bits != 8) return BMPDEC_E_METHOD;
    if (pBm->BytesPerLine != expected_line(xSize, bits)) return BMPDEC_E_LINE;
    pInfo->PixelKind = BMPDEC_PIXELS_INDEX;
    for (y = 0; y < ySize; ++y) {
      const unsigned char * row = pBm->pData + y * pBm->BytesPerLine;
      for (x = 0; x < xSize; ++x) {
        unsigned long bit = x * bits;
        unsigned v = row[bit / 8];
        pPixels[y * xSize + x] = (v >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
      }
      /* Bits after the last pixel of a row are zero. */
      if ((xSize * bits) % 8 && (row[pBm->BytesPerLine - 1] & ((1u << (8 - (xSize * bits) % 8)) - 1)))
        return BMPDEC_E_VALUE;
    }
    return BMPDEC_OK;
  }
  switch (method) {
  case GUI_BITMAP_METHOD_RLE4:
    if (pBm->BitsPerPixel != GUI_COMPRESS_RLE4 || pBm->BytesPerLine != expected_line(xSize, 4)) return BMPDEC_E_LINE;
    pInfo->PixelKind = BMPDEC_PIXELS_INDEX;
    return draw_rle(pBm, method, pPixels, numPixels, maxStreamBytes, pInfo);
  case GUI_BITMAP_METHOD_RLE8:
    if (pBm->BitsPerPixel != GUI_COMPRESS_RLE8 || pBm->BytesPerLine != expected_line(xSize, 8)) return BMPDEC_E_LINE;
    pInfo->PixelKind = BMPDEC_PIXELS_INDEX;
    return draw_rle(pBm, method, pPixels, numPixels, maxStreamBytes, pInfo);
  case GUI_BITMAP_METHOD_RLEALPHA:
    if (pBm->BitsPerPixel != GUI_COMPRESS_RLE8 || pBm->BytesPerLine != expected_line(xSize, 8)) return BMPDEC_E_LINE;
    return draw_rle(pBm, method, pPixels, numPixels, maxStreamBytes, pInfo);
  case GUI_BITMAP_METHOD_RLE16:
  case GUI_BITMAP_METHOD_RLEM16:
    if (pBm->BitsPerPixel != 16 || pBm->BytesPerLine != expected_line(xSize, 16)) return BMPDEC_E_LINE;
    return draw_rle(pBm, method, pPixels, numPixels, maxStreamBytes, pInfo);
  case GUI_BITMAP_METHOD_RLE32:
    if (pBm->BitsPerPixel != 32 || pBm->BytesPerLine != expected_line(xSize, 32)) return BMPDEC_E_LINE;
    return draw_rle(pBm, method, pPixels, numPixels, maxStreamBytes, pInfo);
  case GUI_BITMAP_METHOD_24:
    if (pBm->BitsPerPixel != 24 || pBm->BytesPerLine != 3 * xSize) return BMPDEC_E_LINE;
    for (y = 0; y < numPixels; ++y) {
      const unsigned char * q = pBm->pData + 3 * y;
      pPixels[y] = rgb(q[0], q[1], q[2]);
    }
    return BMPDEC_OK;
  case GUI_BITMAP_METHOD_A555:
  case GUI_BITMAP_METHOD_AM555:
  case GUI_BITMAP_METHOD_A565:
  case GUI_BITMAP_METHOD_AM565:
    if (pBm->BitsPerPixel != 24 || pBm->BytesPerLine != 3 * xSize) return BMPDEC_E_LINE;
    for (y = 0; y < numPixels; ++y) {
      const unsigned char * q = pBm->pData + 3 * y;
      unsigned long v = ((unsigned long)q[1] << 8) | q[2];
      if (v & unused16(method)) return BMPDEC_E_VALUE;
      pPixels[y] = color16(method, v) | ((unsigned long)q[0] << 24);
    }
    return BMPDEC_OK;
  case GUI_BITMAP_METHOD_8888:
  case GUI_BITMAP_METHOD_M8888I: {
    const unsigned long * q = (const unsigned long *)(const void *)pBm->pData;
    if (pBm->BitsPerPixel != 32 || pBm->BytesPerLine != 4 * xSize) return BMPDEC_E_LINE;
    for (y = 0; y < numPixels; ++y) {
      unsigned long v = q[y];
      if ((v >> 16) >> 16) return BMPDEC_E_VALUE; /* more than 32 bits where long is wider */
      if (method == GUI_BITMAP_METHOD_8888) /* T B G R */
        pPixels[y] = v;
      else /* inverted alpha, R G B */
        pPixels[y] = rgb(field(v, 16, 8), field(v, 8, 8), field(v, 0, 8)) | ((255 - field(v, 24, 8)) << 24);
    }
    return BMPDEC_OK;
  }
  default: {
    const unsigned short * q = (const unsigned short *)(const void *)pBm->pData;
    if (method < GUI_BITMAP_METHOD_565 || method > GUI_BITMAP_METHOD_M444_16) return BMPDEC_E_METHOD;
    if (pBm->BitsPerPixel != 16 || pBm->BytesPerLine != 2 * xSize) return BMPDEC_E_LINE;
    for (y = 0; y < numPixels; ++y) {
      if (q[y] & unused16(method)) return BMPDEC_E_VALUE;
      pPixels[y] = color16(method, q[y]);
    }
    return BMPDEC_OK;
  }
  }
}

void BMPDEC_Print(FILE * pFile, const char * pName, const GUI_BITMAP * pBm) {
  const unsigned long numPixels = (unsigned long)pBm->XSize * pBm->YSize;
  unsigned long * pPixels = (unsigned long *)calloc(numPixels ? numPixels : 1, sizeof(unsigned long));
  BMPDEC_INFO info;
  unsigned long i;
  /* The stream bound: an RLE stream never needs more than 6 bytes per pixel plus the end byte. */
  int status = pPixels ? BMPDEC_Draw(pBm, pPixels, numPixels * 6 + 1, &info) : -1;
  fprintf(pFile, "B %s %u %u %u %u %d %d %lu\n", pName, pBm->XSize, pBm->YSize, pBm->BytesPerLine,
          pBm->BitsPerPixel, status, pPixels ? info.PixelKind : 0, pPixels ? info.StreamBytes : 0ul);
  if (pBm->pPal) {
    const GUI_LOGPALETTE * pPal = pBm->pPal;
    fprintf(pFile, "P %d %d %d", pPal->NumEntries, pPal->HasTrans, pPal->pPalEntries != NULL);
    if (pPal->pPalEntries)
      for (i = 0; i < (unsigned long)pPal->NumEntries; ++i) fprintf(pFile, " %lx", BMPDEC_PaletteColor(pPal->pPalEntries[i]));
    fputc('\n', pFile);
  }
  fputs("D", pFile);
  if (status == BMPDEC_OK)
    for (i = 0; i < numPixels; ++i) fprintf(pFile, " %lx", pPixels[i]);
  fputc('\n', pFile);
  free(pPixels);
}
