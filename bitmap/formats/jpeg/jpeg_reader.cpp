// JPEG file reader: the whole file in memory, handed to the decoder in chunks.
#include <vector>

#include "bitmap/document/file_bytes.h"
#include "bitmap/formats/jpeg/jpeg.h"

ImageDocument* IMAGE_ReadJPEG(const char* path) {
  std::vector<uint8_t> data;
  size_t fileSize;
  const int status = IMAGE_ReadFileBytes(path, 0, &data, &fileSize);
  if (status == FILE_BYTES_EOPEN || fileSize == 0) return nullptr;
  if (status != FILE_BYTES_OK) {
    IMAGE_Warning("Could not read file!");
    return nullptr;
  }
  ImageDocument* doc = nullptr;
  JPEG_DecodeMemory(data.data(), data.size(), &doc);
  return doc;
}
