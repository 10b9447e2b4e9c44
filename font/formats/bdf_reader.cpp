// BDF reader.
#include "font/formats/bdf_reader.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <vector>

#include "common/host/app_host.h"
#include "font/formats/font_file.h"
#include "font/formats/font_output.h"
#include "font/model/edit_log.h"
#include "font/model/font_messages.h"

namespace {

// Character classes of the scanner, one table lookup per character.
enum : uint8_t { kWord = 1, kSeparator = 2, kBlank = 4, kLineEnd = 8 };
// Hex digit value, 16 for a character that ends a bitmap row, 17 for anything else.
enum : uint8_t { kRowEnd = 16, kNotHex = 17 };

struct CharTables {
  uint8_t Class[256] = {};
  uint8_t Hex[256] = {};
  constexpr CharTables() {
    for (int c = 0; c < 256; ++c) {
      if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_') Class[c] |= kWord;
      Hex[c] = kNotHex;
    }
    for (const char* p = " .,:;[]{}()+-/*^|&=\r\n"; *p; ++p) Class[static_cast<uint8_t>(*p)] |= kSeparator;
    Class[' '] |= kBlank;
    Class['\t'] |= kBlank;
    Class['\r'] |= kLineEnd;
    Class['\n'] |= kLineEnd;
    for (int c = '0'; c <= '9'; ++c) Hex[c] = static_cast<uint8_t>(c - '0');
    for (int c = 'a'; c <= 'f'; ++c) Hex[c] = static_cast<uint8_t>(c - 'a' + 10);
    for (int c = 'A'; c <= 'F'; ++c) Hex[c] = static_cast<uint8_t>(c - 'A' + 10);
    Hex[' '] = Hex['\t'] = Hex['\r'] = Hex['\n'] = kRowEnd;
  }
};
constexpr CharTables kTables;

inline uint8_t char_class(char c) { return kTables.Class[static_cast<uint8_t>(c)]; }

struct Cursor {
  const char* p;
  size_t size;
  size_t pos = 0;
  bool ok = true;

