// JPEG file reader: the whole file in memory, handed to the decoder in chunks.
#include <vector>

#include "bitmap/document/file_bytes.h"
#include "bitmap/formats/jpeg/jpeg.h"

ImageDocument* IMAGE_ReadJPEG(const char* path) {
  FileBytes data;
  size_t fileSize;
  const int status = IMAGE_ReadFileBytes(path, 0, &data, &fileSize);
  if (status == FILE_BYTES_EOPEN || fileSize == 0) return nullptr;
  if (status != FILE_BYTES_OK) {
    IMAGE_Warning(status == FILE_BYTES_ESHORT ? "Could not read file!" : IMAGE_FileBytesText(status));
    return nullptr;
  }
  ImageDocument* doc = nullptr;
  switch (JPEG_DecodeMemory(data.data(), data.size(), &doc)) {
    case JPEG_ETOOLARGE: IMAGE_Warning(IMAGE_TextTooLarge); break;
    case JPEG_ENOMEM: IMAGE_Warning("Not enough memory to load the image"); break;
    case JPEG_ETOOMANYSCANS: IMAGE_Warning("Too many scans in progressive JPEG"); break;
    default: break;
  }
  return doc;
}
