// Font document: records, enabling rules, pixel planes, frames, availability,
// range list and the font metrics the writers need.
#include "font/model/font_doc.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/host/app_host.h"
#include "common/memory/large_block.h"
#include "font/model/sjis.h"

static void release_planes(FontChar* c) {
  std::free(c->pPixels);
  std::free(c->pFrame);
  c->pPixels = nullptr;
  c->pFrame = nullptr;
  c->PlaneSize = 0;
}

FontDoc* FONT_CreateEmpty() {
  // 65,536 records, most of them touched while a font is read or made.
  FontDoc* doc = static_cast<FontDoc*>(MEM_AllocLargeBlock(sizeof(FontDoc)));
  if (doc) std::memset(static_cast<void*>(doc), 0, sizeof(FontDoc));
  if (doc) doc->CurrentChar = 'A';  // the one field that does not start at zero
  return doc;
}

void FONT_Destroy(FontDoc* doc) {
  if (!doc) return;
  FONT_SetGlyphSource(doc, nullptr);
  for (FontChar& c : doc->aChar)
    if (c.PlaneSize || c.pPixels || c.pFrame) release_planes(&c);
  std::free(doc->paSegStart);
  std::free(doc->paSegEnd);
  std::free(doc->pHeaderComment);
  std::free(doc);
}

int FONT_BitsPerPixel(int type) {
  switch (type) {
    case FONT_TYPE_STD:
    case FONT_TYPE_EXT:
    case FONT_TYPE_EXT_FRM:
      return 1;
    case FONT_TYPE_AA2:
    case FONT_TYPE_EXT_AA2:
      return 2;
    case FONT_TYPE_AA4:
    case FONT_TYPE_EXT_AA4:
      return 4;
    default:
      return 0;
  }
}

int FONT_MaxPixelValue(int type) {
  int bpp = FONT_BitsPerPixel(type);
  return bpp ? (1 << bpp) - 1 : 0;
}

int FONT_BytesPerLine(int type, int width) {
  int bpp = FONT_BitsPerPixel(type);
  if (!bpp || width <= 0) return 0;
  int perByte = 8 / bpp;
  return (width + perByte - 1) / perByte;
}

bool FONT_IsExtended(int type) { return type >= FONT_TYPE_EXT && type <= FONT_TYPE_EXT_AA4; }

int FONT_NumCodes(const FontDoc* doc) {
  int n = doc->NumBlocks * 16;
  if (n < 0) return 0;
  return n > FONT_NUM_CODES ? FONT_NUM_CODES : n;
}

void FONT_SetCurrentChar(FontDoc* doc, unsigned code) {
  doc->CurrentChar = code < static_cast<unsigned>(FONT_NumCodes(doc)) ? code : 0;
}

const char* FONT_SetPath(FontDoc* doc, const char* path) {
  std::snprintf(doc->acPath, sizeof(doc->acPath), "%s", path ? path : "");
  const char* slash = std::strrchr(doc->acPath, '/');
  return slash ? slash + 1 : doc->acPath;
}

static void mark_block_used(FontDoc* doc, unsigned block) {
  if (block >= FONT_NUM_BLOCKS) return;
  if (!doc->aBlock[block].Used) {
    doc->aBlock[block].Used = 1;
    ++doc->UsedBlocks;
  }
}

void FONT_SetEnabled(FontDoc* doc, unsigned code, int value) {
  if (code >= FONT_NUM_CODES) return;
  doc->aChar[code].Enabled = value ? 1 : 0;
  if (value) mark_block_used(doc, code >> 4);
}

void FONT_EnableRange(FontDoc* doc, unsigned first, unsigned last, int value) {
  if (last >= FONT_NUM_CODES) last = FONT_NUM_CODES - 1;
  for (unsigned c = first; c <= last; ++c) FONT_SetEnabled(doc, c, value);
}

