// Glyph generation: document creation from an installed font and on-demand rendering.
// The working surface of the desktop engine is modelled by its 1024 x 1024 bounds:
// glyph images are read straight from the engine's bitmaps and clipped to it.
#include "font/generator/glyph_gen.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "common/host/app_host.h"
#include "font/model/edit_log.h"
#include "font/generator/cmap.h"
#include "font/generator/font_engine.h"
#include "font/model/font_messages.h"
#include "font/model/sjis.h"
#include "font/model/unicode_data.h"

// The glyph source a generated document holds: the opened face and its cell.
struct FontFace : FontGlyphSource {
  EngineFont* pFont = nullptr;
  int Scale = 1;  // 4 for internal antialiasing, else 1
  int Ascent = 0;
  int CellHeight = 0;
  explicit FontFace(EngineFont* font, int scale) : pFont(font), Scale(scale) {}
  ~FontFace() override { ENGINE_Close(pFont); }
  void RenderChar(FontDoc* doc, unsigned code) override;
};

namespace {

// The source of a document that FontFace::RenderChar was called for.
const FontFace* face(const FontDoc* doc) { return static_cast<const FontFace*>(doc->pSource); }

enum { SURFACE_SIZE = 1024, CELLS = 256, PHASES = 4 };

uint8_t s_aGamma2[256];
uint8_t s_aGamma4[256];
int s_aLevel2[4];
int s_aLevel4[16];
uint8_t s_aShade2[4];
uint8_t s_aShade4[16];
FontGenOptions s_options;

// Oversampling state of the internal antialiasing (1 MiB accumulator).
uint8_t s_acc[PHASES][PHASES][CELLS][CELLS];  // [vertical][horizontal][cell y][cell x]
bool s_hEnabled[PHASES];
bool s_vEnabled[PHASES];
int s_chosenV;
bool s_phaseChosen;

void build_gamma(int levels, int* g, uint8_t* lookup) {
  for (int i = 0; i < levels; ++i)
    g[i] = static_cast<int>(std::pow(static_cast<double>(i) / (levels - 1), 0.4) * 255.0);
  for (int i = 0; i < levels; ++i) {
    int lo = i == 0 ? 0 : g[i - 1] + (g[i] - g[i - 1]) / 2;
    int hi = i == levels - 1 ? 256 : g[i] + (g[i + 1] - g[i]) / 2;
    for (int v = lo; v < hi && v < 256; ++v) lookup[v] = static_cast<uint8_t>(levels - 1 - i);
  }
}

void build_shades(int levels, uint8_t* shade) {
  for (int k = 0; k < levels; ++k)
    shade[k] = static_cast<uint8_t>(
        std::pow(static_cast<double>(levels - 1 - k) / (levels - 1), 0.7) * 255.0);
}

// Unicode code drawn for a document code.
unsigned draw_code(const FontDoc* doc, unsigned code) {
  return doc->Encoding == FONT_ENC_SJIS ? SJIS_ToUnicode(code) : code;
}

bool glyph_bit(const EngineGlyph& g, int x, int y) {
  if (x < 0 || y < 0 || x >= g.Width || y >= g.Rows) return false;
  const uint8_t* row = g.pBuffer + static_cast<size_t>(y) * g.Pitch;
  return (row[x >> 3] >> (7 - (x & 7))) & 1;
}

// Surface grey (255 white) of glyph pixel (x, y) as the engine would have painted it.
int glyph_grey(const EngineGlyph& g, int x, int y, bool grey65) {
  if (x < 0 || y < 0 || x >= g.Width || y >= g.Rows) return 255;
  if (g.Mono) return glyph_bit(g, x, y) ? 0 : 255;
  int coverage = g.pBuffer[static_cast<size_t>(y) * g.Pitch + x];
  if (grey65) {
    int q = (coverage * 64 + 127) / 255;  // 65-level grey format
    return 255 - q * 255 / 64;
  }
  return 255 - coverage;
}

int clip_surface(int v) { return v < 0 ? 0 : (v > SURFACE_SIZE ? SURFACE_SIZE : v); }

// Direct writer into a freshly allocated (zeroed) pixel plane; x and y are in range.
struct PlaneWriter {
  uint8_t* pPlane;
  size_t BytesPerLine;
  int Bpp;
  int PerByte;
  explicit PlaneWriter(FontDoc* doc, unsigned code) {
    const FontChar& c = doc->aChar[code];
    Bpp = FONT_BitsPerPixel(doc->Type);
    PerByte = Bpp ? 8 / Bpp : 1;
    BytesPerLine = static_cast<size_t>(FONT_BytesPerLine(doc->Type, c.Width));
    pPlane = c.PlaneSize ? c.pPixels : nullptr;
  }
  void Put(int x, int y, int v) {
    uint8_t& b = pPlane[static_cast<size_t>(y) * BytesPerLine + static_cast<size_t>(x / PerByte)];
    b = static_cast<uint8_t>(b | (v << ((x % PerByte) * Bpp)));
  }
};

// Grey-to-value for one type as a table (rebuilt when the type or the gamma option changes).
const uint8_t* grey_table(int type) {
  static uint8_t table[256];
  static int tableType = -1;
  static bool tableGamma;
  if (type != tableType || tableGamma != s_options.EnableGamma) {
    for (int v = 0; v < 256; ++v) table[v] = static_cast<uint8_t>(FONTGEN_GreyToValue(type, v));
    tableType = type;
    tableGamma = s_options.EnableGamma;
  }
  return table;
}

// Internal antialiasing, step 1 and 2: counts the surface pixels of a 4x glyph into
// the enabled phases and maps the counts to levels 0..15.
void accumulate(const EngineGlyph& g, int ascent, int sw, int sh, int w, int h) {
  for (int py = 0; py < PHASES; ++py)
    for (int px = 0; px < PHASES; ++px)
      if (s_vEnabled[py] && s_hEnabled[px])
        for (int y = 0; y < h; ++y) std::memset(s_acc[py][px][y], 0, static_cast<size_t>(w));
  const int top = ascent - g.Top;
  for (int gy = 0; gy < g.Rows; ++gy) {
    int y = top + gy;
    if (y < 0 || y >= sh) continue;
    for (int gx = 0; gx < g.Width; ++gx) {
      int x = g.Left + gx;
      if (x < 0 || x >= sw || !glyph_bit(g, gx, gy)) continue;
      for (int py = 0; py < PHASES && py <= y; ++py) {
        if (!s_vEnabled[py]) continue;
        for (int px = 0; px < PHASES && px <= x; ++px)
          if (s_hEnabled[px]) ++s_acc[py][px][(y - py) / 4][(x - px) / 4];
      }
    }
  }
  for (int py = 0; py < PHASES; ++py)
    for (int px = 0; px < PHASES; ++px) {
      if (!s_vEnabled[py] || !s_hEnabled[px]) continue;
      for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
          uint8_t& c = s_acc[py][px][y][x];
          if (c >= 9)
            c = static_cast<uint8_t>(c - 1);
          else if (c == 8)
            c = 7;
        }
    }
}

