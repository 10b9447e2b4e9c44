// Uncompressed pixel rows of generated C files. Pixels are formatted with table lookups
// rather than printf: a 2048 x 2048 image yields tens of megabytes of text.
#include "bitmap/output/c_pixel_rows.h"

#include <vector>

static const char kRowEnd[] = ",\r\n";
static const char kArrayEnd[] = "\r\n};\r\n\r\n";

// Colours of row y, palette resolved.
static void row_colours(const ImageDocument* doc, int32_t y, uint32_t* out) {
  const uint8_t* row = IMAGE_GetRow(doc, y);
  if (doc->BitsPerPixel == 8) {
    ColorValue pal[256];
    const int n = doc->NumColors > 256 ? 256 : doc->NumColors;
    for (int i = 0; i < 256; ++i) pal[i] = i < n ? IMAGE_GetPalColor(doc, i) : 0;
    for (int32_t x = 0; x < doc->XSize; ++x) out[x] = pal[row[x]];
    return;
  }
  for (int32_t x = 0; x < doc->XSize; ++x) {
    const uint8_t* p = row + 4 * static_cast<size_t>(x);
    out[x] = p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
  }
}

static uint32_t row_index(const ImageDocument* doc, const uint8_t* row, int32_t x) {
  if (doc->BitsPerPixel == 8) return row[x];
  return row[4 * static_cast<size_t>(x)];
}

static char* put_byte_text(char* p, uint32_t byte, int bitsPerPixel) {
  if (bitsPerPixel == 1) {
    for (int bit = 7; bit >= 0; --bit) *p++ = (byte >> bit) & 1 ? 'X' : '_';
    return p;
  }
  *p++ = '0';
  *p++ = 'x';
  return CTEXT_PutHex2(p, byte);
}

void CPIXEL_WriteIndexRows(CTextWriter* w, const ImageDocument* doc, int bitsPerPixel) {
  const int perByte = 8 / bitsPerPixel;
  const uint32_t mask = (1u << bitsPerPixel) - 1;
  for (int32_t y = 0; y < doc->YSize; ++y) {
    const uint8_t* row = IMAGE_GetRow(doc, y);
    CTEXT_ResetColumn(w);
    CTEXT_Piece(w, "  ", 2);
    bool first = true;
    for (int32_t x = 0; x < doc->XSize; x += perByte) {
      uint32_t byte = 0;
      for (int i = 0; i < perByte; ++i) {
        uint32_t v = x + i < doc->XSize ? row_index(doc, row, x + i) & mask : 0;
        byte = byte << bitsPerPixel | v;
      }
      char buf[16];
      char* p = buf;
      if (!first) {
        *p++ = ',';
        *p++ = ' ';
      }
      first = false;
      p = put_byte_text(p, byte, bitsPerPixel);
      CTEXT_Piece(w, buf, static_cast<size_t>(p - buf));
    }
    if (y + 1 < doc->YSize) CTEXT_Raw(w, kRowEnd, 3);
  }
  CTEXT_RawStr(w, kArrayEnd);
}

// The 32-bit value of formats 16, 29 and 99: green stays in bits 8-15; swap exchanges red
// and blue; invert stores 255 - T in the top byte.
static uint32_t value32(ColorValue c, bool swap, bool invert) {
  uint32_t v = c & 0x00FFFFFFu;
  if (swap) v = (COLOR_Red(c) << 16) | (COLOR_Green(c) << 8) | COLOR_Blue(c);
  uint32_t t = COLOR_Trans(c);
  if (invert) t = 255 - t;
  return v | t << 24;
}

static char* put_0x(char* p) {
  *p++ = '0';
  *p++ = 'x';
  return p;
}

// One pixel's text (without separator).
static char* put_pixel(char* p, const CBitmapFormat* f, ColorValue c, bool swap, bool invert) {
  switch (f->Kind) {
    case CBITMAP_DATA_16:
      return CTEXT_PutHex4(put_0x(p), f->pColorFormat->pfColor2Index(c));
    case CBITMAP_DATA_24:
      p = CTEXT_PutHex2(put_0x(p), COLOR_Red(c));
      *p++ = ',';
      *p++ = ' ';
      p = CTEXT_PutHex2(put_0x(p), COLOR_Green(c));
      *p++ = ',';
      *p++ = ' ';
      return CTEXT_PutHex2(put_0x(p), COLOR_Blue(c));
    case CBITMAP_DATA_ALPHA16: {
      uint32_t v = f->pColorFormat->pfColor2Index(c & 0x00FFFFFFu);
      p = CTEXT_PutHex2(put_0x(p), COLOR_Trans(c));
      *p++ = ',';
      p = CTEXT_PutHex2(put_0x(p), v >> 8);
      *p++ = ',';
      return CTEXT_PutHex2(put_0x(p), v);
    }
    case CBITMAP_DATA_32:
      return CTEXT_PutHex8(put_0x(p), value32(c, swap, invert));
    default:
      return p;
  }
}

// All rows; the last one ends with lastEnd.
static void write_rows(CTextWriter* w, const ImageDocument* doc, const CBitmapFormat* f, bool swap,
                       bool invert, const char* lastEnd) {
  std::vector<uint32_t> colours(static_cast<size_t>(doc->XSize));
  for (int32_t y = 0; y < doc->YSize; ++y) {
    row_colours(doc, y, colours.data());
    CTEXT_ResetColumn(w);
    CTEXT_Piece(w, "  ", 2);
    for (int32_t x = 0; x < doc->XSize; ++x) {
      char buf[32];
      char* p = put_pixel(buf, f, colours[static_cast<size_t>(x)], swap, invert);
      if (x + 1 < doc->XSize) {
        *p++ = ',';
        *p++ = ' ';
      }
      CTEXT_Piece(w, buf, static_cast<size_t>(p - buf));
    }
    if (y + 1 < doc->YSize)
      CTEXT_Raw(w, kRowEnd, 3);
    else
      CTEXT_RawStr(w, lastEnd);
  }
}

void CPIXEL_WriteColorRows(CTextWriter* w, const ImageDocument* doc, const CBitmapFormat* format) {
  const bool alpha = doc->HasAlpha != 0;
  switch (format->Number) {
    case 16:
      write_rows(w, doc, format, false, !alpha, kArrayEnd);
      break;
    case 29:
      write_rows(w, doc, format, true, alpha, kArrayEnd);
      break;
    case 99:
      CTEXT_RawStr(w, "#if (GUI_USE_ARGB == 1)\r\n");
      write_rows(w, doc, format, true, true, "\r\n");
      CTEXT_RawStr(w, "#else\r\n");
      write_rows(w, doc, format, false, false, "\r\n");
      CTEXT_RawStr(w, "#endif\r\n};\r\n\r\n");
      break;
    default:
      write_rows(w, doc, format, false, false, kArrayEnd);
      break;
  }
}