void FONT_EnableBlock(FontDoc* doc, unsigned block, int value) {
  if (block >= FONT_NUM_BLOCKS) return;
  if (value) mark_block_used(doc, block);
  for (unsigned c = block * 16; c < block * 16 + 16; ++c) doc->aChar[c].Enabled = value ? 1 : 0;
}

bool FONT_AllocPlanes(FontDoc* doc, unsigned code, int width, int rows) {
  if (code >= FONT_NUM_CODES) return false;
  FontChar* c = &doc->aChar[code];
  release_planes(c);
  c->Width = width;
  int bpl = FONT_BytesPerLine(doc->Type, width);
  if (rows <= 0 || bpl <= 0) return true;
  size_t size = static_cast<size_t>(rows) * static_cast<size_t>(bpl);
  if (size > 0xFFFFFFFFu) return false;
  c->pPixels = static_cast<uint8_t*>(std::calloc(size, 1));
  if (!c->pPixels) return false;
  if (doc->Type == FONT_TYPE_EXT_FRM) {
    c->pFrame = static_cast<uint8_t*>(std::calloc(size, 1));
    if (!c->pFrame) {
      release_planes(c);
      return false;
    }
  }
  c->PlaneSize = static_cast<uint32_t>(size);
  return true;
}

int FONT_PlaneRows(const FontDoc* doc, unsigned code) {
  if (code >= FONT_NUM_CODES) return 0;
  const FontChar& c = doc->aChar[code];
  int bpl = FONT_BytesPerLine(doc->Type, c.Width);
  if (!bpl || !c.PlaneSize) return 0;
  return static_cast<int>(c.PlaneSize / static_cast<uint32_t>(bpl));
}

// Locates pixel (x, y) of a plane; false outside it.
static bool locate(const FontDoc* doc, const FontChar& c, int x, int y, size_t* index, int* shift) {
  int bpp = FONT_BitsPerPixel(doc->Type);
  if (!bpp || x < 0 || y < 0 || x >= c.Width || !c.pPixels) return false;
  int perByte = 8 / bpp;
  size_t bpl = static_cast<size_t>((c.Width + perByte - 1) / perByte);
  size_t i = static_cast<size_t>(y) * bpl + static_cast<size_t>(x / perByte);
  if (i >= c.PlaneSize) return false;
  *index = i;
  *shift = (x % perByte) * bpp;
  return true;
}

int FONT_GetPixel(const FontDoc* doc, unsigned code, int x, int y) {
  if (code >= FONT_NUM_CODES) return 0;
  const FontChar& c = doc->aChar[code];
  size_t i;
  int shift;
  if (!locate(doc, c, x, y, &i, &shift)) return 0;
  if (c.pFrame && ((c.pFrame[i] >> shift) & 1)) return -1;
  int bpp = FONT_BitsPerPixel(doc->Type);
  return (c.pPixels[i] >> shift) & ((1 << bpp) - 1);
}

void FONT_SetPixel(FontDoc* doc, unsigned code, int x, int y, int value) {
  if (code >= FONT_NUM_CODES) return;
  FontChar& c = doc->aChar[code];
  size_t i;
  int shift;
  if (!locate(doc, c, x, y, &i, &shift)) return;
  if (value < 0) {
    if (c.pFrame) c.pFrame[i] = static_cast<uint8_t>(c.pFrame[i] | (1u << shift));
    return;
  }
  int bpp = FONT_BitsPerPixel(doc->Type);
  unsigned mask = ((1u << bpp) - 1u) << shift;
  unsigned v = (static_cast<unsigned>(value) << shift) & mask;
  c.pPixels[i] = static_cast<uint8_t>((c.pPixels[i] & ~mask) | v);
  if (c.pFrame) c.pFrame[i] = static_cast<uint8_t>(c.pFrame[i] & ~(1u << shift));
}

static bool ink_at(const FontDoc* doc, unsigned code, int x, int y) {
  const FontChar& c = doc->aChar[code];
  size_t i;
  int shift;
  if (!locate(doc, c, x, y, &i, &shift)) return false;
  return (c.pPixels[i] >> shift) & 1;
}

