/* Bitmap types of the graphics library, as generated bitmap files use them: the bitmap
 * and palette records, the draw-method identifiers (each the address of a method record
 * that the reference decoder defines), the compression markers used as BitsPerPixel and
 * the eight-character bit patterns of 1 bit per pixel data. */
#ifndef GUI_BITMAP_H
#define GUI_BITMAP_H

/* Bitmaps of the uncompressed palette formats end after the palette pointer and leave
 * the draw method null, which -Wextra reports as a missing initializer. */
#if defined(__GNUC__)
  #pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#endif

typedef struct {
  int NumEntries;
  char HasTrans;
  const GUI_COLOR * pPalEntries;
} GUI_LOGPALETTE;

typedef struct GUI_BITMAP_METHODS GUI_BITMAP_METHODS;
struct GUI_BITMAP_METHODS {
  int Method;  /* GUI_BITMAP_METHOD_... */
};

typedef struct {
  unsigned short XSize;
  unsigned short YSize;
  unsigned short BytesPerLine;
  unsigned short BitsPerPixel;
  const unsigned char * pData;
  const GUI_LOGPALETTE * pPal;
  const GUI_BITMAP_METHODS * pMethods;
} GUI_BITMAP;

/* BitsPerPixel of the compressed palette formats. */
#define GUI_COMPRESS_RLE4 4
#define GUI_COMPRESS_RLE8 8

enum {
  GUI_BITMAP_METHOD_RLE4 = 1,
  GUI_BITMAP_METHOD_RLE8,
  GUI_BITMAP_METHOD_RLE16,
  GUI_BITMAP_METHOD_RLEM16,
  GUI_BITMAP_METHOD_RLE32,
  GUI_BITMAP_METHOD_RLEALPHA,
  GUI_BITMAP_METHOD_565,
  GUI_BITMAP_METHOD_M565,
  GUI_BITMAP_METHOD_555,
  GUI_BITMAP_METHOD_M555,
  GUI_BITMAP_METHOD_444_12,
  GUI_BITMAP_METHOD_M444_12,
  GUI_BITMAP_METHOD_444_12_1,
  GUI_BITMAP_METHOD_M444_12_1,
  GUI_BITMAP_METHOD_444_16,
  GUI_BITMAP_METHOD_M444_16,
  GUI_BITMAP_METHOD_24,
  GUI_BITMAP_METHOD_8888,
  GUI_BITMAP_METHOD_M8888I,
  GUI_BITMAP_METHOD_A555,
  GUI_BITMAP_METHOD_AM555,
  GUI_BITMAP_METHOD_A565,
  GUI_BITMAP_METHOD_AM565
};

extern const GUI_BITMAP_METHODS GUI_BitmapMethodsRLE4;
extern const GUI_BITMAP_METHODS GUI_BitmapMethodsRLE8;
extern const GUI_BITMAP_METHODS GUI_BitmapMethodsRLE16;
extern const GUI_BITMAP_METHODS GUI_BitmapMethodsRLEM16;
extern const GUI_BITMAP_METHODS GUI_BitmapMethodsRLE32;
extern const GUI_BITMAP_METHODS GUI_BitmapMethodsRLEAlpha;
extern const GUI_BITMAP_METHODS GUI_BitmapMethods565;
extern const GUI_BITMAP_METHODS GUI_BitmapMethodsM565;
extern const GUI_BITMAP_METHODS GUI_BitmapMethods555;
extern const GUI_BITMAP_METHODS GUI_BitmapMethodsM555;
extern const GUI_BITMAP_METHODS GUI_BitmapMethods444_12;
extern const GUI_BITMAP_METHODS GUI_BitmapMethodsM444_12;
extern const GUI_BITMAP_METHODS GUI_BitmapMethods444_12_1;
extern const GUI_BITMAP_METHODS GUI_BitmapMethodsM444_12_1;
extern const GUI_BITMAP_METHODS GUI_BitmapMethods444_16;
extern const GUI_BITMAP_METHODS GUI_BitmapMethodsM444_16;
extern const GUI_BITMAP_METHODS GUI_BitmapMethods24;
extern const GUI_BITMAP_METHODS GUI_BitmapMethods8888;
extern const GUI_BITMAP_METHODS GUI_BitmapMethodsM8888I;
extern const GUI_BITMAP_METHODS GUI_BitmapMethodsA555;
extern const GUI_BITMAP_METHODS GUI_BitmapMethodsAM555;
extern const GUI_BITMAP_METHODS GUI_BitmapMethodsA565;
extern const GUI_BITMAP_METHODS GUI_BitmapMethodsAM565;

#define GUI_DRAW_RLE4         (&GUI_BitmapMethodsRLE4)
#define GUI_DRAW_RLE8         (&GUI_BitmapMethodsRLE8)
#define GUI_DRAW_RLE16        (&GUI_BitmapMethodsRLE16)
#define GUI_DRAW_RLEM16       (&GUI_BitmapMethodsRLEM16)
#define GUI_DRAW_RLE32        (&GUI_BitmapMethodsRLE32)
#define GUI_DRAW_RLEALPHA     (&GUI_BitmapMethodsRLEAlpha)
#define GUI_DRAW_BMP565       (&GUI_BitmapMethods565)
#define GUI_DRAW_BMPM565      (&GUI_BitmapMethodsM565)
#define GUI_DRAW_BMP555       (&GUI_BitmapMethods555)
#define GUI_DRAW_BMPM555      (&GUI_BitmapMethodsM555)
#define GUI_DRAW_BMP444_12    (&GUI_BitmapMethods444_12)
#define GUI_DRAW_BMPM444_12   (&GUI_BitmapMethodsM444_12)
#define GUI_DRAW_BMP444_12_1  (&GUI_BitmapMethods444_12_1)
#define GUI_DRAW_BMPM444_12_1 (&GUI_BitmapMethodsM444_12_1)
#define GUI_DRAW_BMP444_16    (&GUI_BitmapMethods444_16)
#define GUI_DRAW_BMPM444_16   (&GUI_BitmapMethodsM444_16)
#define GUI_DRAW_BMP24        (&GUI_BitmapMethods24)
#define GUI_DRAW_BMP8888      (&GUI_BitmapMethods8888)
#define GUI_DRAW_BMPM8888I    (&GUI_BitmapMethodsM8888I)
#define GUI_DRAW_BMPA555      (&GUI_BitmapMethodsA555)
#define GUI_DRAW_BMPAM555     (&GUI_BitmapMethodsAM555)
#define GUI_DRAW_BMPA565      (&GUI_BitmapMethodsA565)
#define GUI_DRAW_BMPAM565     (&GUI_BitmapMethodsAM565)

/* Byte names of 1 bpp pixel data (XX__X__X). */
#include "GUI_PixelNames.h"

#endif
