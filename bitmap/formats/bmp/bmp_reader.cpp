// BMP file reader: checks the 14-byte file header and hands the rest of the file to the
// DIB parser. Memory is bounded by the real file length (at most IMAGE_MAX_FILE_BYTES),
// never by the sizes the header claims; a file shorter than its bfSize is decoded with
// zeros for the missing bytes after a warning.
#include <cstdio>
#include <vector>

#include "bitmap/document/byte_order.h"
#include "bitmap/document/file_bytes.h"
#include "bitmap/document/image.h"
#include "bitmap/formats/bmp/bmp.h"

namespace {

const uint32_t FILE_HEADER_SIZE = 14;
const uint32_t BMP_MAGIC = 0x4D42;

}  // namespace

ImageDocument* IMAGE_ReadBMP(const char* path) {
  FileBytes file;
  size_t fileSize;
  const int status = IMAGE_ReadFileBytes(path, 0, &file, &fileSize);
  if (status == FILE_BYTES_EOPEN) return nullptr;
  if (status != FILE_BYTES_OK || file.size() < FILE_HEADER_SIZE) {
    const char* text = IMAGE_FileBytesText(status);
    IMAGE_Warning(text && status != FILE_BYTES_OK ? text : "File too short (truncated ?)");
    return nullptr;
  }
  const uint8_t* header = file.data();
  if (IMAGE_LoadU16(header) != BMP_MAGIC) {
    IMAGE_Warning("Illegal file header !");
    return nullptr;
  }
  const uint32_t bfSize = IMAGE_LoadU32(header + 2);
  const uint32_t bfOffBits = IMAGE_LoadU32(header + 10);
  // The DIB block: everything after the file header.
  const uint8_t* pBlock = file.data() + FILE_HEADER_SIZE;
  const size_t blockSize = file.size() - FILE_HEADER_SIZE;

  const uint64_t fileLength = blockSize + FILE_HEADER_SIZE;
  if (fileLength < bfSize) {
    // Go on with what was read: the missing bytes decode as zeros.
    char text[160];
    std::snprintf(text, sizeof(text),
                  "File truncated ... Expected a file length of %u, Read only %llu bytes.", bfSize,
                  static_cast<unsigned long long>(fileLength));
    IMAGE_Warning(text);
  }

  const uint8_t* pBits = nullptr;
  size_t bitsSize = 0;
  if (bfOffBits >= FILE_HEADER_SIZE) {
    const uint64_t offset = bfOffBits - FILE_HEADER_SIZE;
    const size_t start = offset < blockSize ? static_cast<size_t>(offset) : blockSize;
    pBits = pBlock + start;
    bitsSize = blockSize - start;
  }
  return IMAGE_FromDIB(pBlock, blockSize, pBits, bitsSize);
}