long phase_score(int py, int px, int w, int h) {
  long score = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      int k = s_acc[py][px][y][x];
      if (k >= 1 && k <= 14) score += k <= 7 ? k : 15 - k;
    }
  return score;
}

struct Oversampled {
  EngineGlyph Glyph;
  int Sw, Sh, W, H;
};

Oversampled draw_oversampled(FontDoc* doc, unsigned code) {
  Oversampled o = {};
  o.Glyph = ENGINE_RenderGlyph(face(doc)->pFont, draw_code(doc, code), ENGINE_MONO);
  o.Sw = clip_surface(o.Glyph.Advance);
  o.Sh = clip_surface(face(doc)->CellHeight);
  o.W = (o.Sw + 3) / 4;
  o.H = (o.Sh + 3) / 4;
  accumulate(o.Glyph, face(doc)->Ascent, o.Sw, o.Sh, o.W, o.H);
  return o;
}

void search_phase(FontDoc* doc) {
  for (int i = 0; i < PHASES; ++i) {
    s_vEnabled[i] = true;
    s_hEnabled[i] = i == 0;
  }
  long total[PHASES] = {0, 0, 0, 0};
  for (unsigned code = 32; code <= 127; ++code) {
    if (!doc->aChar[code].Available) continue;
    Oversampled o = draw_oversampled(doc, code);
    for (int py = 0; py < PHASES; ++py) total[py] += phase_score(py, 0, o.W, o.H);
  }
  if (total[0] < 0x0FFFFFFF) {
    int best = 0;
    for (int py = 1; py < PHASES; ++py)
      if (total[py] < total[best]) best = py;
    s_chosenV = best;
  }
  for (int i = 0; i < PHASES; ++i) {
    s_hEnabled[i] = true;
    s_vEnabled[i] = i == s_chosenV;
  }
}

