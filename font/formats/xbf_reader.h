// XBF reader: type detection (trailer, else the shape of the records) and a pure
// parser over a byte range; the reader owns the file and the messages.
#pragma once

#include <cstddef>
#include <cstdint>

#include "font/formats/font_file.h"
#include "font/model/font_doc.h"

enum {
  XBF_OK = 0,
  XBF_ERR_NO_TYPE,    // too short, or detection gave no answer and nobody chose a type
  XBF_ERR_MAGIC,
  XBF_ERR_TRUNCATED,  // a read past the end of the data
  XBF_ERR_RECORD,     // a record whose rows cannot hold its width, or too much pixel data
  XBF_ERR_MEMORY,
};

enum { XBF_TYPE_UNKNOWN = -1, XBF_TYPE_NEEDS_USER = -2 };

// Type from the trailer or, unless suppressDetect, from the data. Returns a font type,
// XBF_TYPE_NEEDS_USER when the user would have to choose, or XBF_TYPE_UNKNOWN when the
// data are too short or end before detection is complete.
int XBF_DetectType(const uint8_t* data, size_t size, bool suppressDetect);

// Parses a whole file image into a new document of the given type.
int XBF_Parse(const uint8_t* data, size_t size, int type, FontDoc** result);

struct XbfReadOptions {
  bool SuppressDetect = false;  // SuppressDetectXBF
  int StoredType = 0;           // GetTypeXBF: preselected when the user must choose
};

// Largest file the reader loads: far beyond a font of all 65536 characters.
#define XBF_MAX_FILE_BYTES (64ull << 20)
// Reads a whole regular file of at most XBF_MAX_FILE_BYTES; false after "Could not open
// file!" (also for a FIFO, a device or a larger file).
bool XBF_LoadFile(const char* path, FontFileData* file);
// The type offered to the user when detection gives no answer.
int XBF_PreselectedType(const XbfReadOptions& options);
// A document of the given type (negative: none was chosen) from a loaded file, named
// after path; null after "Could not create font!".
FontDoc* XBF_FromData(const char* path, const FontFileData& file, int type);
// Load, detection and parse in one, the preselected type standing in for the user's
// choice (as in a job, where nobody can choose).
FontDoc* XBF_Read(const char* path, const XbfReadOptions& options);
