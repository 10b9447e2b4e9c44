// C font file reader: comments and "#if 0" blocks blanked, GUI_FONT found by name,
// ranges from the range structures, then character rows and pixel arrays in file order.
#include "font/formats/c_font_reader.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "common/host/app_host.h"
#include "font/formats/c_text_scanner.h"
#include "font/formats/font_file.h"
#include "font/formats/font_output.h"
#include "font/model/edit_log.h"
#include "font/model/font_messages.h"

namespace {

struct TypeName {
  const char* pName;
  int Type;
};

const TypeName s_aType[] = {
    {"GUI_FONTTYPE_PROP", FONT_TYPE_STD},         {"GUI_FONTTYPE_PROP_AA2", FONT_TYPE_AA2},
    {"GUI_FONTTYPE_PROP_AA4", FONT_TYPE_AA4},     {"GUI_FONTTYPE_PROP_EXT", FONT_TYPE_EXT},
    {"GUI_FONTTYPE_PROP_FRM", FONT_TYPE_EXT_FRM}, {"GUI_FONTTYPE_PROP_AA2_EXT", FONT_TYPE_EXT_AA2},
    {"GUI_FONTTYPE_PROP_AA4_EXT", FONT_TYPE_EXT_AA4},
};

// Type and encoding of a type identifier; false for an unknown one. Any type may
// carry the "_SJIS" suffix the writer appends for Shift_JIS documents.
bool parse_type(std::string word, int* type, int* encoding) {
  *encoding = FONT_ENC_UNICODE;
  const std::string sjis = "_SJIS";
  if (word.size() > sjis.size() && word.compare(word.size() - sjis.size(), sjis.size(), sjis) == 0) {
    *encoding = FONT_ENC_SJIS;
    word.resize(word.size() - sjis.size());
  }
  for (const TypeName& t : s_aType)
    if (word == t.pName) {
      *type = t.Type;
      return true;
    }
  return false;
}

// Position of the first '/' or '#' in s[from, n), or n.
size_t next_special(const char* s, size_t n, size_t from) {
  size_t i = from;
#ifdef __SSE2__
  const __m128i slash = _mm_set1_epi8('/');
  const __m128i hash = _mm_set1_epi8('#');
  for (; i + 16 <= n; i += 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
    const int mask = _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(v, slash), _mm_cmpeq_epi8(v, hash)));
    if (mask) return i + static_cast<size_t>(__builtin_ctz(static_cast<unsigned>(mask)));
  }
#endif
  for (; i < n; ++i)
    if (s[i] == '/' || s[i] == '#') return i;
  return n;
}

// Blanks comments and "#if 0" ... "#endif" blocks, keeping line ends.
void blank_comments(char* s, size_t n) {
  auto blank = [s](size_t from, size_t to) {
    for (size_t i = from; i < to; ++i)
      if (s[i] != '\r' && s[i] != '\n') s[i] = ' ';
  };
  for (size_t i = next_special(s, n, 0); i < n; i = next_special(s, n, i)) {
    size_t end = i + 1;  // where the search goes on
    if (s[i] == '/' && i + 1 < n && s[i + 1] == '*') {
      end = CSCAN_Find(s, n, i + 2, "*/", 2);
      end = end == n ? n : end + 2;
      blank(i, end);
    } else if (s[i] == '/' && i + 1 < n && s[i + 1] == '/') {
      end = i;
      while (end < n && s[end] != '\r' && s[end] != '\n') ++end;
      blank(i, end);
    } else if (s[i] == '#' && i + 5 <= n && std::memcmp(s + i, "#if 0", 5) == 0) {
      end = CSCAN_Find(s, n, i + 5, "#endif", 6);
      end = end == n ? n : end + 6;
      blank(i, end);
    }
    i = end;
  }
}

struct Parse {
  CScanner Scan;
  FontDoc* pDoc = nullptr;
  std::vector<FontRange> aRange;
  std::string Message;  // a message of its own (else the scanner's error)

  Parse(const char* text, size_t size) : Scan(text, size) {}

  bool Fail(const char* message, bool withPosition, size_t pos) {
    Message = message;
    if (withPosition) Message += Scan.Position(pos);
    return false;
  }
  bool ScanFailed(const std::string& message) {
    Message = message + Scan.Position(Scan.ErrorPos);
    return false;
  }

  bool Header(int* type);
  bool Ranges(int type);
  bool CharInfo(int type, size_t* pixelBudget);
  bool Pixels(int type);
};

