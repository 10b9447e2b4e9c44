// PNG decoding with libpng. libpng reports errors by longjmp, so the decoding function
// keeps only plain data on its stack and frees everything through one clean-up path.
#include "bitmap/formats/png/png_reader.h"

#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "bitmap/document/file_bytes.h"

namespace {

struct PngInput {
  const uint8_t* pData;
  size_t Size;
  size_t Offset;
  char* pErrText;
  size_t ErrCap;
};

void on_error(png_structp png, png_const_charp text) {
  auto* in = static_cast<PngInput*>(png_get_error_ptr(png));
  if (in->pErrText && in->ErrCap) std::snprintf(in->pErrText, in->ErrCap, "%s", text ? text : "");
  png_longjmp(png, 1);
}

// libpng's warnings (damaged ancillary chunks and the like) are not shown to the user.
void on_warning(png_structp, png_const_charp) {}

void on_read(png_structp png, png_bytep out, png_size_t length) {
  auto* in = static_cast<PngInput*>(png_get_io_ptr(png));
  if (length > in->Size - in->Offset) png_error(png, "Read Error");
  std::memcpy(out, in->pData + in->Offset, length);
  in->Offset += length;
}

}  // namespace

int PNG_Decode(const uint8_t* pData, size_t size, ImageDocument** ppDoc, char* errText,
               size_t errCap) {
  *ppDoc = nullptr;
  if (errText && errCap) errText[0] = 0;
  if (size < 14) return PNG_READ_ETOOSMALL;
  if (png_sig_cmp(pData, 0, 8) != 0) return PNG_READ_ESIGNATURE;

  PngInput in = {pData, size, 8, errText, errCap};
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &in, on_error, on_warning);
  if (!png) return PNG_READ_ELIBPNG;
  png_infop info = png_create_info_struct(png);
  // Everything the error path frees lives outside the jump buffer's frame.
  ImageDocument* volatile doc = nullptr;
  volatile int status = PNG_READ_ELIBPNG;
  if (!info || setjmp(png_jmpbuf(png))) {
    IMAGE_Free(doc);
    png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
    return status;
  }
  png_set_user_limits(png, IMAGE_MAX_PIXELS, IMAGE_MAX_PIXELS);
  png_set_chunk_cache_max(png, PNG_MAX_CACHED_CHUNKS);
  png_set_chunk_malloc_max(png, PNG_MAX_CHUNK_BYTES);
  png_set_read_fn(png, &in, on_read);
  png_set_sig_bytes(png, 8);
  png_read_info(png, info);
  png_uint_32 width, height;
  int bitDepth, colorType;
  png_get_IHDR(png, info, &width, &height, &bitDepth, &colorType, nullptr, nullptr, nullptr);
  if (!IMAGE_FitsLimits(width, height, 0)) {
    status = PNG_READ_ETOOLARGE;
    png_error(png, "Image too large");
  }

  const bool hasTRNS = png_get_valid(png, info, PNG_INFO_tRNS) != 0;
  const int hasAlpha = (colorType & PNG_COLOR_MASK_ALPHA) ||
                       (colorType != PNG_COLOR_TYPE_GRAY_ALPHA && colorType != PNG_COLOR_TYPE_RGB_ALPHA && hasTRNS);

  if (bitDepth == 16) png_set_strip_16(png);
  if (colorType == PNG_COLOR_TYPE_PALETTE) png_set_expand(png);
  if (colorType == PNG_COLOR_TYPE_GRAY && bitDepth < 8) png_set_expand(png);
  if (hasTRNS) png_set_expand(png);
  if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(png);
  png_color_16p background;
  if (!hasAlpha && png_get_bKGD(png, info, &background))
    png_set_background(png, background, PNG_BACKGROUND_GAMMA_FILE, 1, 1.0);
  double fileGamma;
  if (png_get_gAMA(png, info, &fileGamma)) png_set_gamma(png, 2.2, fileGamma);
  // The document's pixel layout: red, green, blue, transparency (255 - alpha, 0 opaque).
  if (hasAlpha)
    png_set_invert_alpha(png);
  else
    png_set_filler(png, 0, PNG_FILLER_AFTER);
  const int passes = png_set_interlace_handling(png);
  png_read_update_info(png, info);
  png_get_IHDR(png, info, &width, &height, &bitDepth, &colorType, nullptr, nullptr, nullptr);
  if (bitDepth != 8 || png_get_rowbytes(png, info) != 4 * static_cast<size_t>(width))
    png_error(png, "Unexpected channel count");

  doc = IMAGE_Create(static_cast<int32_t>(width), static_cast<int32_t>(height), 0);
  if (!doc) png_error(png, "Out of memory");
  // Each pass adds its pixels to the rows the earlier passes filled.
  for (int pass = 0; pass < passes; ++pass)
    for (png_uint_32 y = 0; y < height; ++y) png_read_row(png, IMAGE_GetRow(doc, static_cast<int32_t>(y)), nullptr);
  png_read_end(png, nullptr);
  if (hasAlpha) doc->HasAlpha = 1;
  png_destroy_read_struct(&png, &info, nullptr);
  *ppDoc = doc;
  return PNG_READ_OK;
}

ImageDocument* IMAGE_ReadPNG(const char* path) {
  FileBytes data;
  size_t fileSize;
  const int status = IMAGE_ReadFileBytes(path, 0, &data, &fileSize);
  if (status == FILE_BYTES_EOPEN || fileSize < 14) return nullptr;
  if (status != FILE_BYTES_OK) {
    IMAGE_Warning(status == FILE_BYTES_ESHORT ? "Could not read file!" : IMAGE_FileBytesText(status));
    return nullptr;
  }
  ImageDocument* doc = nullptr;
  char errText[256];
  const int decoded = PNG_Decode(data.data(), data.size(), &doc, errText, sizeof(errText));
  if (decoded == PNG_READ_ETOOLARGE) {
    IMAGE_Warning(IMAGE_TextTooLarge);
  } else if (decoded == PNG_READ_ELIBPNG) {
    char text[300];
    std::snprintf(text, sizeof(text), "libpng error: %s\n", errText);
    IMAGE_Warning(text);
  }
  return doc;
}
