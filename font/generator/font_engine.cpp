// FreeType and fontconfig behind the engine interface. A positive height is the cell
// height: the face is scaled so that the OS/2 usWinAscent + usWinDescent (hhea
// ascender - descender without OS/2) spans exactly that many pixels.
#include "font/generator/font_engine.h"

#include "font/generator/family_names.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H
#include FT_OUTLINE_H
#include FT_SYNTHESIS_H

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <unordered_set>

// What fontconfig asks of a face that lacks the requested style: a bolder outline
// and a slant (its "embolden" and "matrix" results).
struct EngineSynthesis {
  bool Embolden = false;
  bool Transform = false;
  FT_Matrix Matrix = {0x10000, 0, 0, 0x10000};
};

struct EngineFont {
  FT_Face Face;
  EngineMetrics Metrics;
  EngineSynthesis Synthesis;
};

static FT_Library s_library;
static bool s_familiesLoaded;
static std::unordered_set<std::string> s_families;  // every name a face carries
static std::vector<std::string> s_listed;             // one name a family, sorted

// FreeType and fontconfig keep process-wide state; both are released at exit.
static void release_engine() {
  if (s_library) FT_Done_FreeType(s_library);
  s_library = nullptr;
  FcFini();
}

static void register_release() {
  static bool registered;
  if (!registered) {
    registered = true;
    std::atexit(release_engine);
  }
}

static FT_Library library() {
  register_release();
  if (!s_library && FT_Init_FreeType(&s_library) != 0) s_library = nullptr;
  return s_library;
}

// Every family name a face carries is accepted; the listed ones are chosen from them.
static void load_families() {
  if (s_familiesLoaded) return;
  s_familiesLoaded = true;
  register_release();
  FcPattern* pattern = FcPatternCreate();
  FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, FC_FAMILYLANG, nullptr);
  FcFontSet* set = FcFontList(nullptr, pattern, objects);
  std::vector<FaceNames> faces;
  if (set) {
    for (int i = 0; i < set->nfont; ++i) {
      FaceNames face;
      FcChar8* text;
      for (int n = 0; FcPatternGetString(set->fonts[i], FC_FAMILY, n, &text) == FcResultMatch; ++n)
        face.Families.push_back(reinterpret_cast<const char*>(text));
      for (int n = 0; FcPatternGetString(set->fonts[i], FC_FAMILYLANG, n, &text) == FcResultMatch; ++n)
        face.Languages.push_back(reinterpret_cast<const char*>(text));
      s_families.insert(face.Families.begin(), face.Families.end());
      faces.push_back(std::move(face));
    }
    FcFontSetDestroy(set);
  }
  FcObjectSetDestroy(objects);
  FcPatternDestroy(pattern);
  s_listed = FAMILY_ListedNames(faces);
}

bool ENGINE_FamilyExists(const char* family) {
  if (!family || !*family) return false;
  load_families();
  return s_families.count(family) != 0;
}

std::vector<std::string> ENGINE_ListFamilies() {
  load_families();
  return s_listed;
}

static FT_Fixed to_fixed(double v) { return static_cast<FT_Fixed>(std::lround(v * 65536.0)); }

static EngineSynthesis synthesis_of(FcPattern* match) {
  EngineSynthesis s;
  FcBool embolden = FcFalse;
  if (FcPatternGetBool(match, FC_EMBOLDEN, 0, &embolden) == FcResultMatch) s.Embolden = embolden != FcFalse;
  FcMatrix* m = nullptr;
  if (FcPatternGetMatrix(match, FC_MATRIX, 0, &m) == FcResultMatch && m &&
      (m->xx != 1 || m->xy != 0 || m->yx != 0 || m->yy != 1)) {
    s.Transform = true;
    s.Matrix.xx = to_fixed(m->xx);
    s.Matrix.xy = to_fixed(m->xy);
    s.Matrix.yx = to_fixed(m->yx);
    s.Matrix.yy = to_fixed(m->yy);
  }
  return s;
}

static bool find_file(const char* family, int weight, bool italic, std::string* file, int* index,
                      EngineSynthesis* synthesis) {
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
  FcPatternAddInteger(pattern, FC_WEIGHT, FcWeightFromOpenType(weight));
  FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  bool ok = false;
  if (match) {
    FcChar8* path;
    int i = 0;
    if (FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch) {
      FcPatternGetInteger(match, FC_INDEX, 0, &i);
      *file = reinterpret_cast<const char*>(path);
      *index = i;
      *synthesis = synthesis_of(match);
      ok = true;
    }
    FcPatternDestroy(match);
  }
  FcPatternDestroy(pattern);
  return ok;
}

