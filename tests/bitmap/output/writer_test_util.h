// Helpers of the C writer tests: save a document into a string, build small documents.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "bitmap/document/image.h"
#include "bitmap/output/c_bitmap_writer.h"

struct DocDeleter {
  void operator()(ImageDocument* d) const { IMAGE_Free(d); }
};

// Runs CBITMAP_Save into a temporary file and returns what it wrote; *pResult gets the
// return value.
inline std::string SaveToString(const ImageDocument* doc, int format, int withoutPalette,
                                bool useARGB, const char* path = "test.c", int* pResult = nullptr) {
  FILE* f = std::tmpfile();
  SaveRequest r = {format, withoutPalette, 1};
  int rc = CBITMAP_Save(f, doc, &r, path, useARGB);
  if (pResult) *pResult = rc;
  std::string s;
  std::rewind(f);
  char buf[65536];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof(buf), f)) > 0) s.append(buf, n);
  std::fclose(f);
  return s;
}

// Lines of a CR LF text (without their line ends).
inline std::vector<std::string> SplitLines(const std::string& s) {
  std::vector<std::string> lines;
  size_t pos = 0;
  while (pos < s.size()) {
    size_t e = s.find("\r\n", pos);
    if (e == std::string::npos) e = s.size();
    lines.push_back(s.substr(pos, e - pos));
    pos = e + 2;
  }
  return lines;
}

// Paletted document whose pixel (x, y) gets index f(x, y).
template <typename F>
inline ImageDocument* MakePaletted(int w, int h, int numColors, F f) {
  ImageDocument* d = IMAGE_Create(w, h, numColors);
  for (int i = 0; i < numColors; ++i)
    IMAGE_SetPalColor(d, i, COLOR_Make((i * 37) & 255, (i * 91 + 7) & 255, (255 - i * 13) & 255));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) IMAGE_SetIndex(d, x, y, static_cast<uint32_t>(f(x, y)));
  return d;
}

template <typename F>
inline ImageDocument* MakeTrueColor(int w, int h, bool alpha, F f) {
  ImageDocument* d = IMAGE_Create(w, h, 0);
  d->HasAlpha = alpha ? 1 : 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) IMAGE_SetIndex(d, x, y, f(x, y));
  return d;
}
