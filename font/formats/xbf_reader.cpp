// XBF reader. Every field is read through bounds-checked little-endian helpers; the
// total pixel memory a file can make the reader allocate is capped.
#include "font/formats/xbf_reader.h"

#include <cstdio>
#include <cstring>

#include "common/host/app_host.h"
#include "font/model/edit_log.h"
#include "font/model/font_messages.h"

namespace {

// Offsets of the header fields.
enum {
  HDR_MAGIC = 0,
  HDR_HEIGHT = 4,
  HDR_LINE_DIST = 6,
  HDR_BASELINE = 8,
  HDR_LHEIGHT = 10,
  HDR_CHEIGHT = 12,
  HDR_FIRST = 14,
  HDR_LAST = 16,
  HDR_SIZE = 18,
  ENTRY_SIZE = 6,
};

const size_t MAX_PIXEL_BYTES = 256u << 20;

struct Reader {
  const uint8_t* p;
  size_t size;
  bool ok;
  unsigned u16(size_t off) {
    if (off > size || size - off < 2) {
      ok = false;
      return 0;
    }
    return static_cast<unsigned>(p[off] | p[off + 1] << 8);
  }
  uint32_t u32(size_t off) {
    if (off > size || size - off < 4) {
      ok = false;
      return 0;
    }
    return static_cast<uint32_t>(p[off]) | static_cast<uint32_t>(p[off + 1]) << 8 |
           static_cast<uint32_t>(p[off + 2]) << 16 | static_cast<uint32_t>(p[off + 3]) << 24;
  }
  bool has(size_t off, size_t n) { return off <= size && size - off >= n; }
};

bool valid_type(int t) {
  return t == FONT_TYPE_STD || t == FONT_TYPE_EXT || t == FONT_TYPE_EXT_FRM ||
         t == FONT_TYPE_EXT_AA2 || t == FONT_TYPE_EXT_AA4;
}

int detect_from_data(const uint8_t* data, size_t size) {
  Reader r{data, size, true};
  unsigned H = r.u16(HDR_HEIGHT);
  unsigned F = r.u16(HDR_FIRST), L = r.u16(HDR_LAST);
  if (!r.ok) return XBF_TYPE_UNKNOWN;
  for (unsigned c = F; c <= L; ++c) {
    size_t entry = HDR_SIZE + static_cast<size_t>(c - F) * ENTRY_SIZE;
    uint32_t off = r.u32(entry);
    unsigned recSize = r.u16(entry + 4);
    uint32_t nextOff = r.u32(entry + ENTRY_SIZE);
    if (!r.ok) return XBF_TYPE_UNKNOWN;
    if (off == 0 || nextOff == 0) continue;
    uint32_t D = nextOff - off;
    unsigned w[6];
    for (int i = 0; i < 6; ++i) w[i] = r.u16(static_cast<size_t>(off) + 2u * static_cast<unsigned>(i));
    if (!r.ok) return XBF_TYPE_UNKNOWN;
    if (w[0] <= 4) continue;
    unsigned b = (w[0] + 7) / 8;
    if (recSize == ((b * H + 4) & 0xFFFF) && w[1] == b && D == recSize) return FONT_TYPE_STD;
    if (w[1] <= 4) continue;
    const unsigned Y = w[2];
    struct Candidate {
      unsigned b;
      unsigned planes;
      int type;
    } candidates[4] = {{(w[1] + 1) / 2, 1, FONT_TYPE_EXT_AA4},
                       {(w[1] + 3) / 4, 1, FONT_TYPE_EXT_AA2},
                       {(w[1] + 7) / 8, 1, FONT_TYPE_EXT},
                       {(w[1] + 7) / 8, 2, FONT_TYPE_EXT_FRM}};
    for (const Candidate& k : candidates) {
      unsigned expect = (k.planes * k.b * Y + 12) & 0xFFFF;
      if (recSize == expect && w[5] == k.b && D == recSize) return k.type;
    }
  }
  return XBF_TYPE_NEEDS_USER;
}

// Unpacks rows x bpl bytes (first pixel in the most significant bits) into a plane.
void unpack(FontDoc* doc, unsigned code, const uint8_t* src, int width, int rows, int bpl, int bpp,
            bool frame) {
  const int perByte = 8 / bpp;
  for (int y = 0; y < rows; ++y) {
    const uint8_t* row = src + static_cast<size_t>(y) * static_cast<size_t>(bpl);
    for (int x = 0; x < width; ++x) {
      int shift = 8 - bpp * (x % perByte + 1);
      int v = (row[x / perByte] >> shift) & ((1 << bpp) - 1);
      if (!v) continue;
      FONT_SetPixel(doc, code, x, y, frame ? -1 : v);
    }
  }
}

}  // namespace

