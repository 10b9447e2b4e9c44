/* Font types of the graphics library, as generated font files use them.
 * Files written in the "V3.50x or older" form are compiled with GUI_FONT_V350
 * defined: their GUI_FONT has a plain data pointer and no metrics. */
#ifndef GUI_FONT_H
#define GUI_FONT_H

#include "GUI_PixelNames.h"

#ifndef GUI_FONT_V350
  #define GUI_FONT_V350 0
#endif

/* Font-type identifiers: the font type in the low bits, Shift_JIS as a flag. */
#define GUI_FONTTYPE_SJIS_FLAG     0x10
#define GUI_FONTTYPE_PROP          0
#define GUI_FONTTYPE_PROP_AA2      1
#define GUI_FONTTYPE_PROP_AA4      2
#define GUI_FONTTYPE_PROP_EXT      3
#define GUI_FONTTYPE_PROP_FRM      4
#define GUI_FONTTYPE_PROP_AA2_EXT  5
#define GUI_FONTTYPE_PROP_AA4_EXT  6
#define GUI_FONTTYPE_PROP_SJIS          (GUI_FONTTYPE_PROP | GUI_FONTTYPE_SJIS_FLAG)
#define GUI_FONTTYPE_PROP_AA2_SJIS      (GUI_FONTTYPE_PROP_AA2 | GUI_FONTTYPE_SJIS_FLAG)
#define GUI_FONTTYPE_PROP_AA4_SJIS      (GUI_FONTTYPE_PROP_AA4 | GUI_FONTTYPE_SJIS_FLAG)
#define GUI_FONTTYPE_PROP_EXT_SJIS      (GUI_FONTTYPE_PROP_EXT | GUI_FONTTYPE_SJIS_FLAG)
#define GUI_FONTTYPE_PROP_FRM_SJIS      (GUI_FONTTYPE_PROP_FRM | GUI_FONTTYPE_SJIS_FLAG)
#define GUI_FONTTYPE_PROP_AA2_EXT_SJIS  (GUI_FONTTYPE_PROP_AA2_EXT | GUI_FONTTYPE_SJIS_FLAG)
#define GUI_FONTTYPE_PROP_AA4_EXT_SJIS  (GUI_FONTTYPE_PROP_AA4_EXT | GUI_FONTTYPE_SJIS_FLAG)

/* Standard types: the bitmap spans the font height; the width is the advance. */
typedef struct {
  unsigned short XSize;
  unsigned short XDist;
  unsigned short BytesPerLine;
  const unsigned char * pData;
} GUI_CHARINFO;

/* Extended types: the black box, placed relative to the pen and the line's top. */
typedef struct {
  unsigned short XSize;
  unsigned short YSize;
  short XPos;
  short YPos;
  short XDist;
  const unsigned char * pData;
} GUI_CHARINFO_EXT;

typedef struct GUI_FONT_PROP {
  unsigned short First;
  unsigned short Last;
  const GUI_CHARINFO * paCharInfo;
  const struct GUI_FONT_PROP * pNext;
} GUI_FONT_PROP;

typedef struct GUI_FONT_PROP_EXT {
  unsigned short First;
  unsigned short Last;
  const GUI_CHARINFO_EXT * paCharInfo;
  const struct GUI_FONT_PROP_EXT * pNext;
} GUI_FONT_PROP_EXT;

typedef struct {
  int FontType;
  unsigned short YSize;
  unsigned short YDist;
  unsigned char XMag;
  unsigned char YMag;
#if GUI_FONT_V350
  const void * pData;
#else
  union {
    const void * pFontData;
  } p;
  unsigned short Baseline;
  unsigned short LHeight;
  unsigned short CHeight;
#endif
} GUI_FONT;

#endif
