// Streamed bitmap parser and reader. Runs cover the pixels in row-major order from
// the top-left; a file that ends inside the runs keeps what was decoded.
#include "bitmap/formats/sbmp/sbmp.h"

#include <vector>

#include "bitmap/document/file_bytes.h"

static uint32_t get_u16(const uint8_t* p) { return p[0] | (p[1] << 8); }

int SBMP_Parse(const uint8_t* pData, size_t size, ImageDocument** ppDoc) {
  *ppDoc = nullptr;
  if (size < 8) return SBMP_ESHORT_HEADER;
  if (pData[0] != 'S' || pData[1] != 'B') return SBMP_EHEADER;
  const int32_t width = static_cast<int32_t>(get_u16(pData + 2));
  const int32_t height = static_cast<int32_t>(get_u16(pData + 4));
  const uint32_t numColors = get_u16(pData + 6);
  if (size - 8 < 3 * static_cast<size_t>(numColors)) return SBMP_ESHORT_PALETTE;
  // The document holds at most 256 palette entries; a larger table cannot be represented.
  if (numColors > 256) return SBMP_ECREATE;
  if (!IMAGE_FitsLimits(static_cast<uint64_t>(width), static_cast<uint64_t>(height), 0)) return SBMP_ETOOLARGE;
  ImageDocument* doc = IMAGE_Create(width, height, static_cast<int32_t>(numColors));
  if (!doc) return SBMP_ECREATE;
  const uint8_t* p = pData + 8;
  for (uint32_t i = 0; i < numColors; ++i, p += 3)
    IMAGE_SetPalColor(doc, static_cast<int32_t>(i), p[0] | (p[1] << 8) | (p[2] << 16));

  const size_t runSize = numColors ? 3 : 5;
  const uint64_t total = static_cast<uint64_t>(width) * static_cast<uint64_t>(height);
  const uint8_t* end = pData + size;
  uint64_t d = 0;
  int status = SBMP_OK;
  while (d < total) {
    if (static_cast<size_t>(end - p) < runSize) {
      status = SBMP_ETRUNCATED;  // keep the pixels decoded so far
      break;
    }
    uint64_t count = get_u16(p);
    uint32_t value;
    if (numColors) {
      // An index beyond the table would later read past the palette; it becomes 0.
      value = p[2] < numColors ? p[2] : 0;
    } else {
      value = p[2] | (p[3] << 8) | (static_cast<uint32_t>(p[4]) << 16);
    }
    p += runSize;
    if (count > total - d) count = total - d;  // pixels beyond the last one are dropped
    for (; count; --count, ++d) {
      const int32_t x = static_cast<int32_t>(d % static_cast<uint64_t>(width));
      const int32_t y = static_cast<int32_t>(d / static_cast<uint64_t>(width));
      IMAGE_SetIndex(doc, x, y, value);
    }
  }
  *ppDoc = doc;
  return status;
}

const char* SBMP_StatusText(int status) {
  switch (status) {
    case SBMP_ESHORT_HEADER: return "File too short (Incomplete header)";
    case SBMP_EHEADER: return "Illegal file header !";
    case SBMP_ESHORT_PALETTE: return "File too short (Incomplete or missing color table)";
    case SBMP_ETRUNCATED: return "File too short (Missing data)";
    case SBMP_ETOOLARGE: return IMAGE_TextTooLarge;
    default: return nullptr;
  }
}

ImageDocument* IMAGE_ReadSBMP(const char* path) {
  FileBytes data;
  size_t fileSize;
  switch (IMAGE_ReadFileBytes(path, SBMP_MAX_FILE_SIZE, &data, &fileSize)) {
    case FILE_BYTES_OK: break;
    case FILE_BYTES_ETOOLONG: IMAGE_Warning("File too long"); return nullptr;
    case FILE_BYTES_ESHORT: IMAGE_Warning("File too short (truncated ?)"); return nullptr;
    default: return nullptr;
  }
  ImageDocument* doc = nullptr;
  const int status = SBMP_Parse(data.data(), data.size(), &doc);
  if (const char* text = SBMP_StatusText(status)) IMAGE_Warning(text);
  return doc;
}