bool Parse::Header(int* type) {
  HOST_Get()->ShowStatus("Searching font identifier...");
  bool found = false;
  size_t after = 0;
  while (Scan.FindWord("GUI_FONT")) {
    std::string id = Scan.NextWord(FONT_ID_CHARS - 1);
    if (id.empty()) break;
    std::snprintf(pDoc->acFontId, sizeof(pDoc->acFontId), "%s", id.c_str());
    after = Scan.Pos;
    found = true;
  }
  if (!found) return Fail(FONTMSG_Text(FONTMSG_NO_FONT_DATA), false, 0);
  Scan.Pos = after;
  Scan.NextLine();
  int encoding;
  if (!parse_type(Scan.NextWord(64), type, &encoding)) return Fail(FONTMSG_Text(FONTMSG_UNSUPPORTED_TYPE), false, 0);
  pDoc->Type = *type;
  pDoc->Encoding = encoding;
  pDoc->Height = Scan.Field(false);
  if (!Scan.Error.empty()) return Fail(FONTMSG_Text(FONTMSG_NO_HEIGHT), false, 0);
  if (!FONT_IsExtended(*type)) return true;
  for (int i = 0; i < 5; ++i) Scan.NextLine();
  // The older form ends the structure after the range pointer: no metrics.
  size_t close = Scan.Pos;
  while (close < Scan.Size && Scan.pText[close] != ',' && Scan.pText[close] != '}') ++close;
  if (close < Scan.Size && Scan.pText[close] == '}') return true;
  pDoc->Baseline = Scan.Field(false);
  if (!Scan.Error.empty()) return Fail(FONTMSG_Text(FONTMSG_NO_BASELINE), false, 0);
  int lHeight = Scan.Field(false);
  int cHeight = Scan.Field(false);
  if (Scan.Error.empty()) {
    pDoc->LHeight = lHeight;
    pDoc->CHeight = cHeight;
    pDoc->MetricsKnown = 1;
  }
  Scan.Error.clear();
  return true;
}

bool Parse::Ranges(int type) {
  HOST_Get()->ShowStatus("Reading area infos...");
  const char* name = FONT_IsExtended(type) ? "GUI_FONT_PROP_EXT" : "GUI_FONT_PROP";
  Scan.Pos = 0;
  while (Scan.FindWord(name)) {
    Scan.NextWord(256);
    int first = 0, last = 0;
    bool ok = Scan.Byte(&first) && Scan.Byte(&last);
    if (!ok) {
      if (Scan.Error.empty()) Scan.Fail("Expecting a number");
      return ScanFailed(FONTMSG_Text(FONTMSG_BAD_RANGE_STRUCT));
    }
    aRange.push_back(FontRange{static_cast<uint16_t>(first), static_cast<uint16_t>(last)});
    if (!Scan.SkipTo(';')) break;
  }
  return true;
}

bool Parse::CharInfo(int type, size_t* pixelBudget) {
  HOST_Get()->ShowStatus("Reading character infos...");
  const bool ext = FONT_IsExtended(type);
  Scan.Pos = 0;
  if (Scan.FindWord(ext ? "GUI_CHARINFO_EXT" : "GUI_CHARINFO")) {
    Scan.NextLine();
    Scan.SkipTo('{');
    Scan.Expect('{');
  } else {
    Scan.Pos = Scan.Size;
  }
  Scan.Error.clear();
  for (size_t r = aRange.size(); r-- > 0;)
    for (unsigned c = aRange[r].First; c <= aRange[r].Last; ++c) {
      const size_t rowPos = Scan.Pos;
      FontChar& ch = pDoc->aChar[c];
      int width = Scan.Field(true);
      int height = 0, x = 0, y = 0, cursor = 0, bpl = 0;
      if (ext) {
        height = Scan.Field(false);
        x = Scan.Field(false);
        y = Scan.Field(false);
        cursor = Scan.Field(false);
      } else {
        width = Scan.Field(false);
        bpl = Scan.Field(false);
        height = pDoc->Height;
      }
      const int rows = height < 0 ? 0 : height;
      const int w = width < 0 ? 0 : width;
      const size_t planes = static_cast<size_t>(FONT_BytesPerLine(type, w)) * static_cast<size_t>(rows) *
                            (type == FONT_TYPE_EXT_FRM ? 2 : 1);
      // Every pixel byte takes at least two characters of the file.
      bool ok = Scan.Error.empty() && planes <= *pixelBudget;
      if (ok) {
        *pixelBudget -= planes;
        ok = FONT_AllocPlanes(pDoc, c, w, rows);
      }
      if (!ok) {
        char ac[300];
        std::snprintf(ac, sizeof(ac), FONTMSG_Text(FONTMSG_BAD_CHARINFO), c, static_cast<int>(c));
        return Fail(ac, true, Scan.Error.empty() ? rowPos : Scan.ErrorPos);
      }
      ch.GlyphHeight = rows;
      if (ext) {
        ch.XPos = x;
        ch.CursorDist = cursor;
        ch.TopAboveBaseline = pDoc->Baseline - y;
        ch.StoredBytesPerLine = (w + 7) / 8;
      } else {
        ch.CursorDist = w;
        ch.StoredBytesPerLine = bpl;
      }
      ch.Generated = 1;
      ch.Available = 1;
      FONT_SetEnabled(pDoc, c, 1);
      if (w > pDoc->MaxWidth) pDoc->MaxWidth = w;
      Scan.SkipTo('{');
      if (!Scan.AtEnd()) ++Scan.Pos;
      if (c == 0xFFFF) break;
    }
  return true;
}

