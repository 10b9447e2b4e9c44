// Whole-file input for the image readers.
#include "bitmap/document/file_bytes.h"

#include <sys/stat.h>

#include <cstdio>
#include <new>

int IMAGE_ReadFileBytes(const char* path, size_t maxSize, std::vector<uint8_t>* pData,
                        size_t* pFileSize) {
  *pFileSize = 0;
  pData->clear();
  FILE* f = std::fopen(path, "rb");
  if (!f) return FILE_BYTES_EOPEN;
  struct stat st;
  if (fstat(fileno(f), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < 0) {
    std::fclose(f);
    return FILE_BYTES_EOPEN;
  }
  const uint64_t size = static_cast<uint64_t>(st.st_size);
  *pFileSize = static_cast<size_t>(size);
  if ((maxSize && size > maxSize) || size > SIZE_MAX / 2) {
    std::fclose(f);
    return FILE_BYTES_ETOOLONG;
  }
  try {
    pData->assign(static_cast<size_t>(size), 0);
  } catch (const std::bad_alloc&) {
    std::fclose(f);
    return FILE_BYTES_ENOMEM;
  }
  const size_t got = size ? std::fread(pData->data(), 1, pData->size(), f) : 0;
  std::fclose(f);
  return got == pData->size() ? FILE_BYTES_OK : FILE_BYTES_ESHORT;
}