EngineFont* ENGINE_Open(const char* family, int weight, bool italic, int height) {
  if (height == 0 || !library()) return nullptr;
  std::string file;
  int index = 0;
  EngineSynthesis synthesis;
  if (!find_file(family, weight, italic, &file, &index, &synthesis)) return nullptr;
  FT_Face face;
  if (FT_New_Face(s_library, file.c_str(), index, &face) != 0) return nullptr;
  if (!FT_IS_SCALABLE(face) || face->units_per_EM == 0) {
    FT_Done_Face(face);
    return nullptr;
  }
  FT_Select_Charmap(face, FT_ENCODING_UNICODE);
  double winAscent = face->ascender;
  double winDescent = -face->descender;
  const TT_OS2* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  if (os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
    winAscent = os2->usWinAscent;
    winDescent = os2->usWinDescent;
  }
  double cellUnits = winAscent + winDescent;
  if (cellUnits <= 0) cellUnits = face->units_per_EM;
  double ppem;
  int cellHeight;
  if (height > 0) {
    cellHeight = height;
    ppem = height * static_cast<double>(face->units_per_EM) / cellUnits;
  } else {
    ppem = -static_cast<double>(height);
    cellHeight = static_cast<int>(std::lround(cellUnits * ppem / face->units_per_EM));
  }
  long size26 = std::lround(ppem * 64.0);
  if (size26 < 1 || FT_Set_Char_Size(face, 0, size26, 72, 72) != 0) {
    FT_Done_Face(face);
    return nullptr;
  }
  EngineFont* font = new EngineFont{};
  font->Face = face;
  font->Synthesis = synthesis;
  font->Metrics.CellHeight = cellHeight;
  font->Metrics.Ascent = static_cast<int>(std::lround(winAscent * cellHeight / cellUnits));
  font->Metrics.MaxCharWidth = static_cast<int>((face->size->metrics.max_advance + 63) >> 6);
  return font;
}

void ENGINE_Close(EngineFont* font) {
  if (!font) return;
  FT_Done_Face(font->Face);
  delete font;
}

EngineMetrics ENGINE_GetMetrics(const EngineFont* font) { return font->Metrics; }

std::vector<uint8_t> ENGINE_LoadTable(EngineFont* font, const char tag[4]) {
  std::vector<uint8_t> data;
  FT_ULong t = FT_MAKE_TAG(tag[0], tag[1], tag[2], tag[3]);
  FT_ULong length = 0;
  if (FT_Load_Sfnt_Table(font->Face, t, 0, nullptr, &length) != 0 || length == 0) return data;
  data.resize(length);
  if (FT_Load_Sfnt_Table(font->Face, t, 0, data.data(), &length) != 0) data.clear();
  return data;
}

EngineGlyph ENGINE_RenderGlyph(EngineFont* font, unsigned code, EngineRender mode) {
  EngineGlyph g = {};
  FT_Face face = font->Face;
  const EngineSynthesis& syn = font->Synthesis;
  const bool synthetic = syn.Embolden || syn.Transform;
  FT_Int32 flags = (synthetic ? 0 : FT_LOAD_RENDER) |
                   (mode == ENGINE_MONO ? FT_LOAD_TARGET_MONO : FT_LOAD_TARGET_NORMAL);
  if (FT_Load_Char(face, code, flags) != 0) return g;
  FT_GlyphSlot slot = face->glyph;
  if (synthetic) {
    // The outline is slanted and emboldened before it is rendered, as a desktop does.
    if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
      if (syn.Transform) FT_Outline_Transform(&slot->outline, &syn.Matrix);
      if (syn.Embolden) FT_GlyphSlot_Embolden(slot);
    }
    if (FT_Render_Glyph(slot, mode == ENGINE_MONO ? FT_RENDER_MODE_MONO : FT_RENDER_MODE_NORMAL) != 0) return g;
  }
  const FT_Bitmap& bm = slot->bitmap;
  bool mono = bm.pixel_mode == FT_PIXEL_MODE_MONO;
  if (!mono && bm.pixel_mode != FT_PIXEL_MODE_GRAY && bm.rows && bm.width) return g;
  g.Loaded = true;
  g.Width = static_cast<int>(bm.width);
  g.Rows = static_cast<int>(bm.rows);
  g.Pitch = bm.pitch;
  g.Left = slot->bitmap_left;
  g.Top = slot->bitmap_top;
  g.Advance = static_cast<int>((slot->advance.x + 32) >> 6);
  g.pBuffer = bm.buffer;
  g.Mono = mono;
  if (g.Pitch < 0) {  // bottom-up bitmaps are not produced by the renderers used here
    g.Width = g.Rows = 0;
    g.pBuffer = nullptr;
  }
  if (!g.pBuffer) g.Width = g.Rows = 0;
  return g;
}