  char at() const { return pos < size ? p[pos] : '\0'; }
  bool end() const { return pos >= size; }
  void blanks() {
    while (pos < size && (char_class(p[pos]) & kBlank)) ++pos;
  }
  // The word at the start of a line; empty (a failure for the caller) otherwise.
  std::string_view word() {
    blanks();
    const size_t start = pos;
    const size_t limit = size - start < 255 ? size : start + 255;
    while (pos < limit && (char_class(p[pos]) & kWord)) ++pos;
    if (pos == start || !(end() || (char_class(p[pos]) & kSeparator))) {
      pos = start;
      return {};
    }
    return std::string_view(p + start, pos - start);
  }
  void next_line() {
    while (pos < size && !(char_class(p[pos]) & kLineEnd)) ++pos;
    // A pair of line-end characters (CR LF, or an empty line after LF) is one line end.
    if (pos < size) {
      ++pos;
      if (pos < size && (char_class(p[pos]) & kLineEnd)) ++pos;
    }
  }
  long number() {
    if (at() == ',') ++pos;
    blanks();
    if (end()) {
      ok = false;
      return 0;
    }
    bool negative = at() == '-';
    if (negative) ++pos;
    if (!(at() >= '0' && at() <= '9')) {
      ok = false;
      return 0;
    }
    long v = 0;
    while (at() >= '0' && at() <= '9') {
      if (v < 100000000) v = v * 10 + (at() - '0');
      ++pos;
    }
    return negative ? -v : v;
  }
};

int hex_digit(char c) {
  const uint8_t v = kTables.Hex[static_cast<uint8_t>(c)];
  return v < 16 ? v : -1;
}

struct Glyph {
  long Code = -1, Advance = 0, Width = 0, Height = 0, XOff = 0, YOff = 0;
  bool HasCode = false, HasAdvance = false, HasBox = false;
};

// Walks the BITMAP rows, calling ink(x, y) for every set pixel inside the width;
// false when a row is missing, empty or holds a character that is not a hex digit.
template <typename F>
bool walk_rows(Cursor* c, const Glyph& g, F ink) {
  for (long y = 0; y < g.Height; ++y) {
    c->next_line();
    c->blanks();
    if (c->end()) return false;
    const size_t start = c->pos;
    long x = 0;
    while (!c->end() && c->at() != '\r' && c->at() != '\n' && c->at() != ' ' && c->at() != '\t') {
      const int d = hex_digit(c->at());
      if (d < 0) return false;
      if (d && x < g.Width)
        for (int bit = 0; bit < 4; ++bit)
          if (x + bit < g.Width && (d >> (3 - bit) & 1)) ink(x + bit, y);
      x += 4;
      ++c->pos;
    }
    if (c->pos == start) return false;
  }
  return true;
}

// Charges a trimmed glyph of w x h pixels to the budget and gives its record planes and
// metrics. False when the budget or the memory runs out; *ch stays null for a code
// outside 0..0xFFFF (read and dropped).
bool place_glyph(FontDoc* doc, const Glyph& g, long minX, long minY, long w, long h, size_t* budget,
                 FontChar** ch) {
  const size_t bpl = static_cast<size_t>((w + 7) / 8);
  const size_t bytes = w > 0 && h > 0 ? bpl * static_cast<size_t>(h) : 0;
  if (bytes > *budget) return false;
  *budget -= bytes;
  if (g.Code < 0 || g.Code > 0xFFFF) return true;
  const unsigned code = static_cast<unsigned>(g.Code);
  if (!FONT_AllocPlanes(doc, code, static_cast<int>(w), static_cast<int>(h))) return false;
  FontChar& c = doc->aChar[code];
  c.GlyphHeight = static_cast<int>(h);
  c.XPos = static_cast<int>(g.XOff + minX);
  c.TopAboveBaseline = static_cast<int>(g.Height + g.YOff - minY);
  c.CursorDist = static_cast<int>(g.Advance);
  c.StoredBytesPerLine = static_cast<int>(bpl);
  *ch = &c;
  return true;
}

// A glyph whose pixels are in place: generated, available and enabled.
void finish_glyph(FontDoc* doc, FontChar* ch, const Glyph& g) {
  ch->Generated = ch->Available = 1;
  FONT_SetEnabled(doc, static_cast<unsigned>(g.Code), 1);
}

// Reads the BITMAP rows and stores the glyph trimmed to its ink (at least 1 x 1). The
// rows are walked twice: for the ink's bounds, then into the planes.
// Narrow glyphs (the common case) in one walk: each row becomes a 64-bit mask, pixel x
// at bit 63 - x. Rows are collected as they are read, so a claimed height costs nothing.
bool read_narrow_bitmap(Cursor* c, FontDoc* doc, const Glyph& g, size_t* budget) {
  static std::vector<uint64_t> rows;
  rows.clear();
  const uint64_t widthMask = g.Width >= 64 ? ~0ull : ~(~0ull >> g.Width);
  uint64_t all = 0;
  long minY = -1, maxY = -1;
  const char* const text = c->p;
  const size_t size = c->size;
  for (long y = 0; y < g.Height; ++y) {
    c->next_line();
    c->blanks();
    size_t pos = c->pos;
    if (pos >= size) return false;
    const size_t start = pos;
    uint64_t m = 0;
    int shift = 60;
    // Rows of two or four digits (fonts up to 16 pixels wide) without the loop.
    if (size - pos >= 5) {
      const uint8_t* t = reinterpret_cast<const uint8_t*>(text + pos);
      const uint8_t d0 = kTables.Hex[t[0]], d1 = kTables.Hex[t[1]], d2 = kTables.Hex[t[2]];
      if ((d0 | d1) < 16) {
        if (d2 == kRowEnd) {
          m = static_cast<uint64_t>(d0) << 60 | static_cast<uint64_t>(d1) << 56;
          pos += 2, shift = -1;
        } else {
          const uint8_t d3 = kTables.Hex[t[3]];
          if ((d2 | d3) < 16 && kTables.Hex[t[4]] == kRowEnd) {
            m = static_cast<uint64_t>(d0) << 60 | static_cast<uint64_t>(d1) << 56 |
                static_cast<uint64_t>(d2) << 52 | static_cast<uint64_t>(d3) << 48;
            pos += 4, shift = -1;
          }
        }
      }
    }
    for (; pos < size; ++pos) {
      const uint8_t d = kTables.Hex[static_cast<uint8_t>(text[pos])];
      if (d == kRowEnd) break;
      if (d == kNotHex) return false;
      if (shift >= 0) m |= static_cast<uint64_t>(d) << shift;
      shift -= 4;
    }
    c->pos = pos;
    if (pos == start) return false;
    m &= widthMask;
    if (m) {
      if (minY < 0) minY = y;
      maxY = y;
    }
    all |= m;
    rows.push_back(m);
  }
  long minX = 0, w = 1, h = 1;
  if (g.Width == 0 || g.Height == 0) {  // nothing to trim: a record without planes
    w = g.Width;
    h = g.Height;
  } else if (all) {
    minX = __builtin_clzll(all);
    w = 63 - __builtin_ctzll(all) - minX + 1;
    h = maxY - minY + 1;
  } else {
    minY = 0;
  }
  if (minY < 0) minY = 0;
  FontChar* ch = nullptr;
  if (!place_glyph(doc, g, minX, minY, w, h, budget, &ch)) return false;
  if (!ch) return true;
  const size_t bpl = static_cast<size_t>(ch->StoredBytesPerLine);
  const uint8_t* order = FONTOUT_PixelOrder(1);  // file order (first pixel high) to plane order
  if (ch->pPixels && all)
    for (long y = 0; y < h; ++y) {
      const uint64_t m = rows[static_cast<size_t>(minY + y)] << minX;
      for (size_t b = 0; b < bpl; ++b)
        ch->pPixels[static_cast<size_t>(y) * bpl + b] = order[static_cast<uint8_t>(m >> (56 - 8 * b))];
    }
  finish_glyph(doc, ch, g);
  return true;
}

bool read_bitmap(Cursor* c, FontDoc* doc, const Glyph& g, size_t* budget) {
  if (g.Width <= 64) return read_narrow_bitmap(c, doc, g, budget);
  long minX = g.Width, maxX = -1, minY = g.Height, maxY = -1;
  const size_t rowsStart = c->pos;
  if (!walk_rows(c, g, [&](long x, long y) {
        if (x < minX) minX = x;
        if (x > maxX) maxX = x;
        if (y < minY) minY = y;
        if (y > maxY) maxY = y;
      }))
    return false;
  if (maxX < 0) minX = maxX = minY = maxY = 0;
  if (g.Width == 0 || g.Height == 0) {  // nothing to trim: a record without planes
    minX = minY = 0;
    maxX = g.Width - 1;
    maxY = g.Height - 1;
  }
  const long w = maxX - minX + 1, h = maxY - minY + 1;
  FontChar* pch = nullptr;
  if (!place_glyph(doc, g, minX, minY, w, h, budget, &pch)) return false;
  if (!pch) return true;
  FontChar& ch = *pch;
  uint8_t* plane = ch.pPixels;
  const size_t bpl = static_cast<size_t>(ch.StoredBytesPerLine);
  if (plane) {
    const size_t rowsEnd = c->pos;
    c->pos = rowsStart;
    walk_rows(c, g, [&](long x, long y) {
      const size_t i = static_cast<size_t>(y - minY) * bpl + static_cast<size_t>(x - minX) / 8;
      if (i < ch.PlaneSize) plane[i] = static_cast<uint8_t>(plane[i] | 1u << ((x - minX) % 8));
    });
    c->pos = rowsEnd;
  }
  finish_glyph(doc, pch, g);
  return true;
}

bool read_char(Cursor* c, FontDoc* doc, size_t* budget) {
  if (c->word() != "STARTCHAR") return false;
  Glyph g;
  for (;;) {
    c->next_line();
    if (c->end()) return false;
    const std::string_view w = c->word();
    if (w.empty()) return false;
    if (w == "BITMAP") break;
    if (w == "ENCODING") {
      g.Code = c->number();
      g.HasCode = true;
    } else if (w == "DWIDTH") {
      g.Advance = c->number();
      g.HasAdvance = true;
    } else if (w == "BBX") {
      g.Width = c->number();
      g.Height = c->number();
      g.XOff = c->number();
      g.YOff = c->number();
      g.HasBox = true;
    }
    if (!c->ok) return false;
  }
  if (!g.HasCode || !g.HasAdvance || !g.HasBox || g.Width < 0 || g.Height < 0) return false;
  if (!read_bitmap(c, doc, g, budget)) return false;
  c->next_line();
  return c->word() == "ENDCHAR";
}

}  // namespace