int XBF_DetectType(const uint8_t* data, size_t size, bool suppressDetect) {
  if (!data || size < 3) return XBF_TYPE_UNKNOWN;
  if (size >= 4 && std::memcmp(data + size - 4, "XBF", 3) == 0) return data[size - 1];
  if (suppressDetect) return XBF_TYPE_NEEDS_USER;
  return detect_from_data(data, size);
}

int XBF_Parse(const uint8_t* data, size_t size, int type, FontDoc** result) {
  *result = nullptr;
  if (!valid_type(type)) return XBF_ERR_NO_TYPE;
  Reader r{data, size, true};
  if (!r.has(0, HDR_SIZE)) return XBF_ERR_TRUNCATED;
  if (std::memcmp(data + HDR_MAGIC, "GUIX", 4) != 0) return XBF_ERR_MAGIC;
  const int H = static_cast<int>(r.u16(HDR_HEIGHT));
  const int baseline = static_cast<int>(r.u16(HDR_BASELINE));
  const int lHeight = static_cast<int>(r.u16(HDR_LHEIGHT));
  const int cHeight = static_cast<int>(r.u16(HDR_CHEIGHT));
  const unsigned F = r.u16(HDR_FIRST), L = r.u16(HDR_LAST);
  FontDoc* doc = FONT_CreateEmpty();
  if (!doc) return XBF_ERR_MEMORY;
  doc->Type = type;
  doc->Encoding = FONT_ENC_UNICODE;
  doc->HasUnicodeMap = 1;
  doc->NumBlocks = FONT_NUM_BLOCKS;
  for (FontBlock& b : doc->aBlock) b.AreaIndex = -1;
  const bool ext = FONT_IsExtended(type);
  const int bpp = FONT_BitsPerPixel(type);
  size_t pixelBytes = 0;
  int maxWidth = 0;
  int status = XBF_OK;
  for (unsigned c = F; c <= L && status == XBF_OK; ++c) {
    size_t entry = HDR_SIZE + static_cast<size_t>(c - F) * ENTRY_SIZE;
    uint32_t off = r.u32(entry);
    if (!r.ok) {
      status = XBF_ERR_TRUNCATED;
      break;
    }
    if (off == 0) continue;
    int width, rows, bpl;
    size_t pixels;
    FontChar& ch = doc->aChar[c];
    if (ext) {
      unsigned cursor = r.u16(off), w = r.u16(off + 2), y = r.u16(off + 4);
      int16_t xPos = static_cast<int16_t>(r.u16(off + 6));
      int16_t yPos = static_cast<int16_t>(r.u16(off + 8));
      unsigned b = r.u16(off + 10);
      if (!r.ok) {
        status = XBF_ERR_TRUNCATED;
        break;
      }
      // Glyphs taller than the font are kept: hinted box-drawing and bracket pieces
      // reach a row beyond the cell, and files this program writes must read back.
      width = static_cast<int>(w);
      rows = static_cast<int>(y);
      bpl = static_cast<int>(b);
      pixels = static_cast<size_t>(off) + 12;
      ch.XPos = xPos;
      ch.TopAboveBaseline = baseline - yPos;
      ch.GlyphHeight = rows;
      ch.CursorDist = static_cast<int32_t>(cursor);
    } else {
      width = static_cast<int>(r.u16(off));
      bpl = static_cast<int>(r.u16(off + 2));
      rows = H;
      pixels = static_cast<size_t>(off) + 4;
      if (!r.ok) {
        status = XBF_ERR_TRUNCATED;
        break;
      }
      ch.GlyphHeight = H;
    }
    const size_t planeBytes = static_cast<size_t>(bpl) * static_cast<size_t>(rows);
    const int planes = type == FONT_TYPE_EXT_FRM ? 2 : 1;
    if (!r.has(pixels, planeBytes * static_cast<size_t>(planes))) {
      status = XBF_ERR_TRUNCATED;
      break;
    }
    // Rows must hold the glyph's width; this also bounds the planes by the file size.
    if (FONT_BytesPerLine(type, width) > bpl) {
      status = XBF_ERR_RECORD;
      break;
    }
    pixelBytes += static_cast<size_t>(FONT_BytesPerLine(type, width)) * static_cast<size_t>(rows) *
                  static_cast<size_t>(planes);
    if (pixelBytes > MAX_PIXEL_BYTES) {
      status = XBF_ERR_RECORD;
      break;
    }
    if (!FONT_AllocPlanes(doc, c, width, rows)) {
      status = XBF_ERR_MEMORY;
      break;
    }
    ch.StoredBytesPerLine = bpl;
    if (rows && width) {
      unpack(doc, c, data + pixels, width, rows, bpl, bpp, false);
      if (type == FONT_TYPE_EXT_FRM)
        unpack(doc, c, data + pixels + planeBytes, width, rows, bpl, 1, true);
    }
    FONT_SetEnabled(doc, c, 1);
    ch.Available = 1;
    ch.Generated = 1;
    if (width > maxWidth) maxWidth = width;
  }
  if (status != XBF_OK) {
    FONT_Destroy(doc);
    return status;
  }
  doc->Height = H;
  doc->Baseline = ext ? baseline : 0;
  doc->MaxWidth = maxWidth;
  if (lHeight && cHeight) {
    doc->LHeight = lHeight;
    doc->CHeight = cHeight;
    doc->MetricsKnown = 1;
  }
  // Blocks get their Unicode areas as in a generated 16-bit document.
  int block = 0;
  for (int a = 0; a < FONT_NUM_AREAS && block < FONT_NUM_BLOCKS; ++a)
    for (int n = FONT_GetAreaLength(a); n > 0 && block < FONT_NUM_BLOCKS; --n)
      doc->aBlock[block++].AreaIndex = a;
  *result = doc;
  return XBF_OK;
}

