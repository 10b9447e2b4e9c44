// Output buffer and pixel packing of the font writers.
#include "font/formats/font_output.h"

#include <cstdarg>
#include <cstring>
#include <vector>

#include "font/model/font_messages.h"

namespace {

// Reported once per save; the writer goes on, dropping what it cannot write.
void note_failure(FontOutput* out) {
  if (out->Failed || !OUT_Failed(out->pWriter.get())) return;
  out->Failed = true;
  FONTMSG_ReportMsg(FONTMSG_WRITE_ERROR);
}

}  // namespace

void FONTOUT_Init(FontOutput* out, FILE* file) {
  out->pWriter = std::make_unique_for_overwrite<OutWriter>();  // OUT_Init sets what is read
  OUT_Init(out->pWriter.get(), file);
  out->Failed = false;
}

bool FONTOUT_Flush(FontOutput* out) {
  const bool ok = OUT_Flush(out->pWriter.get());
  note_failure(out);
  return ok;
}

void FONTOUT_Write(FontOutput* out, const void* data, size_t size) {
  OUT_Write(out->pWriter.get(), data, size);
  note_failure(out);
}

char* FONTOUT_RoomSlow(FontOutput* out, size_t n) {
  if (n > OUT_BUFFER_SIZE) {
    out->aSpill.resize(n);
    out->pRoom = out->aSpill.data();
  } else {
    out->pRoom = reinterpret_cast<char*>(OUT_Room(out->pWriter.get(), n));
    note_failure(out);
  }
  return out->pRoom;
}

void FONTOUT_Advance(FontOutput* out, const char* end) {
  const size_t n = static_cast<size_t>(end - out->pRoom);
  if (out->aSpill.empty()) {
    OUT_Advance(out->pWriter.get(), n);
    return;
  }
  FONTOUT_Write(out, out->aSpill.data(), n);
  out->aSpill.clear();
}

void FONTOUT_Text(FontOutput* out, const char* text) { FONTOUT_Write(out, text, std::strlen(text)); }

void FONTOUT_Printf(FontOutput* out, const char* format, ...) {
  char acStack[512];
  va_list args;
  va_start(args, format);
  int n = std::vsnprintf(acStack, sizeof(acStack), format, args);
  va_end(args);
  if (n < 0) return;
  if (static_cast<size_t>(n) < sizeof(acStack)) {
    FONTOUT_Write(out, acStack, static_cast<size_t>(n));
    return;
  }
  std::vector<char> big(static_cast<size_t>(n) + 1);
  va_start(args, format);
  std::vsnprintf(big.data(), big.size(), format, args);
  va_end(args);
  FONTOUT_Write(out, big.data(), static_cast<size_t>(n));
}

void FONTOUT_U8(FontOutput* out, unsigned v) {
  uint8_t b = static_cast<uint8_t>(v);
  FONTOUT_Write(out, &b, 1);
}

void FONTOUT_U16(FontOutput* out, unsigned v) {
  uint8_t b[2] = {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8)};
  FONTOUT_Write(out, b, 2);
}

void FONTOUT_U32(FontOutput* out, uint32_t v) {
  uint8_t b[4] = {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8),
                  static_cast<uint8_t>(v >> 16), static_cast<uint8_t>(v >> 24)};
  FONTOUT_Write(out, b, 4);
}

FontCharGeometry FONTOUT_Geometry(const FontDoc* doc, unsigned code, const FontSaveOptions& o) {
  FontCharGeometry g;
  const FontChar& c = doc->aChar[code];
  g.Width = c.Width * o.MagX;
  g.BytesPerLine = (g.Width * FONT_BitsPerPixel(doc->Type) + 7) / 8;
  int rows = doc->Height;
  if (FONT_IsExtended(doc->Type) && c.GlyphHeight != 0) rows = c.GlyphHeight;
  g.Rows = rows * o.MagY;
  g.PlaneBytesPerLine = FONT_BytesPerLine(doc->Type, c.Width);
  return g;
}

