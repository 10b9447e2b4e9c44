// Whole-file loading for the font readers: regular files only, with a size cap.
#pragma once

#include <string>

enum { FONTFILE_OK, FONTFILE_OPEN_FAILED, FONTFILE_READ_FAILED };

// Largest file a font reader loads (a 57,000-glyph BDF file is about 10 MB).
const size_t FONTFILE_MAX_SIZE = 256u << 20;

// Reads the whole file into *text.
int FONTFILE_Load(const char* path, std::string* text);
