// Binary bitmap stream ("C" stream, file type 3): a 16-byte little-endian header, the
// palette and the pixel data of one output format, for firmware that draws bitmaps
// from external memory.
#pragma once

#include <cstdio>

#include "bitmap/document/image.h"
#include "bitmap/output/c_bitmap_writer.h"

enum { STREAM_HEADER_SIZE = 16, STREAM_ENCODING_INDICES = 100 };

// Header fields of a format: returns false for numbers that are no stream format (3, 14,
// 99, ...).
struct StreamLayout {
  int Encoding;
  int BitsPerPixel;
  int64_t BytesPerLine;
};
bool STREAM_GetLayout(int format, int32_t width, StreamLayout* layout);

// Writes the stream of the document in the request's format. bigEndian orders the bytes
// of 16- and 32-bit pixel values high first; useARGB writes palette entries as
// (255 - T) << 24 | red << 16 | green << 8 | blue. Returns 0 on success, 1 when the
// format is refused (nothing written) or a write failed.
int STREAM_Save(FILE* file, const ImageDocument* doc, const SaveRequest* request, bool bigEndian, bool useARGB);
