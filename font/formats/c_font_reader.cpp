// C font file reader: comments and "#if 0" blocks blanked, GUI_FONT found by name,
// ranges from the range structures, then character rows and pixel arrays in file order.
#include "font/formats/c_font_reader.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "common/host/app_host.h"
#include "font/formats/c_text_scanner.h"
#include "font/formats/font_file.h"
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

// Blanks comments and "#if 0" ... "#endif" blocks, keeping line ends.
void blank_comments(std::string* text) {
  std::string& s = *text;
  const size_t n = s.size();
  auto blank = [&s](size_t from, size_t to) {
    for (size_t i = from; i < to; ++i)
      if (s[i] != '\r' && s[i] != '\n') s[i] = ' ';
  };
  for (size_t i = 0; i < n; ++i) {
    if (s[i] == '/' && i + 1 < n && s[i + 1] == '*') {
      size_t end = s.find("*/", i + 2);
      end = end == std::string::npos ? n : end + 2;
      blank(i, end);
      i = end - 1;
    } else if (s[i] == '/' && i + 1 < n && s[i + 1] == '/') {
      size_t end = i;
      while (end < n && s[end] != '\r' && s[end] != '\n') ++end;
      blank(i, end);
      i = end - 1;
    } else if (s[i] == '#' && s.compare(i, 5, "#if 0") == 0) {
      size_t end = s.find("#endif", i + 5);
      end = end == std::string::npos ? n : end + 6;
      blank(i, end);
      i = end - 1;
    }
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
  while (!Scan.AtEnd()) {
    if (Scan.NextWord(256) != "GUI_FONT") continue;
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

// Fills one 1 bpp plane row by row, dropping stored bytes beyond the width.
bool read_bit_rows(CScanner* scan, FontDoc* doc, unsigned c, bool frame) {
  const FontChar& ch = doc->aChar[c];
  const int bpl = (ch.Width + 7) / 8;
  const int extra = ch.StoredBytesPerLine > bpl ? ch.StoredBytesPerLine - bpl : 0;
  for (int y = 0; y < ch.GlyphHeight; ++y) {
    for (int b = 0; b < bpl + extra; ++b) {
      int v;
      if (!scan->Byte(&v)) return false;
      if (b >= bpl) continue;
      for (int bit = 0; bit < 8; ++bit) {
        int x = b * 8 + bit;
        if (x < ch.Width && (v >> (7 - bit) & 1)) FONT_SetPixel(doc, c, x, y, frame ? -1 : 1);
      }
    }
  }
  return true;
}

bool read_packed(CScanner* scan, FontDoc* doc, unsigned c) {
  const FontChar& ch = doc->aChar[c];
  const int bpp = FONT_BitsPerPixel(doc->Type);
  const int bpl = FONT_BytesPerLine(doc->Type, ch.Width);
  const int perByte = 8 / bpp;
  for (uint32_t i = 0; i < ch.PlaneSize; ++i) {
    int v;
    if (!scan->Byte(&v)) return false;
    const int y = static_cast<int>(i / static_cast<uint32_t>(bpl));
    const int x0 = static_cast<int>(i % static_cast<uint32_t>(bpl)) * perByte;
    for (int k = 0; k < perByte; ++k) {
      int p = v >> (8 - bpp * (k + 1)) & ((1 << bpp) - 1);
      if (x0 + k < ch.Width && p) FONT_SetPixel(doc, c, x0 + k, y, p);
    }
  }
  return true;
}

bool Parse::Pixels(int type) {
  Scan.Pos = 0;
  Scan.Error.clear();
  if (!Scan.FindWord("unsigned")) {
    Scan.Pos = 0;
    if (!Scan.FindWord("U8")) return Fail(FONTMSG_Text(FONTMSG_NO_PIXEL_DATA), false, 0);
  }
  HOST_Get()->ShowStatus("Reading pixel data...");
  for (size_t r = aRange.size(); r-- > 0;)
    for (unsigned c = aRange[r].First; c <= aRange[r].Last; ++c) {
      Scan.NextLine();
      const FontChar& ch = pDoc->aChar[c];
      const int bpl1 = (ch.Width + 7) / 8;
      const uint32_t need = FONT_BitsPerPixel(type) == 1 && ch.StoredBytesPerLine > bpl1
                                ? static_cast<uint32_t>(ch.StoredBytesPerLine) * static_cast<uint32_t>(ch.GlyphHeight)
                                : ch.PlaneSize * (type == FONT_TYPE_EXT_FRM ? 2u : 1u);
      CScanner ahead = Scan;
      uint32_t count = 0;
      int v;
      while (count < need && ahead.Byte(&v)) ++count;
      if (count < need) {
        char ac[400];
        std::snprintf(ac, sizeof(ac), FONTMSG_Text(FONTMSG_SHORT_PIXEL_DATA), c, static_cast<int>(c),
                      static_cast<int>(need), static_cast<int>(count));
        return Fail(ac, true, ahead.Error.empty() ? ahead.Pos : ahead.ErrorPos);
      }
      bool ok;
      if (FONT_BitsPerPixel(type) == 1) {
        ok = read_bit_rows(&Scan, pDoc, c, false);
        if (ok && type == FONT_TYPE_EXT_FRM) ok = read_bit_rows(&Scan, pDoc, c, true);
      } else {
        ok = read_packed(&Scan, pDoc, c);
      }
      if (!ok) {
        if (Scan.Error.empty()) Scan.Fail("Expecting a number");
        return ScanFailed(Scan.Error);
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

// An 8-bit (standard type) file has no area comments, which the writer puts before the first
// character of every 16-bit Unicode font.
bool looks_8bit(const char* data, size_t size, const FontDoc* doc) {
  if (doc->Encoding != FONT_ENC_UNICODE || FONT_IsExtended(doc->Type)) return false;
  for (unsigned c = 256; c < FONT_NUM_CODES; ++c)
    if (doc->aChar[c].Enabled) return false;
  static const char key[] = "/* Start of unicode area <";
  for (size_t i = 0; i + sizeof(key) - 1 <= size; ++i)
    if (std::memcmp(data + i, key, sizeof(key) - 1) == 0) return false;
  return true;
}

}  // namespace

bool CFONT_Parse(const char* data, size_t size, FontDoc** result, std::string* error, bool* created) {
  *result = nullptr;
  *created = false;
  error->clear();
  std::string text(data, size);
  blank_comments(&text);
  Parse p(text.c_str(), text.size());
  p.pDoc = FONT_CreateEmpty();
  if (!p.pDoc) {
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
    *error = p.Message;
    FONT_Destroy(doc);
    return false;
  }
  if (looks_8bit(data, size, doc)) {
    doc->Encoding = FONT_ENC_ISO8859;
    doc->HasUnicodeMap = 0;
    doc->NumBlocks = 16;
  }
  FONT_AssignAreas(doc);
  doc->pHeaderComment = header_comment(data, size);
  *result = doc;
  return true;
}

FontDoc* CFONT_Read(const char* path) {
  std::string file;
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
  const bool ok = CFONT_Parse(file.data(), file.size(), &doc, &error, &created);
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
