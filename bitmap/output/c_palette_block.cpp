// Palette block of generated C files.
#include "bitmap/output/c_palette_block.h"

#include <cstdio>

static const char kCommentStart[] =
    "/*********************************************************************\r\n";

void CPALETTE_WriteDescription(CTextWriter* w) {
  CTEXT_RawStr(w, kCommentStart);
  CTEXT_RawStr(w,
               "*\r\n"
               "*       Palette\r\n"
               "*\r\n"
               "*  Description\r\n"
               "*    The following are the entries of the palette table.\r\n"
               "*    The entries are stored as a 32-bit values of which 24 bits are\r\n"
               "*    actually used according to the following bit mask: 0xBBGGRR\r\n"
               "*\r\n"
               "*    The lower   8 bits represent the Red   component.\r\n"
               "*    The middle  8 bits represent the Green component.\r\n"
               "*    The highest 8 bits represent the Blue  component.\r\n"
               "*/\r\n"
               "\r\n");
}

static void write_entries(CTextWriter* w, const ImageDocument* doc, bool argbOrder, bool eightDigits) {
  const int n = doc->NumColors;
  for (int i = 0; i < n; ++i) {
    if (i % 4 == 0) CTEXT_Raw(w, "\r\n  ", 4);
    ColorValue c = IMAGE_GetPalColor(doc, i);
    uint32_t v = argbOrder ? 0xFF000000u | (COLOR_Red(c) << 16) | (COLOR_Green(c) << 8) | COLOR_Blue(c)
                           : c & 0xFFFFFFu;
    char buf[16];
    char* p = buf;
    *p++ = '0';
    *p++ = 'x';
    p = eightDigits || argbOrder ? CTEXT_PutHex8(p, v) : CTEXT_PutHex2(CTEXT_PutHex4(p, v >> 8), v);
    if (i + 1 < n) {
      *p++ = ',';
      if ((i + 1) % 4 != 0) *p++ = ' ';
    }
    CTEXT_Raw(w, buf, static_cast<size_t>(p - buf));
  }
}

void CPALETTE_Write(CTextWriter* w, const ImageDocument* doc, const char* name, bool withoutPalette,
                    bool useARGB, bool withDescription) {
  if (withoutPalette) {
    CTEXT_RawStr(w, "#if 0\r\n\r\n\r\n");
    CTEXT_RawStr(w, kCommentStart);
    CTEXT_RawStr(w,
                 "*\r\n"
                 "*  This palette is included for reference only\r\n"
                 "*  As it is saved as device dependent bitmap without color info.\r\n"
                 "*  Please note that this bitmap requires the physical palette to be\r\n"
                 "*  identical to the palette of the display.\r\n"
                 "*  If this does not work out, please convert your bitmap into a DIB \r\n"
                 "*/\r\n"
                 "\r\n");
  }
  if (withDescription) CPALETTE_WriteDescription(w);
  CTEXT_Printf(w, "static GUI_CONST_STORAGE GUI_COLOR _Colors%s[] = {\r\n", name);
  CTEXT_RawStr(w, "#if (GUI_USE_ARGB == 0)");
  write_entries(w, doc, false, useARGB);
  CTEXT_RawStr(w, "\r\n#else");
  write_entries(w, doc, true, useARGB);
  CTEXT_RawStr(w, "\r\n#endif\r\n");
  CTEXT_RawStr(w, "\r\n};\r\n\r\n");
  if (withoutPalette) CTEXT_RawStr(w, "#endif\r\n\r\n");

  char count[16];
  int digits = std::snprintf(count, sizeof(count), "%d", static_cast<int>(doc->NumColors));
  CTEXT_Printf(w, "static GUI_CONST_STORAGE GUI_LOGPALETTE _Pal%s = {\r\n", name);
  CTEXT_Printf(w, "  %s,  // Number of entries\r\n", count);
  CTEXT_Printf(w, "  %s,%*s%s", doc->HasTrans ? "1" : "0", digits + 1, "",
               doc->HasTrans ? "// Has transparency\r\n" : "// No transparency\r\n");
  if (withoutPalette)
    CTEXT_RawStr(w, "  NULL");
  else
    CTEXT_Printf(w, "  &_Colors%s[0]", name);
  CTEXT_RawStr(w, "\r\n};\r\n\r\n");
}