// Stores the rows of one plane from the file's bytes (stored bytes per line each),
// dropping stored bytes and pixels beyond the width.
void store_rows(const FontDoc* doc, const FontChar& ch, const int* values, int storedBpl, uint8_t* plane) {
  const int bpp = FONT_BitsPerPixel(doc->Type);
  const int bpl = FONT_BytesPerLine(doc->Type, ch.Width);
  if (!plane || bpl <= 0) return;
  const uint8_t* order = FONTOUT_PixelOrder(bpp);  // file order to plane order
  const int perByte = 8 / bpp;
  const int tailPixels = ch.Width - (bpl - 1) * perByte;  // pixels of the last byte of a row
  const uint8_t tailMask = static_cast<uint8_t>(tailPixels * bpp >= 8 ? 0xFF : (1u << (tailPixels * bpp)) - 1);
  const size_t rows = ch.PlaneSize / static_cast<uint32_t>(bpl);
  for (size_t y = 0; y < rows; ++y) {
    const int* in = values + y * static_cast<size_t>(storedBpl);
    uint8_t* out = plane + y * static_cast<size_t>(bpl);
    for (int b = 0; b < bpl; ++b) out[b] = order[in[b] & 0xFF];
    out[bpl - 1] &= tailMask;
  }
}

bool Parse::Pixels(int type) {
  Scan.Pos = 0;
  Scan.Error.clear();
  if (!Scan.FindWord("unsigned")) {
    Scan.Pos = 0;
    if (!Scan.FindWord("U8")) return Fail(FONTMSG_Text(FONTMSG_NO_PIXEL_DATA), false, 0);
  }
  HOST_Get()->ShowStatus("Reading pixel data...");
  std::vector<int> values;
  for (size_t r = aRange.size(); r-- > 0;)
    for (unsigned c = aRange[r].First; c <= aRange[r].Last; ++c) {
      Scan.NextLine();
      FontChar& ch = pDoc->aChar[c];
      const int bpl = FONT_BytesPerLine(type, ch.Width);
      // 1 bpp rows may store more bytes than the width needs; the surplus is dropped.
      const int storedBpl = FONT_BitsPerPixel(type) == 1 && ch.StoredBytesPerLine > bpl ? ch.StoredBytesPerLine : bpl;
      const uint32_t rows = bpl > 0 ? ch.PlaneSize / static_cast<uint32_t>(bpl) : 0;
      const uint32_t perPlane = FONT_BitsPerPixel(type) == 1 && storedBpl > bpl
                                    ? static_cast<uint32_t>(storedBpl) * static_cast<uint32_t>(ch.GlyphHeight)
                                    : ch.PlaneSize;
      const uint32_t need = perPlane * (type == FONT_TYPE_EXT_FRM ? 2u : 1u);
      values.resize(need);
      const size_t count = Scan.Bytes(values.data(), need);
      if (count < need) {
        char ac[400];
        std::snprintf(ac, sizeof(ac), FONTMSG_Text(FONTMSG_SHORT_PIXEL_DATA), c, static_cast<int>(c),
                      static_cast<int>(need), static_cast<int>(count));
        return Fail(ac, true, Scan.Error.empty() ? Scan.Pos : Scan.ErrorPos);
      }
      if (rows * static_cast<uint32_t>(storedBpl) <= perPlane) {
        store_rows(pDoc, ch, values.data(), storedBpl, ch.pPixels);
        if (type == FONT_TYPE_EXT_FRM) store_rows(pDoc, ch, values.data() + perPlane, storedBpl, ch.pFrame);
      }
      Scan.SkipTo('{');
      if (c == 0xFFFF) break;
    }
  return true;
}

