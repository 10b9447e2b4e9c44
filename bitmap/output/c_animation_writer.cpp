// Animated sprite and cursor C files. The first call writes the header comment with the
// usage lines, the declarations and the palette description; every call writes its
// frame's palette (unless the frame shares the global table already written) and pixel
// array; the last one writes the bitmap array, the pointers, the delays and, for a
// cursor, the GUI_CURSOR_ANIM.
#include "bitmap/output/c_animation_writer.h"

#include <cstdio>
#include <cstring>
#include <new>

#include "bitmap/output/c_bitmap_writer.h"
#include "bitmap/output/c_header_comment.h"
#include "bitmap/output/c_palette_block.h"
#include "bitmap/output/c_pixel_rows.h"

namespace {

enum { IDENTIFIER_CAPACITY = 260, POINTER_LINE_MAX = 100, DELAY_LINE_MAX = CTEXT_MAX_COLUMN };

int digits(int v) {
  int n = 1;
  while (v >= 10) v /= 10, ++n;
  return n;
}

// Blanks that line up a number of `value`'s digits with numbers of the frame count's.
std::string pad(int value, int numFrames) {
  const int n = digits(numFrames) - digits(value);
  return std::string(n > 0 ? static_cast<size_t>(n) : 0u, ' ');
}

void write_head(CTextWriter* w, const CAnimRequest* r, const char* id, const ImageDocument* first, int n) {
  char count[16], duration[16];
  std::snprintf(count, sizeof(count), "%d", n);
  std::snprintf(duration, sizeof(duration), "%lu", static_cast<unsigned long>(r->TotalDelay));
  char usage[2048];  // five identifiers of up to 259 characters
  if (r->Kind == CANIM_KIND_SPRITE)
    std::snprintf(usage, sizeof(usage),
                  "\r\n* Usage:\r\n*   extern const GUI_BITMAP * apbm%s[%s];\r\n*   extern const unsigned     aDelay%s[%s];"
                  "\r\n*   GUI_SPRITE_CreateAnim(apbm%s, 10, 10, 0, aDelay%s, GUI_COUNTOF(apbm%s));\r\n*",
                  id, count, id, count, id, id, id);
  else
    std::snprintf(usage, sizeof(usage),
                  "\r\n* Usage:\r\n*   extern const GUI_CURSOR_ANIM Cursor%s;\r\n*   GUI_CURSOR_SelectAnim(&Cursor%s);\r\n*",
                  id, id);
  CHEADER_Write(w, id, count, first, r->Kind, usage, duration);
  if (r->Kind == CANIM_KIND_SPRITE)
    CTEXT_Printf(w, "extern const GUI_BITMAP * apbm%s[%s];\r\nextern const unsigned     aDelay%s[%s];\r\n\r\n", id,
                 count, id, count);
  else
    CTEXT_Printf(w, "extern const GUI_CURSOR_ANIM Cursor%s;\r\n\r\n", id);
  CPALETTE_WriteDescription(w);
}

std::vector<ColorValue> palette_of(const ImageDocument* doc) {
  std::vector<ColorValue> colours(static_cast<size_t>(doc->NumColors));
  for (int i = 0; i < doc->NumColors; ++i) colours[static_cast<size_t>(i)] = IMAGE_GetPalColor(doc, i);
  return colours;
}

// Writes the frame's palette when it needs one of its own; returns the number in its name.
// Frames of the global table share the block written for the first such frame, named after
// that frame. The transparent entry moves to index 0 in each decoded frame, so a frame of
// the global table whose decoded palette differs (another transparent index, or none) gets
// a block named after itself, which later frames with the same palette share.
int write_palette(CAnimWriter* aw, CTextWriter* w, const CAnimRequest* r, const char* id, const CAnimFrame* f, int k) {
  const ImageDocument* doc = f->pImage;
  int number = k;
  if (f->OwnPalette < 0) {
    std::vector<ColorValue> colours = palette_of(doc);
    for (const CAnimWriter::SharedPalette& p : aw->GlobalPalettes)
      if (p.HasTrans == (doc->HasTrans != 0) && p.Colors == colours) return p.Name;
    if (aw->GlobalPalettes.empty() && f->FirstGlobalFrame >= 0) number = f->FirstGlobalFrame;
    aw->GlobalPalettes.push_back({number, doc->HasTrans != 0, std::move(colours)});
  }
  char name[IDENTIFIER_CAPACITY + 16];
  std::snprintf(name, sizeof(name), "%s%d", id, number);
  CPALETTE_Write(w, doc, name, false, r->UseARGB, false);
  return number;
}

void write_bitmaps(const CAnimWriter* aw, CTextWriter* w, const char* id) {
  const int n = aw->NumFrames;
  CTEXT_Printf(w, "static GUI_CONST_STORAGE GUI_BITMAP _abm%s[] = {\r\n", id);
  for (int e = 0; e < n; ++e) {
    const CAnimWriter::Entry& en = aw->Entries[static_cast<size_t>(e)];
    CTEXT_Printf(w, "  { %d, %d, %d, %s, _ac%s%d,%s &_Pal%s%d%s }%s", en.XSize, en.YSize, en.BytesPerLine, "8", id, e,
                 pad(e, n).c_str(), id, en.Palette, pad(en.Palette, n).c_str(), e + 1 < n ? ",\r\n" : "\r\n");
  }
  CTEXT_RawStr(w, "};\r\n\r\n");
}

void write_pointers(const CAnimWriter* aw, CTextWriter* w, const char* id, bool cursor) {
  const int n = aw->NumFrames;
  CTEXT_Printf(w, cursor ? "static const GUI_BITMAP * _apbm%s[] = {\r\n" : "const GUI_BITMAP * apbm%s[] = {\r\n", id);
  size_t column = 0;
  for (int e = 0; e < n; ++e) {
    const std::string text = "  &_abm" + std::string(id) + "[" + std::to_string(e) + "]" + (e + 1 < n ? "," : "") + pad(e, n);
    if (column > 0 && column + text.size() > POINTER_LINE_MAX) {
      CTEXT_RawStr(w, "\r\n");
      column = 0;
    }
    CTEXT_RawStr(w, text.c_str());
    column += text.size();
  }
  CTEXT_RawStr(w, "\r\n};\r\n\r\n");
}

void write_delays(const CAnimWriter* aw, CTextWriter* w, const char* id, bool cursor) {
  CTEXT_Printf(w, cursor ? "static const unsigned _aDelay%s[] = {\r\n" : "const unsigned aDelay%s[] = {\r\n", id);
  size_t column = 0;
  const size_t n = aw->Entries.size();
  for (size_t e = 0; e < n; ++e) {
    char text[32];
    const int len = std::snprintf(text, sizeof(text), e ? " %lu%s" : "  %lu%s",
                                  static_cast<unsigned long>(aw->Entries[e].Delay), e + 1 < n ? "," : "");
    if (column > 0 && column + static_cast<size_t>(len) > DELAY_LINE_MAX) {
      CTEXT_RawStr(w, "\r\n");  // the next number's own blank indents the new line
      column = 0;
    }
    CTEXT_RawStr(w, text);
    column += static_cast<size_t>(len);
  }
  CTEXT_RawStr(w, "\r\n};\r\n\r\n");
}

void write_cursor(CTextWriter* w, const char* id, int n) {
  const int l = static_cast<int>(std::strlen(id));
  CTEXT_Printf(w, "const GUI_CURSOR_ANIM Cursor%s = {\r\n", id);
  CTEXT_Printf(w, "  _apbm%s,    // Pointer to an array of bitmaps\r\n", id);
  CTEXT_Printf(w, "  0,%*s // x coordinate of the hot spot\r\n", l + 7, "");
  CTEXT_Printf(w, "  0,%*s // y coordinate of the hot spot\r\n", l + 7, "");
  CTEXT_Printf(w, "  0,%*s // Period, should be 0 here\r\n", l + 7, "");
  CTEXT_Printf(w, "  _aDelay%s,  // Pointer to an array of periods\r\n", id);
  CTEXT_Printf(w, "  %d%*s // Number of images\r\n", n, l - digits(n) + 9, "");
  CTEXT_RawStr(w, "};\r\n\r\n");
}

}  // namespace