bool XBF_LoadFile(const char* path, FontFileData* file) {
  if (FONTFILE_Load(path, file, XBF_MAX_FILE_BYTES) == FONTFILE_OK) return true;
  FONTMSG_ReportMsg(FONTMSG_OPEN_FAILED);
  return false;
}

int XBF_PreselectedType(const XbfReadOptions& options) {
  return valid_type(options.StoredType) ? options.StoredType : FONT_TYPE_STD;
}

FontDoc* XBF_FromData(const char* path, const FontFileData& file, int type) {
  HOST_Get()->SetWaitCursor(true);
  // The loader's zero byte after the file is the one the parser's callers expect.
  const uint8_t* data = reinterpret_cast<const uint8_t*>(file.pData);
  FontDoc* doc = nullptr;
  int status = type < 0 || !data ? XBF_ERR_NO_TYPE : XBF_Parse(data, file.Size, type, &doc);
  HOST_Get()->SetWaitCursor(false);
  if (status != XBF_OK) {
    FONTMSG_ReportMsg(FONTMSG_CREATE_FAILED);
    return nullptr;
  }
  FONT_SetPath(doc, path);
  HOST_Get()->ShowStatus("Ready");
  EDITLOG_Clear();
  return doc;
}

FontDoc* XBF_Read(const char* path, const XbfReadOptions& options) {
  FontFileData file;
  if (!XBF_LoadFile(path, &file)) return nullptr;
  int type = XBF_DetectType(reinterpret_cast<const uint8_t*>(file.pData), file.Size, options.SuppressDetect);
  if (type == XBF_TYPE_NEEDS_USER) type = XBF_PreselectedType(options);
  return XBF_FromData(path, file, type);
}
