// Whole-file input for the image readers: every reader holds its file in memory and
// parses the buffer, so the parsers never touch a file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

enum {
  FILE_BYTES_OK = 0,
  FILE_BYTES_EOPEN = 1,     // the file does not open
  FILE_BYTES_ETOOLONG = 2,  // larger than the caller's limit
  FILE_BYTES_ESHORT = 3,    // fewer bytes arrived than the size promised
  FILE_BYTES_ENOMEM = 4,
};

// Reads the whole file into *pData (zero-filled first). maxSize 0 means no limit.
// *pFileSize receives the size the file reported, also on failure.
int IMAGE_ReadFileBytes(const char* path, size_t maxSize, std::vector<uint8_t>* pData,
                        size_t* pFileSize);
