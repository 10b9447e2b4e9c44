// Whole-file loading for the font readers: one buffer of the file's size, filled by
// read(2) without clearing it first.
#include "font/formats/font_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "common/memory/large_block.h"

FontFileData::~FontFileData() { std::free(pData); }

int FONTFILE_Load(const char* path, FontFileData* file, size_t maxSize) {
  std::free(file->pData);
  file->pData = nullptr;
  file->Size = 0;
  const int fd = open(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) return FONTFILE_OPEN_FAILED;
  struct stat st;
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    close(fd);
    return FONTFILE_OPEN_FAILED;
  }
  if (static_cast<unsigned long long>(st.st_size) > maxSize) {
    close(fd);
    return FONTFILE_READ_FAILED;
  }
  // One byte more than fstat said, to see a file that grew meanwhile.
  const size_t capacity = static_cast<size_t>(st.st_size) + 1;
  char* buffer = static_cast<char*>(MEM_AllocLargeBlock(capacity));
  if (!buffer) {
    close(fd);
    return FONTFILE_READ_FAILED;
  }
  size_t size = 0;
  bool failed = false;
  while (size < capacity) {
    const ssize_t n = read(fd, buffer + size, capacity - size);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) failed = true;
    if (n <= 0) break;
    size += static_cast<size_t>(n);
  }
  close(fd);
  // A file that grew past its size while it was read is not taken half.
  if (failed || size == capacity) {
    std::free(buffer);
    return FONTFILE_READ_FAILED;
  }
  buffer[size] = '\0';  // size < capacity
  file->pData = buffer;
  file->Size = size;
  return FONTFILE_OK;
}