void render_internal(FontDoc* doc, unsigned code) {
  if (!s_phaseChosen) {
    search_phase(doc);
    s_phaseChosen = true;
  }
  Oversampled o = draw_oversampled(doc, code);
  int bestV = s_chosenV, bestH = 0;
  if (!s_options.SuppressOptAA) {
    long best = -1;
    for (int py = 0; py < PHASES; ++py)
      for (int px = 0; px < PHASES; ++px) {
        if (!s_vEnabled[py] || !s_hEnabled[px]) continue;
        long s = phase_score(py, px, o.W, o.H);
        if (best < 0 || s < best) {
          best = s;
          bestV = py;
          bestH = px;
        }
      }
  }
  if (!FONT_AllocPlanes(doc, code, o.W, o.H) || !doc->aChar[code].pPixels) return;
  PlaneWriter plane(doc, code);
  for (int y = 0; y < o.H; ++y)
    for (int x = 0; x < o.W; ++x) {
      int v = s_acc[bestV][bestH][y][x];
      if (doc->Type == FONT_TYPE_AA2) v /= 4;
      if (v) plane.Put(x, y, v);
    }
}

void render_standard(FontDoc* doc, unsigned code) {
  EngineRender mode = doc->Type == FONT_TYPE_STD ? ENGINE_MONO : ENGINE_GREY;
  EngineGlyph g = ENGINE_RenderGlyph(face(doc)->pFont, draw_code(doc, code), mode);
  int w = clip_surface(g.Advance);
  int h = clip_surface(face(doc)->CellHeight);
  if (!FONT_AllocPlanes(doc, code, w, h) || !doc->aChar[code].pPixels) return;
  PlaneWriter plane(doc, code);
  const uint8_t* toValue = grey_table(doc->Type);
  const int top = face(doc)->Ascent - g.Top;
  for (int gy = 0; gy < g.Rows; ++gy) {
    int y = top + gy;
    if (y < 0 || y >= h) continue;
    for (int gx = 0; gx < g.Width; ++gx) {
      int x = g.Left + gx;
      if (x < 0 || x >= w) continue;
      int grey = glyph_grey(g, gx, gy, false);
      if (grey != 255) plane.Put(x, y, toValue[grey]);
    }
  }
}

void render_extended(FontDoc* doc, unsigned code) {
  const bool framed = doc->Type == FONT_TYPE_EXT_FRM;
  const bool grey = doc->Type == FONT_TYPE_EXT_AA2 || doc->Type == FONT_TYPE_EXT_AA4;
  EngineGlyph g =
      ENGINE_RenderGlyph(face(doc)->pFont, draw_code(doc, code), grey ? ENGINE_GREY : ENGINE_MONO);
  FontChar& c = doc->aChar[code];
  // A blank glyph has a 1 x 1 black box and no image, as the desktop engines report it.
  bool blank = g.Width == 0 || g.Rows == 0;
  int bbw = blank ? 1 : clip_surface(g.Width);
  int bbh = blank ? 1 : clip_surface(g.Rows);
  c.XPos = g.Left;
  c.TopAboveBaseline = blank ? 0 : g.Top;
  c.CursorDist = g.Advance;
  if (code >= 0x600 && code <= 0x6FF && UNICODE_GetBidiClass(code) == UNICODE_BIDI_NSM)
    c.CursorDist = 0;
  int off = framed ? 1 : 0;
  int w = bbw + 2 * off, h = bbh + 2 * off;
  c.GlyphHeight = h;
  if (framed) c.CursorDist += 2;
  if (!FONT_AllocPlanes(doc, code, w, h) || blank || !doc->aChar[code].pPixels) return;
  PlaneWriter plane(doc, code);
  const uint8_t* toValue = grey_table(doc->Type);
  for (int y = 0; y < h && y < SURFACE_SIZE; ++y)
    for (int x = 0; x < w && x < SURFACE_SIZE; ++x) {
      int v = glyph_grey(g, x - off, y - off, grey);
      if (v != 255) plane.Put(x, y, toValue[v]);
    }
  if (framed) FONT_ComputeFrame(doc, code);
}

}  // namespace

