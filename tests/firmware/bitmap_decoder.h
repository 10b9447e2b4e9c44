/* Reference decoder of the firmware check: draws a GUI_BITMAP of any output format into
 * an array of pixels, with its own run-length decoder. Written from the output layouts,
 * independent of the writer's code. */
#ifndef BITMAP_DECODER_H
#define BITMAP_DECODER_H

#include <stdio.h>

#include "GUI.h"

/* Pixels of palette formats are indices. All other pixels are colours with red in bits
 * 0-7, green 8-15, blue 16-23 and the transparency (0 opaque, 255 transparent) in 24-31,
 * as the bitmap's draw method reads it. */
enum { BMPDEC_PIXELS_INDEX = 1, BMPDEC_PIXELS_COLOR = 2 };

enum {
  BMPDEC_OK = 0,
  BMPDEC_E_METHOD,        /* unknown draw method or BitsPerPixel */
  BMPDEC_E_LINE,          /* BytesPerLine does not fit the format */
  BMPDEC_E_STREAM,        /* compressed stream malformed or too long for the image */
  BMPDEC_E_END,           /* compressed stream not followed by its end byte */
  BMPDEC_E_VALUE          /* a value outside the format's range */
};

typedef struct {
  int PixelKind;              /* BMPDEC_PIXELS_... */
  unsigned long StreamBytes;  /* compressed formats: bytes before the end byte */
} BMPDEC_INFO;

/* Decodes XSize * YSize pixels, top row first, into pPixels. Returns BMPDEC_OK or an
 * error code. Compressed streams are read until the image is complete; maxStreamBytes
 * bounds the reading. */
int BMPDEC_Draw(const GUI_BITMAP * pBm, unsigned long * pPixels, unsigned long maxStreamBytes,
                BMPDEC_INFO * pInfo);

/* Palette entry as a colour (red bits 0-7, green 8-15, blue 16-23, transparency 24-31),
 * read in the order selected by GUI_USE_ARGB. */
unsigned long BMPDEC_PaletteColor(GUI_COLOR Entry);

/* Prints one bitmap in the check's line format:
 *   B <name> <xsize> <ysize> <bytesPerLine> <bitsPerPixel> <status> <pixelKind> <streamBytes>
 *   P <numEntries> <hasTrans> <hasEntries> <entry colours in hex...>   (only with a palette)
 *   D <pixels in hex...> */
void BMPDEC_Print(FILE * pFile, const char * pName, const GUI_BITMAP * pBm);

#endif
