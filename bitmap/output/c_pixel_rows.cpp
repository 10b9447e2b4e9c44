// Uncompressed pixel rows of generated C files. Pixels are formatted straight into the
// output buffer with table lookups rather than printf: a 2048 x 2048 image yields tens of
// megabytes of text, and writing it should not take much longer than copying it.
#include "bitmap/output/c_pixel_rows.h"

#include <bit>
#include <cstring>
#include <vector>

static const char kRowEnd[] = ",\r\n";
static const char kArrayEnd[] = "\r\n};\r\n\r\n";
static const int kChunk = 256;  // pixels formatted per cursor

// Colours of row y; pal is the document's palette map (paletted documents only).
static void row_colours(const ImageDocument* doc, const ColorValue* pal, int32_t y, uint32_t* out) {
  const uint8_t* row = IMAGE_GetRow(doc, y);
  if (doc->BitsPerPixel == 8) {
    for (int32_t x = 0; x < doc->XSize; ++x) out[x] = pal[row[x]];
    return;
  }
  if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(out, row, 4 * static_cast<size_t>(doc->XSize));
  } else {
    for (int32_t x = 0; x < doc->XSize; ++x) {
      const uint8_t* p = row + 4 * static_cast<size_t>(x);
      out[x] = p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
    }
  }
}

static inline char* put_0x(char* p) {
  p[0] = '0';
  p[1] = 'x';
  return p + 2;
}

static inline char* put_sep(char* p) {
  p[0] = ',';
  p[1] = ' ';
  return p + 2;
}

void CPIXEL_WriteIndexRows(CTextWriter* w, const ImageDocument* doc, int bitsPerPixel) {
  const int perByte = 8 / bitsPerPixel;
  const uint32_t mask = (1u << bitsPerPixel) - 1;
  const int textLen = bitsPerPixel == 1 ? 8 : 4;  // XX__X__X or 0xAB
  const int32_t numBytes = static_cast<int32_t>((static_cast<int64_t>(doc->XSize) * bitsPerPixel + 7) / 8);
  const bool wide = doc->BitsPerPixel != 8;  // a true-colour document: its first byte per pixel
  for (int32_t y = 0; y < doc->YSize; ++y) {
    const uint8_t* row = IMAGE_GetRow(doc, y);
    CTEXT_ResetColumn(w);
    CTEXT_Piece(w, "  ", 2);
    for (int32_t b0 = 0; b0 < numBytes; b0 += kChunk) {
      const int32_t b1 = numBytes - b0 < kChunk ? numBytes : b0 + kChunk;
      CTextCursor c = CTEXT_Begin(w, kChunk * CTEXT_PieceRoom(10));
      for (int32_t b = b0; b < b1; ++b) {
        uint32_t byte = 0;
        const int32_t x0 = b * perByte;
        for (int i = 0; i < perByte; ++i) {
          const int32_t x = x0 + i;
          uint32_t v = x < doc->XSize ? row[wide ? 4 * static_cast<size_t>(x) : static_cast<size_t>(x)] & mask : 0;
          byte = byte << bitsPerPixel | v;
        }
        char* p = CTEXT_CursorPiece(&c, b ? textLen + 2 : textLen);
        if (b) p = put_sep(p);
        if (bitsPerPixel == 1) {
          for (int bit = 7; bit >= 0; --bit) *p++ = (byte >> bit) & 1 ? 'X' : '_';
        } else {
          p = CTEXT_PutHex2(put_0x(p), byte);
        }
        c.p = p;
      }
      CTEXT_End(w, c);
    }
    if (y + 1 < doc->YSize) CTEXT_Raw(w, kRowEnd, 3);
  }
  CTEXT_RawStr(w, kArrayEnd);
}

// The 32-bit value of formats 16, 29 and 99: green stays in bits 8-15; swap exchanges red
// and blue; invert stores 255 - T in the top byte.
static inline uint32_t value32(ColorValue c, bool swap, bool invert) {
  uint32_t v = c & 0x00FFFFFFu;
  if (swap) v = (COLOR_Red(c) << 16) | (COLOR_Green(c) << 8) | COLOR_Blue(c);
  uint32_t t = COLOR_Trans(c);
  if (invert) t = 255 - t;
  return v | t << 24;
}

// Text length of one pixel without its separator.
static int pixel_text_len(CBitmapDataKind kind) {
  switch (kind) {
    case CBITMAP_DATA_16:
      return 6;  // 0xABCD
    case CBITMAP_DATA_24:
      return 16;  // 0xRR, 0xGG, 0xBB
    case CBITMAP_DATA_ALPHA16:
      return 14;  // 0xTT,0xHH,0xLL
    default:
      return 10;  // 0xAABBGGRR
  }
}

