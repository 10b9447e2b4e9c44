/* Reference text decoder of the firmware check. Written from the output layouts:
 * rows of BytesPerLine bytes, the first pixel in the most significant bits; the
 * framed type stores the frame rows after the glyph rows. */
#include "font_decoder.h"

static const void * font_data(const GUI_FONT * pFont) {
#if GUI_FONT_V350
  return pFont->pData;
#else
  return pFont->p.pFontData;
#endif
}

static int bits_per_pixel(int type) {
  switch (type) {
  case GUI_FONTTYPE_PROP_AA2:
  case GUI_FONTTYPE_PROP_AA2_EXT:
    return 2;
  case GUI_FONTTYPE_PROP_AA4:
  case GUI_FONTTYPE_PROP_AA4_EXT:
    return 4;
  default:
    return 1;
  }
}

static int get_pixel(const unsigned char * pRows, int BytesPerLine, int bpp, int x, int y) {
  unsigned char Byte = pRows[y * BytesPerLine + (x * bpp) / 8];
  int Shift = 8 - bpp - (x * bpp) % 8;
  return (Byte >> Shift) & ((1 << bpp) - 1);
}

static int put(signed char * pCanvas, int w, int h, int x, int y, int v) {
  if (v == 0) {
    return 0;
  }
  if (x < 0 || y < 0 || x >= w || y >= h) {
    return 1;
  }
  pCanvas[y * w + x] = (signed char)v;
  return 0;
}

int FONTDEC_DrawText(const GUI_FONT * pFont, const unsigned short * pCodes, int NumCodes,
                     int x0, int y0, signed char * pCanvas, int w, int h) {
  int Type = pFont->FontType & ~GUI_FONTTYPE_SJIS_FLAG;
  int bpp = bits_per_pixel(Type);
  int Extended = Type >= GUI_FONTTYPE_PROP_EXT;
  int Clipped = 0;
  int Pen = x0;
  int i, x, y;
  for (i = 0; i < NumCodes; i++) {
    unsigned short Code = pCodes[i];
    if (!Extended) {
      const GUI_FONT_PROP * pProp = (const GUI_FONT_PROP *)font_data(pFont);
      const GUI_CHARINFO * pInfo;
      while (pProp && (Code < pProp->First || Code > pProp->Last)) {
        pProp = pProp->pNext;
      }
      if (!pProp) {
        return -1;
      }
      pInfo = &pProp->paCharInfo[Code - pProp->First];
      for (y = 0; y < pFont->YSize; y++) {
        for (x = 0; x < pInfo->XSize; x++) {
          Clipped += put(pCanvas, w, h, Pen + x, y0 + y,
                         get_pixel(pInfo->pData, pInfo->BytesPerLine, bpp, x, y));
        }
      }
      Pen += pInfo->XDist;
    } else {
      const GUI_FONT_PROP_EXT * pProp = (const GUI_FONT_PROP_EXT *)font_data(pFont);
      const GUI_CHARINFO_EXT * pInfo;
      int BytesPerLine;
      while (pProp && (Code < pProp->First || Code > pProp->Last)) {
        pProp = pProp->pNext;
      }
      if (!pProp) {
        return -1;
      }
      pInfo = &pProp->paCharInfo[Code - pProp->First];
      BytesPerLine = (pInfo->XSize * bpp + 7) / 8;
      for (y = 0; y < pInfo->YSize; y++) {
        for (x = 0; x < pInfo->XSize; x++) {
          int v = get_pixel(pInfo->pData, BytesPerLine, bpp, x, y);
          if (v == 0 && Type == GUI_FONTTYPE_PROP_FRM) {
            const unsigned char * pFrame = pInfo->pData + BytesPerLine * pInfo->YSize;
            if (get_pixel(pFrame, BytesPerLine, 1, x, y)) {
              v = -1;
            }
          }
          Clipped += put(pCanvas, w, h, Pen + pInfo->XPos + x, y0 + pInfo->YPos + y, v);
        }
      }
      Pen += pInfo->XDist;
    }
  }
  return Clipped;
}