void FONTGEN_BuildTables() {
  build_gamma(4, s_aLevel2, s_aGamma2);
  build_gamma(16, s_aLevel4, s_aGamma4);
  build_shades(4, s_aShade2);
  build_shades(16, s_aShade4);
}

void FONTGEN_SetOptions(const FontGenOptions& options) { s_options = options; }

void FONTGEN_ResetPhaseSearch() {
  s_phaseChosen = false;
  s_chosenV = 0;
}

int FONTGEN_GammaLevel(int levels, int i) {
  if (levels == 4 && i >= 0 && i < 4) return s_aLevel2[i];
  if (levels == 16 && i >= 0 && i < 16) return s_aLevel4[i];
  return 0;
}

int FONTGEN_GreyToValue(int type, int v) {
  if (v < 0) v = 0;
  if (v > 255) v = 255;
  switch (type) {
    case FONT_TYPE_STD:
    case FONT_TYPE_EXT:
    case FONT_TYPE_EXT_FRM:
      return v != 255 ? 1 : 0;
    case FONT_TYPE_AA2:
      if (s_options.EnableGamma) return s_aGamma2[v];
      return v == 255 ? 0 : 3 - v * 4 / 255;
    case FONT_TYPE_EXT_AA2:
      return v == 255 ? 0 : 3 - v * 4 / 255;
    case FONT_TYPE_AA4:
      if (s_options.EnableGamma) return s_aGamma4[v];
      return 15 - v / 17;
    case FONT_TYPE_EXT_AA4:
      return 15 - (v + 8) / 17 < 0 ? 0 : 15 - (v + 8) / 17;
    default:
      return 0;
  }
}

uint32_t FONTGEN_ValueToColour(int type, int value) {
  auto grey = [](unsigned g) { return static_cast<uint32_t>(g | g << 8 | g << 16); };
  switch (type) {
    case FONT_TYPE_STD:
    case FONT_TYPE_EXT:
      return value > 0 ? 0 : 0xFFFFFF;
    case FONT_TYPE_EXT_FRM:
      if (value < 0) return 0xFFFF80;
      return value > 0 ? 0 : 0xFFFFFF;
    case FONT_TYPE_AA2:
    case FONT_TYPE_EXT_AA2:
      return grey(s_aShade2[value < 0 ? 0 : (value > 3 ? 3 : value)]);
    case FONT_TYPE_AA4:
    case FONT_TYPE_EXT_AA4:
      return grey(s_aShade4[value < 0 ? 0 : (value > 15 ? 15 : value)]);
    default:
      return 0xFFFFFF;
  }
}

int FONTGEN_LogicalHeight(int type, int pixelHeight) {
  if (type == FONT_TYPE_EXT_FRM && pixelHeight > 1) return pixelHeight - 2;
  return pixelHeight;
}

int FONTGEN_EffectiveAAMode(int type, int aaMode) {
  return (type == FONT_TYPE_EXT_AA2 || type == FONT_TYPE_EXT_AA4) ? FONT_AA_OS : aaMode;
}

bool FONTGEN_FaceExists(const char* family) { return ENGINE_FamilyExists(family); }
std::vector<std::string> FONTGEN_ListFaces() { return ENGINE_ListFamilies(); }

