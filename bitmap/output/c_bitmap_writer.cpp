// C bitmap file writer: header comment, include block, palette block (palette formats
// only), pixel array and the GUI_BITMAP that ties them together. Direct-colour formats
// never write a palette block; a paletted document is written with its palette colours.
#include "bitmap/output/c_bitmap_writer.h"

#include <cstdio>
#include <memory>

#include "bitmap/output/c_bitmap_format.h"
#include "bitmap/output/c_header_comment.h"
#include "bitmap/output/c_palette_block.h"
#include "bitmap/output/c_pixel_rows.h"
#include "bitmap/output/c_text_writer.h"
#include "bitmap/output/rle.h"

enum { IDENTIFIER_CAPACITY = 260 };

bool CBITMAP_IsValidFormat(int format) { return CBITMAP_FindFormat(format) != nullptr; }

bool CBITMAP_IsDirectColorFormat(int format) {
  return (format >= 8 && format <= 13) || format == 17 || (format >= 19 && format <= 24);
}

static const char* element_name(CBitmapElement e) {
  switch (e) {
    case CBITMAP_ELEM_SHORT:
      return "unsigned short";
    case CBITMAP_ELEM_LONG:
      return "unsigned long";
    default:
      return "unsigned char";
  }
}

static bool write_pixel_data(CTextWriter* w, const ImageDocument* doc, const CBitmapFormat* f) {
  switch (f->Kind) {
    case CBITMAP_DATA_INDICES:
      CPIXEL_WriteIndexRows(w, doc, f->BitsPerPixel);
      return true;
    case CBITMAP_DATA_RLE: {
      RleSource src = {doc, f->Rle, f->pColorFormat};
      return RLE_WriteCText(w, &src);
    }
    default:
      CPIXEL_WriteColorRows(w, doc, f);
      return true;
  }
}

static void write_bitmap(CTextWriter* w, const ImageDocument* doc, const CBitmapFormat* f, const char* id) {
  const int64_t bytesPerLine = (static_cast<int64_t>(doc->XSize) * f->BitsPerPixel + 7) / 8;
  CTEXT_Printf(w,
               "GUI_CONST_STORAGE GUI_BITMAP bm%s = {\r\n  %d, // xSize\r\n  %d, // ySize\r\n"
               "  %lld, // BytesPerLine\r\n  %s, // BitsPerPixel\r\n",
               id, static_cast<int>(doc->XSize), static_cast<int>(doc->YSize),
               static_cast<long long>(bytesPerLine), f->pBitsPerPixelText);
  if (f->HasPalette)
    CTEXT_Printf(w, "  _ac%s,  // Pointer to picture data (indices)\r\n", id);
  else
    CTEXT_Printf(w, "  (unsigned char *)_ac%s,  // Pointer to picture data\r\n", id);
  if (!f->HasPalette)
    CTEXT_RawStr(w, "  NULL,  // Pointer to palette");
  else if (f->Kind == CBITMAP_DATA_RLE)
    CTEXT_Printf(w, "  &_Pal%s,  // Pointer to palette", id);
  else
    CTEXT_Printf(w, "  &_Pal%s   // Pointer to palette", id);
  if (f->Number == 99)
    CTEXT_RawStr(w, "\r\n#if (GUI_USE_ARGB == 1)\r\n  GUI_DRAW_BMPM8888I\r\n#else\r\n  GUI_DRAW_BMP8888\r\n#endif");
  else if (f->pDrawMethod)
    CTEXT_Printf(w, "\r\n  %s", f->pDrawMethod);
  CTEXT_RawStr(w, "\r\n};\r\n\r\n");
}

int CBITMAP_Save(FILE* file, const ImageDocument* doc, const SaveRequest* request,
                 const char* outputPath, bool useARGB) {
  char id[IDENTIFIER_CAPACITY];
  if (CBITMAP_MakeIdentifier(outputPath, id, sizeof(id)) != 0) return CBITMAP_EREFUSED;
  const CBitmapFormat* f = request ? CBITMAP_FindFormat(request->Format) : nullptr;
  if (!f || !doc || !file) return CBITMAP_EREFUSED;
  // Palette formats need a palette that fits them.
  if (f->HasPalette && (doc->NumColors <= 0 || doc->NumColors > f->MaxColors)) return CBITMAP_EREFUSED;

  auto out = std::make_unique<OutWriter>();
  auto w = std::make_unique<CTextWriter>();
  OUT_Init(out.get(), file);
  CTEXT_Init(w.get(), out.get());

  char countText[64];  // holds the longest count text whole
  if (f->pNumColorsText)
    std::snprintf(countText, sizeof(countText), "%s", f->pNumColorsText);
  else
    std::snprintf(countText, sizeof(countText), "%d", static_cast<int>(doc->NumColors));
  CHEADER_Write(w.get(), id, countText, doc, CHEADER_KIND_BITMAP, nullptr, nullptr);
  CTEXT_Printf(w.get(), "extern GUI_CONST_STORAGE GUI_BITMAP bm%s;\r\n\r\n", id);
  if (f->HasPalette) CPALETTE_Write(w.get(), doc, id, request->WithoutPalette != 0, useARGB, true);
  CTEXT_Printf(w.get(), "static GUI_CONST_STORAGE %s _ac%s[] = {\r\n", element_name(f->Element), id);
  if (!write_pixel_data(w.get(), doc, f)) {
    CTEXT_Flush(w.get());
    return CBITMAP_ENOMEM;
  }
  write_bitmap(w.get(), doc, f, id);
  CHEADER_WriteEndOfFile(w.get());
  return CTEXT_Flush(w.get()) ? CBITMAP_OK : CBITMAP_EWRITE;
}