void FONT_ComputeFrame(FontDoc* doc, unsigned code) {
  if (doc->Type != FONT_TYPE_EXT_FRM || code >= FONT_NUM_CODES) return;
  FontChar& c = doc->aChar[code];
  if (!c.pFrame) return;
  int rows = FONT_PlaneRows(doc, code);
  static const int dx[4] = {-1, 1, 0, 0};
  static const int dy[4] = {0, 0, -1, 1};
  for (int y = 0; y < rows; ++y)
    for (int x = 0; x < c.Width; ++x) {
      if (!ink_at(doc, code, x, y)) continue;
      for (int k = 0; k < 4; ++k) {
        int nx = x + dx[k], ny = y + dy[k];
        if (nx < 0 || ny < 0 || nx >= c.Width || ny >= rows) continue;
        if (!ink_at(doc, code, nx, ny)) FONT_SetPixel(doc, code, nx, ny, -1);
      }
    }
}

void FONT_RecomputeFrame(FontDoc* doc, unsigned code) {
  if (doc->Type != FONT_TYPE_EXT_FRM || code >= FONT_NUM_CODES) return;
  FontChar& c = doc->aChar[code];
  if (c.pFrame) std::memset(c.pFrame, 0, c.PlaneSize);
  FONT_ComputeFrame(doc, code);
}

void FONT_SetGlyphSource(FontDoc* doc, FontGlyphSource* source) {
  if (doc->pSource == source) return;
  delete doc->pSource;
  doc->pSource = source;
}

void FONT_InitAvailability(FontDoc* doc) {
  if (doc->Encoding == FONT_ENC_ISO8859) doc->HasUnicodeMap = 0;
  doc->NumBlocks = doc->HasUnicodeMap ? FONT_NUM_BLOCKS : 16;
  for (FontBlock& b : doc->aBlock) {
    b.Used = 0;
    b.AreaIndex = -1;
  }
  doc->UsedBlocks = 0;
  const bool withMap = doc->HasUnicodeMap && doc->paSegStart && doc->paSegEnd;
  if (withMap) {
    for (int s = 0; s < doc->NumSegments; ++s)
      for (unsigned c = doc->paSegStart[s]; c <= doc->paSegEnd[s]; ++c) {
        unsigned block = doc->Encoding == FONT_ENC_SJIS ? SJIS_FromUnicode(c) >> 4 : c >> 4;
        mark_block_used(doc, block);
      }
  }
  for (FontChar& c : doc->aChar) {
    c.Enabled = c.Generated = c.Available = 0;
    c.GlyphHeight = doc->Lf.Height < 0 ? -doc->Lf.Height : doc->Lf.Height;
  }
  if (!withMap) {
    for (unsigned c = 0; c < 256; ++c) {
      doc->aChar[c].Available = 1;
      doc->aChar[c].Enabled = (c < 32 || (c >= 128 && c < 160)) ? 0 : 1;
    }
  } else {
    for (int s = 0; s < doc->NumSegments; ++s)
      for (unsigned c = doc->paSegStart[s]; c <= doc->paSegEnd[s]; ++c) {
        unsigned code = c;
        if (doc->Encoding == FONT_ENC_SJIS) {
          code = SJIS_FromUnicode(c);
          if (!code) continue;
        }
        doc->aChar[code].Available = 1;
        doc->aChar[code].Enabled = 1;
      }
  }
  FONT_AssignAreas(doc);
}

void FONT_AssignAreas(FontDoc* doc) {
  int numAreas = doc->HasUnicodeMap ? FONT_NUM_AREAS : FONT_NUM_AREAS_8BIT;
  int block = 0;
  for (int a = 0; a < numAreas && block < FONT_NUM_BLOCKS; ++a)
    for (int n = FONT_GetAreaLength(a); n > 0 && block < FONT_NUM_BLOCKS; --n)
      doc->aBlock[block++].AreaIndex = a;
}