const uint8_t* FONTOUT_PixelOrder(int bpp) {
  struct Tables {
    uint8_t a[3][256];
    Tables() {
      for (int v = 0; v < 256; ++v) {
        uint8_t r1 = 0, r2 = 0;
        for (int i = 0; i < 8; ++i)
          if (v & (1 << i)) r1 = static_cast<uint8_t>(r1 | (0x80 >> i));
        for (int i = 0; i < 4; ++i) r2 = static_cast<uint8_t>(r2 | (((v >> (2 * i)) & 3) << (6 - 2 * i)));
        a[0][v] = r1;
        a[1][v] = r2;
        a[2][v] = static_cast<uint8_t>((v & 15) << 4 | v >> 4);
      }
    }
  };
  static const Tables tables;
  return tables.a[bpp == 1 ? 0 : (bpp == 2 ? 1 : 2)];
}

void FONTOUT_PackRow(const FontDoc* doc, unsigned code, const FontCharGeometry& g, int y,
                     const FontSaveOptions& o, bool frame, uint8_t* out) {
  const int docBpp = FONT_BitsPerPixel(doc->Type);
  const int bpp = frame ? 1 : docBpp;
  std::memset(out, 0, static_cast<size_t>(g.BytesPerLine));
  if (!bpp) return;
  const FontChar& c = doc->aChar[code];
  const int sy = y / o.MagY;
  if (o.MagX == 1 && docBpp == bpp) {
    // Unmagnified rows are the plane's rows with the pixel order reversed per byte.
    const uint8_t* plane = frame ? c.pFrame : c.pPixels;
    const size_t bpl = static_cast<size_t>(g.PlaneBytesPerLine);
    const size_t start = static_cast<size_t>(sy) * bpl;
    if (!plane || !bpl || start + bpl > c.PlaneSize) return;
    const uint8_t* rev = FONTOUT_PixelOrder(bpp);
    const uint8_t* row = plane + start;
    const size_t n = bpl < static_cast<size_t>(g.BytesPerLine) ? bpl : static_cast<size_t>(g.BytesPerLine);
    // A frame bit hides the ink bit under it (such a pixel reads as -1).
    if (!frame && c.pFrame) {
      const uint8_t* hide = c.pFrame + start;
      for (size_t i = 0; i < n; ++i) out[i] = rev[row[i] & ~hide[i] & 0xFF];
    } else {
      for (size_t i = 0; i < n; ++i) out[i] = rev[row[i]];
    }
    return;
  }
  const int perByte = 8 / bpp;
  for (int x = 0; x < g.Width; ++x) {
    int v = FONT_GetPixel(doc, code, x / o.MagX, sy);
    if (frame)
      v = v == -1 ? 1 : 0;
    else if (v < 0)
      v = 0;
    if (!v) continue;
    int shift = 8 - bpp * (x % perByte + 1);
    out[x / perByte] = static_cast<uint8_t>(out[x / perByte] | (v << shift));
  }
}

FontMetrics FONTOUT_FileMetrics(FontDoc* doc, bool requireEA) {
  FontMetrics m;
  if (!requireEA || (doc->aChar['e'].Available && doc->aChar['A'].Available)) {
    m = FONT_ComputeMetrics(doc);
  } else {
    m.Baseline = doc->Baseline;
    // A font read without a baseline (a Standard XBF file) takes it from its 'a'.
    if (m.Baseline == 0 && doc->aChar['a'].Available) m.Baseline = FONT_ComputeMetrics(doc).Baseline;
    m.LHeight = doc->MetricsKnown ? doc->LHeight : 0;
    m.CHeight = doc->MetricsKnown ? doc->CHeight : 0;
  }
  m.Baseline &= 0xFFFF;
  m.LHeight &= 0xFFFF;
  m.CHeight &= 0xFFFF;
  return m;
}

void FONTOUT_WritePlane(FontOutput* out, const FontDoc* doc, unsigned code, const FontSaveOptions& o,
                        bool frame) {
  FontCharGeometry g = FONTOUT_Geometry(doc, code, o);
  std::vector<uint8_t> row(static_cast<size_t>(g.BytesPerLine) + 1);
  for (int y = 0; y < g.Rows; ++y) {
    FONTOUT_PackRow(doc, code, g, y, o, frame, row.data());
    FONTOUT_Write(out, row.data(), static_cast<size_t>(g.BytesPerLine));
  }
}
