// Whole-file loading for the font readers.
#include "font/formats/font_file.h"

#include <sys/stat.h>

#include <cstdio>

int FONTFILE_Load(const char* path, std::string* text) {
  text->clear();
  FILE* f = std::fopen(path, "rb");
  if (!f) return FONTFILE_OPEN_FAILED;
  struct stat st;
  if (fstat(fileno(f), &st) != 0 || !S_ISREG(st.st_mode)) {
    std::fclose(f);
    return FONTFILE_OPEN_FAILED;
  }
  if (static_cast<unsigned long long>(st.st_size) > FONTFILE_MAX_SIZE) {
    std::fclose(f);
    return FONTFILE_READ_FAILED;
  }
  text->reserve(static_cast<size_t>(st.st_size));
  char buf[65536];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof(buf), f)) > 0) {
    if (text->size() + n > FONTFILE_MAX_SIZE) break;
    text->append(buf, n);
  }
  bool failed = std::ferror(f) != 0 || text->size() + n > FONTFILE_MAX_SIZE;
  std::fclose(f);
  return failed ? FONTFILE_READ_FAILED : FONTFILE_OK;
}