void FONT_RenderChar(FontDoc* doc, unsigned code) {
  if (code >= FONT_NUM_CODES) return;
  FontChar& c = doc->aChar[code];
  if (!c.Available || !doc->pSource) return;
  doc->pSource->RenderChar(doc, code);
  c.Generated = 1;
}

void FONT_PrepareForSaving(FontDoc* doc) {
  bool disabled = false;
  int n = FONT_NumCodes(doc);
  for (int code = 0; code < n; ++code) {
    FontChar& c = doc->aChar[code];
    if (c.Enabled && c.Available && !c.Generated) {
      if ((code & 0xFF) == 0) {
        char acText[40];
        std::snprintf(acText, sizeof(acText), "Reading character %04X   ", code);
        HOST_Get()->ShowProgress(acText);
      }
      FONT_RenderChar(doc, static_cast<unsigned>(code));
    }
    if (c.Enabled && c.Width == 0) {
      c.Enabled = 0;
      disabled = true;
    }
  }
  HOST_Get()->ShowStatus("Ready");
  if (disabled) HOST_Get()->Redraw();
}

FontRangeList FONT_BuildRangeList(const FontDoc* doc) {
  FontRangeList list;
  int n = FONT_NumCodes(doc);
  for (int code = 0; code < n; ++code) {
    if (!doc->aChar[code].Enabled) continue;
    int last = code;
    while (last + 1 < n && doc->aChar[last + 1].Enabled) ++last;
    list.aRange.push_back(FontRange{static_cast<uint16_t>(code), static_cast<uint16_t>(last)});
    list.NumCodes += last - code + 1;
    code = last;
  }
  return list;
}

static bool row_has_ink(const FontDoc* doc, unsigned code, int row) {
  const FontChar& c = doc->aChar[code];
  for (int x = 0; x < c.Width; ++x)
    if (FONT_GetPixel(doc, code, x, row) != 0) return true;
  return false;
}

static void ensure_rendered(FontDoc* doc, unsigned code) {
  if (!doc->aChar[code].Generated) FONT_RenderChar(doc, code);
}

static int compute_baseline(FontDoc* doc) {
  const unsigned a = 'a';
  ensure_rendered(doc, a);
  if (doc->Type == FONT_TYPE_EXT || doc->Type == FONT_TYPE_EXT_FRM) return doc->Baseline;
  if (doc->Type <= FONT_TYPE_AA4) {
    for (int row = doc->Height - 1; row >= 0; --row)
      if (row_has_ink(doc, a, row)) return row + 1;
    return 0;
  }
  if (doc->Type == FONT_TYPE_EXT_AA2 || doc->Type == FONT_TYPE_EXT_AA4) {
    const FontChar& c = doc->aChar[a];
    int offset = doc->Baseline - c.TopAboveBaseline;  // cell row of bitmap row 0
    int rows = FONT_PlaneRows(doc, a);
    for (int row = offset + c.GlyphHeight - 1; row >= 0; --row) {
      int bitmapRow = row - offset;
      if (bitmapRow < 0 || bitmapRow >= rows) continue;
      if (row_has_ink(doc, a, bitmapRow)) return row < doc->Height ? row + 1 : row;
    }
  }
  return 0;
}

static int compute_height(FontDoc* doc, unsigned code, int baseline) {
  ensure_rendered(doc, code);
  if (FONT_IsExtended(doc->Type)) return doc->aChar[code].GlyphHeight;
  if (baseline == 0) return 0;
  for (int row = baseline - 2; row >= 0; --row)
    if (!row_has_ink(doc, code, row)) return baseline - row - 1;
  return baseline;
}

FontMetrics FONT_ComputeMetrics(FontDoc* doc) {
  FontMetrics m;
  m.Baseline = compute_baseline(doc);
  m.LHeight = compute_height(doc, 'e', m.Baseline);
  m.CHeight = compute_height(doc, 'A', m.Baseline);
  return m;
}
