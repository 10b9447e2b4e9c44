// Output of the font writers over the shared buffered writer, and the pixel packing
// they share. The first failed write is reported once ("Writing error").
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "common/output/buffered_writer.h"

#include "font/model/font_doc.h"

struct FontSaveOptions {
  int Compatibility = 0;  // 1: "V3.50x or older"
  int MagX = 1;
  int MagY = 1;
  int SuppressLogging = 0;
};

struct FontOutput {
  std::unique_ptr<OutWriter> pWriter;
  bool Failed = false;  // a write failed ("Writing error" has been reported)
  char* pRoom = nullptr;     // the room FONTOUT_Room gave last
  std::vector<char> aSpill;  // room larger than the writer's buffer (empty but meanwhile)
};

void FONTOUT_Init(FontOutput* out, FILE* file);
void FONTOUT_Write(FontOutput* out, const void* data, size_t size);
void FONTOUT_Text(FontOutput* out, const char* text);
void FONTOUT_Printf(FontOutput* out, const char* format, ...) __attribute__((format(printf, 2, 3)));
void FONTOUT_U8(FontOutput* out, unsigned v);
void FONTOUT_U16(FontOutput* out, unsigned v);  // little-endian, modulo 65536
void FONTOUT_U32(FontOutput* out, uint32_t v);
// Formatting straight into the output: room for n bytes (any n), then FONTOUT_Advance with
// the end of what was written there (before any other output call).
char* FONTOUT_RoomSlow(FontOutput* out, size_t n);
inline char* FONTOUT_Room(FontOutput* out, size_t n) {
  OutWriter* w = out->pWriter.get();
  if (n > OUT_BUFFER_SIZE - w->NumBytes) return FONTOUT_RoomSlow(out, n);
  return out->pRoom = reinterpret_cast<char*>(w->aBuffer + w->NumBytes);
}
void FONTOUT_Advance(FontOutput* out, const char* end);
// Writes what is buffered; returns false when the file write failed.
bool FONTOUT_Flush(FontOutput* out);

// Magnified geometry of a character as every writer stores it, computed once per glyph.
struct FontCharGeometry {
  int Width;              // W = width x MagX
  int BytesPerLine;       // B
  int Rows;               // Y
  int PlaneBytesPerLine;  // bytes of one row of the document's planes
};
FontCharGeometry FONTOUT_Geometry(const FontDoc* doc, unsigned code, const FontSaveOptions& o);
// Reorders the pixels of a byte between the planes' order (first pixel in the low bits)
// and the files' (first pixel in the high bits); the same table serves both ways.
const uint8_t* FONTOUT_PixelOrder(int bpp);
// Packs output row y of a glyph of geometry g, first pixel in the most significant
// bits. frame: the frame plane (1 where the pixel is -1); otherwise negative values
// count as 0.
void FONTOUT_PackRow(const FontDoc* doc, unsigned code, const FontCharGeometry& g, int y,
                     const FontSaveOptions& o, bool frame, uint8_t* out);
// Writes every packed row of one glyph plane (pixels, or the frame plane).
void FONTOUT_WritePlane(FontOutput* out, const FontDoc* doc, unsigned code, const FontSaveOptions& o,
                        bool frame);
// Baseline, lowercase and capital height as written (each modulo 65536).
FontMetrics FONTOUT_FileMetrics(FontDoc* doc, bool requireEA);
