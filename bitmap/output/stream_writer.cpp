// Binary bitmap stream writer.
#include "bitmap/output/stream_writer.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <memory>
#include <vector>

#include "bitmap/output/c_bitmap_format.h"
#include "bitmap/output/rle.h"
#include "common/output/buffered_writer.h"

namespace {

// Colours of row y, palette resolved through pal (paletted documents only).
void row_colours(const ImageDocument* doc, const ColorValue* pal, int32_t y, ColorValue* out) {
  const uint8_t* row = IMAGE_GetRow(doc, y);
  if (doc->BitsPerPixel == 8) {
    for (int32_t x = 0; x < doc->XSize; ++x) out[x] = pal[row[x]];
    return;
  }
  if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(out, row, 4 * static_cast<size_t>(doc->XSize));  // red, green, blue, transparency
  } else {
    for (int32_t x = 0; x < doc->XSize; ++x, row += 4)
      out[x] = row[0] | (row[1] << 8) | (row[2] << 16) | (static_cast<uint32_t>(row[3]) << 24);
  }
}

void write_indices(OutWriter* w, const ImageDocument* doc, int bitsPerPixel, int64_t bytesPerLine) {
  const int perByte = 8 / bitsPerPixel;
  const uint32_t mask = (1u << bitsPerPixel) - 1;
  std::vector<uint8_t> line(static_cast<size_t>(bytesPerLine));
  for (int32_t y = 0; y < doc->YSize && !OUT_Failed(w); ++y) {
    const uint8_t* row = IMAGE_GetRow(doc, y);
    if (bitsPerPixel == 8) {
      OUT_Write(w, row, line.size());
      continue;
    }
    std::fill(line.begin(), line.end(), 0);
    for (int32_t x = 0; x < doc->XSize; ++x) {
      const int shift = 8 - bitsPerPixel * (x % perByte + 1);
      line[static_cast<size_t>(x / perByte)] |= static_cast<uint8_t>((row[x] & mask) << shift);
    }
    OUT_Write(w, line.data(), line.size());
  }
}

inline uint8_t* put_u16(uint8_t* p, uint32_t v, bool bigEndian) {
  p[0] = static_cast<uint8_t>(bigEndian ? v >> 8 : v);
  p[1] = static_cast<uint8_t>(bigEndian ? v : v >> 8);
  return p + 2;
}

// A 32-bit value as bytes from the lowest.
inline uint8_t* put_32(uint8_t* p, uint32_t v) {
  p[0] = static_cast<uint8_t>(v), p[1] = static_cast<uint8_t>(v >> 8);
  p[2] = static_cast<uint8_t>(v >> 16), p[3] = static_cast<uint8_t>(v >> 24);
  return p + 4;
}

// Bytes of one pixel of the 24-bit and the alpha + 16-bit formats (the latter's index high
// byte first in either byte order); returns the end.
inline uint8_t* put_pixel(uint8_t* p, ColorValue c, const CBitmapFormat* f) {
  if (f->Kind == CBITMAP_DATA_24) {
    p[0] = static_cast<uint8_t>(COLOR_Red(c)), p[1] = static_cast<uint8_t>(COLOR_Green(c));
    p[2] = static_cast<uint8_t>(COLOR_Blue(c));
    return p + 3;
  }
  const uint32_t v = f->pColorFormat->pfColor2Index(c & 0x00FFFFFFu);
  p[0] = static_cast<uint8_t>(COLOR_Trans(c)), p[1] = static_cast<uint8_t>(v >> 8), p[2] = static_cast<uint8_t>(v);
  return p + 3;
}

// 16-bit pixels: a paletted document's entries are converted once, the 565 formats
// inline from the pixel bytes, others through the format.
template <typename Rows>
void write_16(OutWriter* w, const ImageDocument* doc, const ColorFormat* cf, bool bigEndian,
              const ColorValue* pal, Rows& rows) {
  if (doc->BitsPerPixel == 8) {
    uint8_t value[256][2];
    for (int i = 0; i < 256; ++i) put_u16(value[i], cf->pfColor2Index(pal[i]), bigEndian);
    std::vector<uint8_t> line(2 * static_cast<size_t>(doc->XSize));
    for (int32_t y = 0; y < doc->YSize && !OUT_Failed(w); ++y) {
      const uint8_t* row = IMAGE_GetRow(doc, y);
      for (size_t x = 0; x < static_cast<size_t>(doc->XSize); ++x) std::memcpy(&line[2 * x], value[row[x]], 2);
      OUT_Write(w, line.data(), line.size());
    }
    return;
  }
  if (cf == &COLOR_FORMAT_565 || cf == &COLOR_FORMAT_M565) {
    // Channels read straight from the pixel bytes (red, green, blue, transparency).
    const bool mirrored = cf == &COLOR_FORMAT_M565;
    auto each_row = [&](auto put) {
      std::vector<uint8_t> line(2 * static_cast<size_t>(doc->XSize));
      for (int32_t y = 0; y < doc->YSize && !OUT_Failed(w); ++y) {
        const uint8_t* px = IMAGE_GetRow(doc, y);
        uint8_t* p = line.data();
        for (int32_t x = 0; x < doc->XSize; ++x, px += 4) p = put(p, px);
        OUT_Write(w, line.data(), line.size());
      }
    };
    if (!mirrored && !bigEndian)
      each_row([](uint8_t* p, const uint8_t* px) { return put_u16(p, COLOR_Index565Of(px[0], px[1], px[2]), false); });
    else if (!mirrored)
      each_row([](uint8_t* p, const uint8_t* px) { return put_u16(p, COLOR_Index565Of(px[0], px[1], px[2]), true); });
    else if (!bigEndian)
      each_row([](uint8_t* p, const uint8_t* px) { return put_u16(p, COLOR_Index565Of(px[2], px[1], px[0]), false); });
    else
      each_row([](uint8_t* p, const uint8_t* px) { return put_u16(p, COLOR_Index565Of(px[2], px[1], px[0]), true); });
    return;
  }
  if (bigEndian)
    rows([cf](uint8_t* p, ColorValue c) { return put_u16(p, cf->pfColor2Index(c), true); });
  else
    rows([cf](uint8_t* p, ColorValue c) { return put_u16(p, cf->pfColor2Index(c), false); });
}

