// BMP file reader: checks the 14-byte file header, reads the rest of the file and hands
// it to the DIB parser. Memory is bounded by the real file length, never by the sizes
// the header claims; a file shorter than its bfSize is decoded with zeros for the
// missing bytes after a warning.
#include <sys/stat.h>

#include <cstdio>
#include <vector>

#include "bitmap/document/byte_order.h"
#include "bitmap/document/image.h"
#include "bitmap/formats/bmp/bmp.h"

namespace {

const uint32_t FILE_HEADER_SIZE = 14;
const uint32_t BMP_MAGIC = 0x4D42;
const size_t READ_CHUNK = 1 << 20;

// Reads up to `limit` bytes after the file header; returns false on a read error.
bool read_rest(FILE* f, uint64_t limit, std::vector<uint8_t>* block) {
  size_t used = 0;
  while (used < limit) {
    const size_t want = limit - used < READ_CHUNK ? static_cast<size_t>(limit - used) : READ_CHUNK;
    block->resize(used + want);
    const size_t n = std::fread(block->data() + used, 1, want, f);
    used += n;
    if (n < want) break;
  }
  block->resize(used);
  return !std::ferror(f);
}

}  // namespace

ImageDocument* IMAGE_ReadBMP(const char* path) {
  FILE* f = std::fopen(path, "rb");
  if (!f) return nullptr;
  uint8_t header[FILE_HEADER_SIZE];
  if (std::fread(header, 1, FILE_HEADER_SIZE, f) != FILE_HEADER_SIZE) {
    std::fclose(f);
    IMAGE_Warning("File too short (truncated ?)");
    return nullptr;
  }
  if (IMAGE_LoadU16(header) != BMP_MAGIC) {
    std::fclose(f);
    IMAGE_Warning("Illegal file header !");
    return nullptr;
  }
  const uint32_t bfSize = IMAGE_LoadU32(header + 2);
  const uint32_t bfOffBits = IMAGE_LoadU32(header + 10);
  // A regular file is read to its end, also when bfSize is too small (it often is);
  // other streams stop at bfSize.
  uint64_t limit = bfSize > FILE_HEADER_SIZE ? bfSize - FILE_HEADER_SIZE : 0;
  struct stat st;
  if (fstat(fileno(f), &st) == 0 && S_ISREG(st.st_mode))
    limit = static_cast<uint64_t>(st.st_size) > FILE_HEADER_SIZE ? static_cast<uint64_t>(st.st_size) - FILE_HEADER_SIZE : 0;
  std::vector<uint8_t> block;
  const bool ok = read_rest(f, limit, &block);
  std::fclose(f);
  if (!ok) return nullptr;

  const uint64_t fileLength = block.size() + FILE_HEADER_SIZE;
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
    const size_t start = offset < block.size() ? static_cast<size_t>(offset) : block.size();
    pBits = block.data() + start;
    bitsSize = block.size() - start;
  }
  return IMAGE_FromDIB(block.data(), block.size(), pBits, bitsSize);
}
