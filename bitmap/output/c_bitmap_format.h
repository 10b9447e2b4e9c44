// The output formats of the C bitmap writer (numbers 1, 2, 4-13, 15-29 and 99): how each
// one stores its pixels and what the generated GUI_BITMAP says about it. Shared with the
// binary stream writer.
#pragma once

#include "colour/colour_format.h"

enum CBitmapDataKind {
  CBITMAP_DATA_INDICES,   // 1, 2, 4, 5: packed palette indices
  CBITMAP_DATA_RLE,       // 6, 7, 12, 13, 15, 18: run-length stream
  CBITMAP_DATA_16,        // 8-11, 19-24: one 16-bit value per pixel
  CBITMAP_DATA_24,        // 17: red, green, blue bytes
  CBITMAP_DATA_ALPHA16,   // 25-28: transparency byte, high and low byte of a 16-bit value
  CBITMAP_DATA_32,        // 16, 29, 99: one 32-bit value per pixel
};

enum CBitmapElement { CBITMAP_ELEM_CHAR, CBITMAP_ELEM_SHORT, CBITMAP_ELEM_LONG };

// Variants of the run-length scheme.
enum RleVariant { RLE_VARIANT_4, RLE_VARIANT_8, RLE_VARIANT_ALPHA, RLE_VARIANT_16, RLE_VARIANT_32 };

struct CBitmapFormat {
  int Number;
  const char* pDialogText;        // list entry of the format dialog
  int BitsPerPixel;               // decides BytesPerLine
  const char* pBitsPerPixelText;  // "1" ... "32", or a GUI_COMPRESS_ identifier
  const char* pNumColorsText;     // null: the palette count in decimal
  CBitmapElement Element;
  CBitmapDataKind Kind;
  const ColorFormat* pColorFormat;  // 16-bit value of a pixel (16-bit, alpha-16 and RLE16 formats)
  RleVariant Rle;                   // compressed formats only
  const char* pDrawMethod;          // null: no draw method (palette formats 1, 2, 4, 5)
  bool HasPalette;                  // formats 1, 2, 4, 5, 6, 7
  int MaxColors;                    // palette formats: largest palette they accept
};

// The format of a number, or null for numbers that are no format (3, 14, 30-98, ...).
const CBitmapFormat* CBITMAP_FindFormat(int number);
// The 28 formats in number order.
extern const CBitmapFormat CBITMAP_aFormat[];
extern const int CBITMAP_NumFormats;