FontDoc* FONTGEN_CreateDocument(const LogFont& lf, int type, int encoding, int aaMode) {
  HOST_Get()->SetWaitCursor(true);
  FontDoc* doc = FONT_CreateEmpty();
  if (!doc) {
    HOST_Get()->SetWaitCursor(false);
    FONTMSG_ReportMsg(FONTMSG_CREATE_FAILED);
    return nullptr;
  }
  doc->Type = type;
  doc->Encoding = encoding;
  doc->AAMode = aaMode;
  doc->Lf = lf;
  doc->Lf.acFaceName[FONT_FACE_CHARS - 1] = 0;
  const bool internal = aaMode == FONT_AA_INTERNAL && (type == FONT_TYPE_AA2 || type == FONT_TYPE_AA4);
  const int scale = internal ? 4 : 1;
  const int magnitude = lf.Height < 0 ? -lf.Height : lf.Height;
  // Larger cells than the working surface cannot be drawn; such heights are refused.
  EngineFont* font = nullptr;
  if (magnitude >= 1 && magnitude <= SURFACE_SIZE)
    font = ENGINE_Open(doc->Lf.acFaceName, lf.Weight, lf.Italic != 0, lf.Height * scale);
  if (!font) {
    FONT_Destroy(doc);
    HOST_Get()->SetWaitCursor(false);
    FONTMSG_ReportMsg(FONTMSG_CREATE_FAILED);
    return nullptr;
  }
  FontFace* source = new FontFace(font, scale);
  FONT_SetGlyphSource(doc, source);
  doc->CurrentChar = 65;
  const std::vector<uint8_t> cmap = ENGINE_LoadTable(font, "cmap");
  if (!CMAP_ReadSegments(doc, cmap.data(), cmap.size())) {
    doc->HasUnicodeMap = 0;
    doc->NumSegments = 0;
  }
  FONT_InitAvailability(doc);
  if (FONT_IsExtended(type) && !doc->HasUnicodeMap) {
    FONT_Destroy(doc);
    HOST_Get()->SetWaitCursor(false);
    FONTMSG_ReportMsg(FONTMSG_NOT_TRUETYPE);
    return nullptr;
  }
  EngineMetrics m = ENGINE_GetMetrics(font);
  if (internal && m.CellHeight > SURFACE_SIZE) {
    // The oversampled cell would not fit the working surface: glyphs would be cut.
    FONT_Destroy(doc);
    HOST_Get()->SetWaitCursor(false);
    char acText[256];
    std::snprintf(acText, sizeof(acText), FONTGEN_MSG_INTERNAL_TOO_HIGH, CELLS, (m.CellHeight + 3) / 4);
    FONTMSG_Report(acText);
    return nullptr;
  }
  int cell = m.CellHeight > SURFACE_SIZE * scale ? SURFACE_SIZE * scale : m.CellHeight;
  source->Ascent = m.Ascent;
  source->CellHeight = cell;
  doc->Height = cell / scale;
  doc->MaxWidth = m.MaxCharWidth / scale;
  if (FONT_IsExtended(type)) doc->Baseline = m.Ascent;
  if (type == FONT_TYPE_EXT_FRM) {
    doc->Height += 2;
    doc->MaxWidth += 2;
  }
  HOST_Get()->SetWaitCursor(false);
  EDITLOG_Clear();
  char acLine[64];
  std::snprintf(acLine, sizeof(acLine), "* Initial font height:  %d", doc->Height);
  EDITLOG_AddLine(acLine);
  return doc;
}

void FontFace::RenderChar(FontDoc* doc, unsigned code) {
  if (doc->pSource != this || code >= FONT_NUM_CODES) return;
  const bool internal = doc->AAMode == FONT_AA_INTERNAL &&
                        (doc->Type == FONT_TYPE_AA2 || doc->Type == FONT_TYPE_AA4);
  if (internal)
    render_internal(doc, code);
  else if (FONT_IsExtended(doc->Type))
    render_extended(doc, code);
  else if (doc->Type >= FONT_TYPE_STD && doc->Type <= FONT_TYPE_AA4)
    render_standard(doc, code);
}