FontDoc* BDF_Parse(const char* data, size_t size, void (*progress)(int percent)) {
  FontDoc* doc = FONT_CreateEmpty();
  if (!doc) return nullptr;
  Cursor c{data, size};
  bool box = false, ok = false;
  long boxW = 0, boxH = 0, boxY = 0;
  // Pixel memory is bounded by the file: each glyph row costs at least two characters.
  size_t budget = size * 4 + 4096;
  while (!c.end()) {
    const std::string_view w = c.word();
    if (w.empty()) break;
    if (w == "FONTBOUNDINGBOX") {
      boxW = c.number();
      boxH = c.number();
      c.number();
      boxY = c.number();
      if (!c.ok) break;
      box = true;
    } else if (w == "CHARS") {
      if (!box) break;
      const long count = c.number();
      if (!c.ok || count < 0) break;
      doc->Type = FONT_TYPE_EXT;
      doc->Height = static_cast<int>(boxH);
      doc->Baseline = static_cast<int>(boxH + boxY);
      doc->MaxWidth = static_cast<int>(boxW);
      doc->HasUnicodeMap = 1;
      doc->Encoding = FONT_ENC_UNICODE;
      doc->NumBlocks = FONT_NUM_BLOCKS;
      ok = true;
      for (long i = 0; i < count && ok; ++i) {
        if (progress && i % 20 == 0) progress(static_cast<int>(i * 100 / count));
        c.next_line();
        ok = read_char(&c, doc, &budget);
      }
      if (ok) {
        c.next_line();
        ok = c.word() == "ENDFONT";
      }
      break;
    }
    c.next_line();
  }
  if (!ok || boxH < 0 || boxH > 0xFFFF || boxW < 0 || boxW > 0xFFFF) {
    FONT_Destroy(doc);
    return nullptr;
  }
  FONT_AssignAreas(doc);
  return doc;
}

static void show_progress(int percent) {
  char ac[64];
  std::snprintf(ac, sizeof(ac), "Reading characters, %i%% done.", percent);
  HOST_Get()->ShowStatus(ac);
}

FontDoc* BDF_Read(const char* path) {
  FontFileData file;
  if (FONTFILE_Load(path, &file) != FONTFILE_OK) {
    FONTMSG_ReportMsg(FONTMSG_OPEN_FAILED);
    return nullptr;
  }
  HOST_Get()->SetWaitCursor(true);
  FontDoc* doc = BDF_Parse(file.pData ? file.pData : "", file.Size, show_progress);
  if (doc) FONT_SetPath(doc, path);
  HOST_Get()->SetWaitCursor(false);
  HOST_Get()->ShowStatus("Ready");
  EDITLOG_Clear();
  if (!doc) FONTMSG_ReportMsg(FONTMSG_CREATE_FAILED);
  return doc;
}