// Whole rows are formatted into a line buffer and handed over at once.
void write_colours(OutWriter* w, const ImageDocument* doc, const CBitmapFormat* f, bool bigEndian) {
  const size_t width = static_cast<size_t>(doc->XSize);
  std::vector<ColorValue> row(width);
  std::vector<uint8_t> line(4 * width);
  ColorValue pal[256];
  if (doc->BitsPerPixel == 8) IMAGE_GetPaletteMap(doc, pal);
  // One loop per kind, so the choice is made once per row rather than per pixel.
  auto rows = [&](auto put) {
    for (int32_t y = 0; y < doc->YSize && !OUT_Failed(w); ++y) {
      row_colours(doc, pal, y, row.data());
      uint8_t* p = line.data();
      for (const ColorValue c : row) p = put(p, c);
      OUT_Write(w, line.data(), static_cast<size_t>(p - line.data()));
    }
  };
  switch (f->Kind) {
    case CBITMAP_DATA_16:
      write_16(w, doc, f->pColorFormat, bigEndian, pal, rows);
      break;
    case CBITMAP_DATA_32:
      if (f->Number == 16 && !bigEndian && doc->BitsPerPixel == 32) {
        // Red, green, blue, transparency: the document's own pixel bytes.
        for (int32_t y = 0; y < doc->YSize && !OUT_Failed(w); ++y) OUT_Write(w, IMAGE_GetRow(doc, y), 4 * width);
      } else if (f->Number == 16) {
        rows([bigEndian](uint8_t* p, ColorValue c) { return put_32(p, bigEndian ? __builtin_bswap32(c) : c); });
      } else {  // 29: blue, green, red, inverted transparency
        rows([bigEndian](uint8_t* p, ColorValue c) {
          const uint32_t v = ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF) | ((255 - (c >> 24)) << 24);
          return put_32(p, bigEndian ? __builtin_bswap32(v) : v);
        });
      }
      break;
    default:  // 24-bit, alpha + 16-bit
      rows([f](uint8_t* p, ColorValue c) { return put_pixel(p, c, f); });
      break;
  }
}

}  // namespace

bool STREAM_GetLayout(int format, int32_t width, StreamLayout* layout) {
  const CBitmapFormat* f = CBITMAP_FindFormat(format);
  if (!f || format == 99) return false;
  layout->Encoding = f->Kind == CBITMAP_DATA_INDICES ? STREAM_ENCODING_INDICES : format;
  layout->BitsPerPixel = f->BitsPerPixel;
  layout->BytesPerLine = (format == 12 || format == 13) ? 0 : (static_cast<int64_t>(width) * f->BitsPerPixel + 7) / 8;
  return true;
}

int STREAM_Save(FILE* file, const ImageDocument* doc, const SaveRequest* request, bool bigEndian, bool useARGB) {
  StreamLayout layout;
  if (!file || !doc || !request || !STREAM_GetLayout(request->Format, doc->XSize, &layout)) return 1;
  const CBitmapFormat* f = CBITMAP_FindFormat(request->Format);
  // Header fields are 16 bits wide: larger images have no stream.
  if (doc->XSize > 0xFFFF || doc->YSize > 0xFFFF || layout.BytesPerLine > 0xFFFF) return 1;
  if (f->Kind == CBITMAP_DATA_INDICES && (doc->NumColors <= 0 || doc->NumColors > f->MaxColors)) return 1;
  const int numEntries = request->WithoutPalette ? 0 : doc->NumColors;

  auto w = std::make_unique<OutWriter>();
  OUT_Init(w.get(), file);
  OUT_PutByte(w.get(), 'B');
  OUT_PutByte(w.get(), 'M');
  OUT_PutU16(w.get(), static_cast<uint32_t>(layout.Encoding));
  OUT_PutU16(w.get(), static_cast<uint32_t>(doc->XSize));
  OUT_PutU16(w.get(), static_cast<uint32_t>(doc->YSize));
  OUT_PutU16(w.get(), static_cast<uint32_t>(layout.BytesPerLine));
  OUT_PutU16(w.get(), static_cast<uint32_t>(layout.BitsPerPixel));
  OUT_PutU16(w.get(), static_cast<uint32_t>(numEntries));
  OUT_PutU16(w.get(), doc->HasTrans ? 1u : 0u);
  for (int i = 0; i < numEntries; ++i) {
    const ColorValue c = IMAGE_GetPalColor(doc, i);
    if (useARGB)
      OUT_PutU32(w.get(), ((255u - COLOR_Trans(c)) << 24) | (COLOR_Red(c) << 16) | (COLOR_Green(c) << 8) |
                              COLOR_Blue(c));
    else
      OUT_PutU32(w.get(), c);
  }
  switch (f->Kind) {
    case CBITMAP_DATA_INDICES:
      write_indices(w.get(), doc, f->BitsPerPixel, layout.BytesPerLine);
      break;
    case CBITMAP_DATA_RLE: {
      const RleSource src = {doc, f->Rle, f->pColorFormat};
      if (!RLE_WriteBinary(w.get(), &src)) return 1;
      break;
    }
    default:
      write_colours(w.get(), doc, f, bigEndian);
      break;
  }
  return OUT_Flush(w.get()) ? 0 : 1;
}
