// File forms of Create Alpha and Load Alpha mask: the images come from BMP files.
#include <cstdio>

#include "bitmap/formats/bmp/bmp.h"
#include "bitmap/transform/transform.h"

static bool opens(const char* path) {
  FILE* f = path ? std::fopen(path, "rb") : nullptr;
  if (!f) return false;
  std::fclose(f);
  return true;
}

int IMAGE_CreateAlpha(const char* path1, const char* path2, ImageDocument** ppResult) {
  *ppResult = nullptr;
  if (!opens(path1) || !opens(path2)) return ALPHA_EOPEN;
  ImageDocument* a = IMAGE_ReadBMP(path1);
  ImageDocument* b = a ? IMAGE_ReadBMP(path2) : nullptr;
  const int r = b ? IMAGE_CreateAlphaFromImages(a, b, ppResult) : ALPHA_EREAD;
  IMAGE_Free(a);
  IMAGE_Free(b);
  return r;
}

int IMAGE_LoadAlphaMask(const ImageDocument* doc, const char* path, ImageDocument** ppResult) {
  *ppResult = nullptr;
  if (!doc) return ALPHA_EREAD;
  if (!opens(path)) return ALPHA_EOPEN;
  ImageDocument* mask = IMAGE_ReadBMP(path);
  if (!mask) return ALPHA_EREAD;
  const int r = IMAGE_ApplyAlphaMask(doc, mask, ppResult);
  IMAGE_Free(mask);
  return r;
}