// All rows of one kind; the last row ends with lastEnd. The 16-bit conversion of the
// previous pixel is reused while the colour repeats.
template <CBitmapDataKind kKind>
static void write_rows(CTextWriter* w, const ImageDocument* doc, const CBitmapFormat* f, bool swap,
                       bool invert, const char* lastEnd) {
  const int len = pixel_text_len(kKind);
  const ColorFormat* cf = f->pColorFormat;
  const uint32_t* hex4 = CTEXT_Hex4Table();
  std::vector<uint32_t> colours(static_cast<size_t>(doc->XSize));
  ColorValue pal[256];
  if (doc->BitsPerPixel == 8) IMAGE_GetPaletteMap(doc, pal);
  ColorValue lastColour = 0;
  uint32_t lastValue = cf ? cf->pfColor2Index(0) : 0;
  for (int32_t y = 0; y < doc->YSize; ++y) {
    row_colours(doc, pal, y, colours.data());
    CTEXT_ResetColumn(w);
    CTEXT_Piece(w, "  ", 2);
    for (int32_t x0 = 0; x0 < doc->XSize; x0 += kChunk) {
      const int32_t x1 = doc->XSize - x0 < kChunk ? doc->XSize : x0 + kChunk;
      CTextCursor c = CTEXT_Begin(w, kChunk * CTEXT_PieceRoom(18));
      for (int32_t x = x0; x < x1; ++x) {
        const ColorValue col = colours[static_cast<size_t>(x)];
        const bool last = x + 1 == doc->XSize;
        char* p = CTEXT_CursorPiece(&c, last ? len : len + 2);
        if constexpr (kKind == CBITMAP_DATA_16 || kKind == CBITMAP_DATA_ALPHA16) {
          const ColorValue rgb = kKind == CBITMAP_DATA_ALPHA16 ? col & 0x00FFFFFFu : col;
          if (rgb != lastColour) {
            lastColour = rgb;
            lastValue = cf->pfColor2Index(rgb);
          }
        }
        if constexpr (kKind == CBITMAP_DATA_16) {
          c.p = last ? p + 6 : p + 8;
          CTEXT_PutShortItem(p, hex4, lastValue);
          continue;
        } else if constexpr (kKind == CBITMAP_DATA_24) {
          p = CTEXT_PutByteItem(CTEXT_PutByteItem(p, COLOR_Red(col)), COLOR_Green(col));
          CTEXT_PutByteItem(p, COLOR_Blue(col));
          c.p = last ? p + 4 : p + 6;
          continue;
        } else if constexpr (kKind == CBITMAP_DATA_ALPHA16) {
          p = CTEXT_PutHex2(put_0x(p), COLOR_Trans(col));
          *p++ = ',';
          p = CTEXT_PutHex2(put_0x(p), lastValue >> 8);
          *p++ = ',';
          p = CTEXT_PutHex2(put_0x(p), lastValue);
        } else {
          c.p = last ? p + 10 : p + 12;
          CTEXT_PutLongItem(p, hex4, value32(col, swap, invert));
          continue;
        }
        if (!last) p = put_sep(p);
        c.p = p;
      }
      CTEXT_End(w, c);
    }
    if (y + 1 < doc->YSize)
      CTEXT_Raw(w, kRowEnd, 3);
    else
      CTEXT_RawStr(w, lastEnd);
  }
}

static void write_kind(CTextWriter* w, const ImageDocument* doc, const CBitmapFormat* f, bool swap, bool invert,
                       const char* lastEnd) {
  switch (f->Kind) {
    case CBITMAP_DATA_16:
      write_rows<CBITMAP_DATA_16>(w, doc, f, swap, invert, lastEnd);
      break;
    case CBITMAP_DATA_24:
      write_rows<CBITMAP_DATA_24>(w, doc, f, swap, invert, lastEnd);
      break;
    case CBITMAP_DATA_ALPHA16:
      write_rows<CBITMAP_DATA_ALPHA16>(w, doc, f, swap, invert, lastEnd);
      break;
    default:
      write_rows<CBITMAP_DATA_32>(w, doc, f, swap, invert, lastEnd);
      break;
  }
}

void CPIXEL_WriteColorRows(CTextWriter* w, const ImageDocument* doc, const CBitmapFormat* format) {
  const bool alpha = doc->HasAlpha != 0;
  switch (format->Number) {
    case 16:
      write_kind(w, doc, format, false, !alpha, kArrayEnd);
      break;
    case 29:
      write_kind(w, doc, format, true, alpha, kArrayEnd);
      break;
    case 99:
      CTEXT_RawStr(w, "#if (GUI_USE_ARGB == 1)\r\n");
      write_kind(w, doc, format, true, true, "\r\n");
      CTEXT_RawStr(w, "#else\r\n");
      write_kind(w, doc, format, false, false, "\r\n");
      CTEXT_RawStr(w, "#endif\r\n};\r\n\r\n");
      break;
    default:
      write_kind(w, doc, format, false, false, kArrayEnd);
      break;
  }
}
