// Binary bitmap stream writer.
#include "bitmap/output/stream_writer.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "bitmap/output/c_bitmap_format.h"
#include "bitmap/output/rle.h"
#include "common/output/buffered_writer.h"

namespace {

void put_be16(OutWriter* w, uint32_t v) {
  OUT_PutByte(w, static_cast<uint8_t>(v >> 8));
  OUT_PutByte(w, static_cast<uint8_t>(v));
}

void put16(OutWriter* w, uint32_t v, bool bigEndian) {
  if (bigEndian)
    put_be16(w, v);
  else
    OUT_PutU16(w, v);
}

// Colours of row y, palette resolved.
void row_colours(const ImageDocument* doc, int32_t y, std::vector<ColorValue>* out) {
  for (int32_t x = 0; x < doc->XSize; ++x) (*out)[static_cast<size_t>(x)] = IMAGE_GetColor(doc, x, y);
}

void write_indices(OutWriter* w, const ImageDocument* doc, int bitsPerPixel, int64_t bytesPerLine) {
  const int perByte = 8 / bitsPerPixel;
  std::vector<uint8_t> line(static_cast<size_t>(bytesPerLine));
  for (int32_t y = 0; y < doc->YSize && !OUT_Failed(w); ++y) {
    std::fill(line.begin(), line.end(), 0);
    for (int32_t x = 0; x < doc->XSize; ++x) {
      const uint32_t index = IMAGE_GetIndex(doc, x, y) & ((1u << bitsPerPixel) - 1);
      const int shift = 8 - bitsPerPixel * (x % perByte + 1);
      line[static_cast<size_t>(x / perByte)] |= static_cast<uint8_t>(index << shift);
    }
    OUT_Write(w, line.data(), line.size());
  }
}

void write_colours(OutWriter* w, const ImageDocument* doc, const CBitmapFormat* f, bool bigEndian) {
  std::vector<ColorValue> row(static_cast<size_t>(doc->XSize));
  for (int32_t y = 0; y < doc->YSize && !OUT_Failed(w); ++y) {
    row_colours(doc, y, &row);
    for (const ColorValue c : row) {
      const uint8_t r = static_cast<uint8_t>(COLOR_Red(c)), g = static_cast<uint8_t>(COLOR_Green(c)),
                    b = static_cast<uint8_t>(COLOR_Blue(c)), t = static_cast<uint8_t>(COLOR_Trans(c));
      switch (f->Kind) {
        case CBITMAP_DATA_16:
          put16(w, f->pColorFormat->pfColor2Index(c), bigEndian);
          break;
        case CBITMAP_DATA_24: {
          const uint8_t bytes[3] = {r, g, b};
          OUT_Write(w, bytes, 3);
          break;
        }
        case CBITMAP_DATA_ALPHA16:
          OUT_PutByte(w, t);
          put_be16(w, f->pColorFormat->pfColor2Index(c & 0x00FFFFFFu));
          break;
        default: {
          uint8_t bytes[4];
          if (f->Number == 16) {
            const uint8_t le[4] = {r, g, b, t}, be[4] = {t, b, g, r};
            std::copy(bigEndian ? be : le, (bigEndian ? be : le) + 4, bytes);
          } else {  // 29: blue, green, red, inverted transparency
            const uint8_t a = static_cast<uint8_t>(255 - t);
            const uint8_t le[4] = {b, g, r, a}, be[4] = {a, r, g, b};
            std::copy(bigEndian ? be : le, (bigEndian ? be : le) + 4, bytes);
          }
          OUT_Write(w, bytes, 4);
          break;
        }
      }
    }
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
