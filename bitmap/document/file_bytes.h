// Whole-file input for the image readers: every reader holds its file in memory and
// parses the buffer, so the parsers never touch a file. Only regular files are read
// (a FIFO, device or folder is refused without blocking), never more than the cap.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "common/memory/large_block.h"

enum {
  FILE_BYTES_OK = 0,
  FILE_BYTES_EOPEN = 1,     // the file does not open
  FILE_BYTES_ETOOLONG = 2,  // larger than the caller's limit
  FILE_BYTES_ESHORT = 3,    // fewer bytes arrived than the size promised
  FILE_BYTES_ENOMEM = 4,
  FILE_BYTES_ENOTREGULAR = 5,  // a FIFO, device or socket
};

// Opens a file for reading without blocking (FIFOs and devices included) and reports
// whether it is a regular file. Returns the descriptor or -1 (*pStatus FILE_BYTES_EOPEN
// or FILE_BYTES_ENOTREGULAR, the descriptor then closed). A folder counts as a file that
// does not open (FILE_BYTES_EOPEN, errno EISDIR). *pSize gets the file's size.
int IMAGE_OpenRegularFile(const char* path, int* pStatus, uint64_t* pSize);

// A whole file in memory (on huge pages when large).
using FileBytes = std::vector<uint8_t, MemLargeBlockAllocator<uint8_t>>;

// Reads the whole file into *pData; bytes a short read did not deliver are zero.
// maxSize 0 means IMAGE_MAX_FILE_BYTES. *pFileSize receives the size the file reported,
// also on failure.
int IMAGE_ReadFileBytes(const char* path, size_t maxSize, FileBytes* pData, size_t* pFileSize);

// The reader's text for a failed read ("File too long", ...), or null when the failure
// has none (the file does not open: the loader has said so).
const char* IMAGE_FileBytesText(int status);