int CANIM_WriteFrame(CAnimWriter* aw, CTextWriter* w, const CAnimRequest* r, const CAnimFrame* f, int following) {
  const bool first = aw->LastFollowing < 0;
  if (following < 0 || (!first && following != aw->LastFollowing - 1)) {
    *aw = CAnimWriter{};
    return CANIM_ESERIES;
  }
  char id[IDENTIFIER_CAPACITY];
  if (CBITMAP_MakeIdentifier(r->pOutputPath, id, sizeof(id)) != 0) return CANIM_EREFUSED;
  const ImageDocument* doc = f->pImage;
  if (!doc || doc->BitsPerPixel != 8 || doc->NumColors < 1 || doc->NumColors > 256) return CANIM_EREFUSED;
  try {
    if (first) {
      *aw = CAnimWriter{};
      aw->NumFrames = following + 1;
      aw->Entries.reserve(static_cast<size_t>(aw->NumFrames));
      write_head(w, r, id, doc, aw->NumFrames);
    }
    const int k = aw->NumFrames - 1 - following;
    const int palette = write_palette(aw, w, r, id, f, k);
    CTEXT_Printf(w, "static GUI_CONST_STORAGE unsigned char _ac%s%d[] = {\r\n", id, k);
    CPIXEL_WriteIndexRows(w, doc, 8);
    // Each entry describes its own frame: frames of different sizes stay readable.
    aw->Entries.push_back({static_cast<int>(doc->XSize), static_cast<int>(doc->YSize), static_cast<int>(doc->XSize), palette,
                           f->Delay});
  } catch (const std::bad_alloc&) {
    *aw = CAnimWriter{};
    return CANIM_ENOMEM;
  }
  aw->LastFollowing = following;
  if (following == 0) {
    const bool cursor = r->Kind == CANIM_KIND_CURSOR;
    write_bitmaps(aw, w, id);
    write_pointers(aw, w, id, cursor);
    write_delays(aw, w, id, cursor);
    if (cursor) write_cursor(w, id, aw->NumFrames);
    CHEADER_WriteEndOfFile(w);
    *aw = CAnimWriter{};  // the series is complete
  }
  CTEXT_Drain(w);
  return OUT_Failed(w->pOut) ? CANIM_EWRITE : CANIM_OK;
}