// Keeps the leading comment up to (not including) its "*/".
char* header_comment(const char* data, size_t size) {
  if (size < 2 || data[0] != '/' || data[1] != '*') return nullptr;
  const char* end = nullptr;
  for (size_t i = 2; i + 1 < size; ++i)
    if (data[i] == '*' && data[i + 1] == '/') {
      end = data + i;
      break;
    }
  if (!end) return nullptr;
  const size_t n = static_cast<size_t>(end - data);
  char* text = static_cast<char*>(std::malloc(n + 1));
  if (!text) return nullptr;
  std::memcpy(text, data, n);
  text[n] = '\0';
  return text;
}

const char kAreaComment[] = "/* Start of unicode area <";

// An 8-bit (standard type) file has no area comments, which the writer puts before the first
// character of every 16-bit Unicode font.
bool looks_8bit(bool hasAreaComment, const FontDoc* doc) {
  if (doc->Encoding != FONT_ENC_UNICODE || FONT_IsExtended(doc->Type)) return false;
  for (unsigned c = 256; c < FONT_NUM_CODES; ++c)
    if (doc->aChar[c].Enabled) return false;
  return !hasAreaComment;
}

}  // namespace

bool CFONT_Parse(const char* data, size_t size, FontDoc** result, std::string* error, bool* created) {
  std::string text(data, size);
  return CFONT_ParseText(text.empty() ? nullptr : &text[0], size, result, error, created);
}

bool CFONT_ParseText(char* text, size_t size, FontDoc** result, std::string* error, bool* created) {
  *result = nullptr;
  *created = false;
  error->clear();
  if (!text) size = 0;
  static char empty[1];
  if (!size) text = empty;
  // What the comments tell is taken before they are blanked.
  const bool hasAreaComment = memmem(text, size, kAreaComment, sizeof(kAreaComment) - 1) != nullptr;
  char* header = header_comment(text, size);
  blank_comments(text, size);
  Parse p(text, size);
  p.pDoc = FONT_CreateEmpty();
  if (!p.pDoc) {
    std::free(header);
    *error = FONTMSG_Text(FONTMSG_CREATE_FAILED);
    return false;
  }
  *created = true;
  FontDoc* doc = p.pDoc;
  doc->NumBlocks = FONT_NUM_BLOCKS;
  doc->HasUnicodeMap = 1;
  for (FontBlock& b : doc->aBlock) b.AreaIndex = -1;
  int type = 0;
  size_t budget = size / 2;
  bool ok = p.Header(&type) && p.Ranges(type) && p.CharInfo(type, &budget) && p.Pixels(type);
  if (!ok) {
    std::free(header);
    *error = p.Message;
    FONT_Destroy(doc);
    return false;
  }
  if (looks_8bit(hasAreaComment, doc)) {
    doc->Encoding = FONT_ENC_ISO8859;
    doc->HasUnicodeMap = 0;
    doc->NumBlocks = 16;
  }
  FONT_AssignAreas(doc);
  doc->pHeaderComment = header;
  *result = doc;
  return true;
}

FontDoc* CFONT_Read(const char* path) {
  FontFileData file;
  switch (FONTFILE_Load(path, &file)) {
    case FONTFILE_OPEN_FAILED:
      FONTMSG_ReportMsg(FONTMSG_OPEN_FAILED);
      return nullptr;
    case FONTFILE_READ_FAILED:
      FONTMSG_ReportMsg(FONTMSG_READ_FAILED);
      return nullptr;
    default:
      break;
  }
  HOST_Get()->SetWaitCursor(true);
  FontDoc* doc = nullptr;
  std::string error;
  bool created = false;
  const bool ok = CFONT_ParseText(file.pData, file.Size, &doc, &error, &created);
  if (ok) FONT_SetPath(doc, path);
  HOST_Get()->SetWaitCursor(false);
  HOST_Get()->ShowStatus("Ready");
  EDITLOG_Clear();
  if (!ok) {
    FONTMSG_Report(error.c_str());
    if (created) FONTMSG_ReportMsg(FONTMSG_CREATE_FAILED);
    return nullptr;
  }
  return doc;
}
