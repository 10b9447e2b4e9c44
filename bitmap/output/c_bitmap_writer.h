// C bitmap file writer: one constant GUI_BITMAP with its pixel array and, for palette
// formats, its palette, in any of the output formats (numbers 1, 2, 4-13, 15-29, 99).
#pragma once

#include <cstdio>

#include "bitmap/document/image.h"

struct SaveRequest {
  int Format;          // output format number
  int WithoutPalette;  // 1: palette written for reference only
  int FileType;        // 1 C bitmap file, 3 C stream (decides whether format 99 is offered)
};

// True for the format numbers that exist.
bool CBITMAP_IsValidFormat(int format);
// True for formats 8-13, 17 and 19-24: a paletted document is converted to true colour
// (and the conversion undone afterwards) by the save operation before writing them.
bool CBITMAP_IsDirectColorFormat(int format);

// Derives the C identifier from a path. Returns 0, or reports "Path is too long" /
// "Illegal identifier" through the job engine and returns non-zero.
int CBITMAP_MakeIdentifier(const char* path, char* buffer, int capacity);

// Results of CBITMAP_Save.
enum {
  CBITMAP_OK = 0,
  CBITMAP_EREFUSED = 1,  // identifier refused (reported), unknown format or unfitting palette: nothing written
  CBITMAP_ENOMEM = 2,    // no memory for the pixel data's work arrays: the file is incomplete
  CBITMAP_EWRITE = 3,    // the file could not be written
};

// Writes the whole C file for the document (paletted or true colour as the format needs;
// a paletted document saved in a direct-colour format is converted by the caller first).
// useARGB selects 8-digit palette entries. Returns CBITMAP_OK or one of the errors above;
// only the refused identifier has been reported.
int CBITMAP_Save(FILE* file, const ImageDocument* doc, const SaveRequest* request,
                 const char* outputPath, bool useARGB);
