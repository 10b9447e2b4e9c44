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
  png_bytepp volatile rows = nullptr;
  ImageDocument* volatile doc = nullptr;
  volatile png_uint_32 numRows = 0;
  if (!info || setjmp(png_jmpbuf(png))) {
    if (rows) {
      for (png_uint_32 y = 0; y < numRows; ++y) std::free(rows[y]);
      std::free(rows);
    }
    IMAGE_Free(doc);
    png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
    return PNG_READ_ELIBPNG;
  }
  png_set_read_fn(png, &in, on_read);
  png_set_sig_bytes(png, 8);
  png_read_info(png, info);
  png_uint_32 width, height;
  int bitDepth, colorType;
  png_get_IHDR(png, info, &width, &height, &bitDepth, &colorType, nullptr, nullptr, nullptr);

  const bool hasTRNS = png_get_valid(png, info, PNG_INFO_tRNS) != 0;
  int hasAlpha = (colorType & PNG_COLOR_MASK_ALPHA) ||
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
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  png_get_IHDR(png, info, &width, &height, &bitDepth, &colorType, nullptr, nullptr, nullptr);
  const size_t rowBytes = png_get_rowbytes(png, info);
  const int channels = png_get_channels(png, info);
  if (channels != 3 && channels != 4) png_error(png, "Unexpected channel count");
  if (static_cast<uint64_t>(width) * height > IMAGE_MAX_PIXELS) png_error(png, "Out of memory");

  doc = IMAGE_Create(static_cast<int32_t>(width), static_cast<int32_t>(height), 0);
  rows = static_cast<png_bytepp>(std::calloc(height, sizeof(png_bytep)));
  if (!doc || !rows) png_error(png, "Out of memory");
  for (png_uint_32 y = 0; y < height; ++y) {
    rows[y] = static_cast<png_bytep>(std::malloc(rowBytes));
    numRows = y + 1;
    if (!rows[y]) png_error(png, "Out of memory");
  }
  png_read_image(png, rows);
  png_read_end(png, nullptr);

  for (png_uint_32 y = 0; y < height; ++y) {
    const png_bytep src = rows[y];
    uint8_t* dst = IMAGE_GetRow(doc, static_cast<int32_t>(y));
    for (png_uint_32 x = 0; x < width; ++x, dst += 4) {
      const png_bytep s = src + static_cast<size_t>(x) * channels;
      dst[0] = s[0];
      dst[1] = s[1];
      dst[2] = s[2];
      if (channels == 4) {
        dst[3] = static_cast<uint8_t>(255 - s[3]);
        if (s[3]) hasAlpha = 1;
      }
    }
  }
  if (hasAlpha) doc->HasAlpha = 1;
  for (png_uint_32 y = 0; y < numRows; ++y) std::free(rows[y]);
  std::free(rows);
  png_destroy_read_struct(&png, &info, nullptr);
  *ppDoc = doc;
  return PNG_READ_OK;
}

ImageDocument* IMAGE_ReadPNG(const char* path) {
  std::vector<uint8_t> data;
  size_t fileSize;
  const int status = IMAGE_ReadFileBytes(path, 0, &data, &fileSize);
  if (status == FILE_BYTES_EOPEN || fileSize < 14) return nullptr;
  if (status != FILE_BYTES_OK) {
    IMAGE_Warning("Could not read file!");
    return nullptr;
  }
  ImageDocument* doc = nullptr;
  char errText[256];
  if (PNG_Decode(data.data(), data.size(), &doc, errText, sizeof(errText)) == PNG_READ_ELIBPNG) {
    char text[300];
    std::snprintf(text, sizeof(text), "libpng error: %s\n", errText);
    IMAGE_Warning(text);
  }
  return doc;
}
