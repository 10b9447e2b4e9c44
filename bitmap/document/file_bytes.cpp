// Whole-file input for the image readers.
#include "bitmap/document/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <new>

#include "bitmap/document/image.h"

int IMAGE_OpenRegularFile(const char* path, int* pStatus, uint64_t* pSize) {
  *pSize = 0;
  const int fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    *pStatus = FILE_BYTES_EOPEN;
    return -1;
  }
  struct stat st;
  // A folder cannot be opened as a file: the same failure as a file that does not open.
  if (fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
    close(fd);
    errno = EISDIR;
    *pStatus = FILE_BYTES_EOPEN;
    return -1;
  }
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < 0) {
    close(fd);
    *pStatus = FILE_BYTES_ENOTREGULAR;
    return -1;
  }
  *pSize = static_cast<uint64_t>(st.st_size);
  *pStatus = FILE_BYTES_OK;
  return fd;
}

int IMAGE_ReadFileBytes(const char* path, size_t maxSize, FileBytes* pData, size_t* pFileSize) {
  *pFileSize = 0;
  pData->clear();
  if (maxSize == 0) maxSize = static_cast<size_t>(IMAGE_MAX_FILE_BYTES);
  int status;
  uint64_t size;
  const int fd = IMAGE_OpenRegularFile(path, &status, &size);
  if (fd < 0) return status;
  *pFileSize = size > SIZE_MAX ? SIZE_MAX : static_cast<size_t>(size);
  if (size > maxSize) {
    close(fd);
    return FILE_BYTES_ETOOLONG;
  }
  try {
    pData->resize(static_cast<size_t>(size));  // not cleared: the file overwrites it
  } catch (const std::bad_alloc&) {
    close(fd);
    return FILE_BYTES_ENOMEM;
  }
  // The size is fixed when the file was opened: a file growing meanwhile is cut there.
  size_t got = 0;
  while (got < pData->size()) {
    const ssize_t n = read(fd, pData->data() + got, pData->size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    got += static_cast<size_t>(n);
  }
  close(fd);
  if (got == pData->size()) return FILE_BYTES_OK;
  std::memset(pData->data() + got, 0, pData->size() - got);
  return FILE_BYTES_ESHORT;
}

const char* IMAGE_FileBytesText(int status) {
  switch (status) {
    case FILE_BYTES_ETOOLONG: return "File too long";
    case FILE_BYTES_ESHORT: return "File too short (truncated ?)";
    case FILE_BYTES_ENOMEM: return "Not enough memory to load the image";
    case FILE_BYTES_ENOTREGULAR: return "Not a regular file";
    default: return nullptr;
  }
}
