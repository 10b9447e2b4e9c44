// Whole-file loading for the font readers: regular files only, with a size cap.
#pragma once

#include <cstddef>

enum { FONTFILE_OK, FONTFILE_OPEN_FAILED, FONTFILE_READ_FAILED };

// Largest file a font reader loads (a 57,000-glyph BDF file is about 10 MB).
const size_t FONTFILE_MAX_SIZE = 256u << 20;

// A loaded file: Size bytes at pData, which the reader may change; released on
// destruction.
struct FontFileData {
  char* pData = nullptr;
  size_t Size = 0;
  FontFileData() = default;
  FontFileData(const FontFileData&) = delete;
  FontFileData& operator=(const FontFileData&) = delete;
  ~FontFileData();
};

// Reads the whole file (the bytes it holds now, at most maxSize), followed in memory by
// one zero byte that Size does not count.
int FONTFILE_Load(const char* path, FontFileData* file, size_t maxSize = FONTFILE_MAX_SIZE);
