// Helpers of the font tests: character tables built once, hand-made documents, a
// recording host and whole-file reads. Generated documents: generated_font.h.
#pragma once

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "common/host/app_host.h"
#include "font/model/font_doc.h"
#include "font/model/font_message.h"
#include "font/model/sjis.h"
#include "font/model/unicode_data.h"
#include "support/recording_host.h"

namespace fonttest {

inline void init_tables() {
  static bool done;
  if (done) return;
  done = true;
  SJIS_BuildLookups();
  UNICODE_BuildLookups();
}

// Leaves exactly the codes first..last enabled (plus what the caller adds later).
inline void enable_only(FontDoc* doc, unsigned first, unsigned last) {
  FONT_EnableRange(doc, 0, 0xFFFF, 0);
  FONT_EnableRange(doc, first, last, 1);
}

inline std::string slurp(const std::string& path) {
  std::string s;
  FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return s;
  char buf[65536];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof(buf), f)) > 0) s.append(buf, n);
  std::fclose(f);
  return s;
}

// Installs a recording host for the lifetime of a test.
struct HostScope {
  RecordingHost Host;
  HostScope() {
    HOST_Set(&Host);
    FONTMSG_Reset();
  }
  ~HostScope() { HOST_Set(nullptr); }
};

}  // namespace fonttest

namespace fonttest {

// A hand-made document of 16-bit codes whose glyphs the test sets pixel by pixel.
inline FontDoc* make_manual(int type, int height, int baseline = 0) {
  FontDoc* doc = FONT_CreateEmpty();
  doc->Type = type;
  doc->Height = height;
  doc->Baseline = baseline;
  doc->HasUnicodeMap = 1;
  doc->NumBlocks = FONT_NUM_BLOCKS;
  for (FontBlock& b : doc->aBlock) b.AreaIndex = -1;
  return doc;
}

// Adds a glyph; for extended types rows = glyph height, else the font height.
inline void add_glyph(FontDoc* doc, unsigned code, int width, int rows, int xPos = 0, int top = 0,
                      int cursor = 0) {
  FONT_AllocPlanes(doc, code, width, rows);
  FontChar& c = doc->aChar[code];
  c.XPos = xPos;
  c.TopAboveBaseline = top;
  c.CursorDist = cursor;
  c.GlyphHeight = rows;
  c.Available = 1;
  c.Generated = 1;
  FONT_SetEnabled(doc, code, 1);
}

// Every pixel of a glyph plane, row by row (frame pixels as -1).
inline std::vector<int> glyph_pixels(const FontDoc* doc, unsigned code) {
  std::vector<int> v;
  for (int y = 0; y < FONT_PlaneRows(doc, code); ++y)
    for (int x = 0; x < doc->aChar[code].Width; ++x) v.push_back(FONT_GetPixel(doc, code, x, y));
  return v;
}

}  // namespace fonttest
