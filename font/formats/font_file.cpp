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
  // The size fstat gave is read in one go; a file that grew meanwhile is read on in
  // pieces up to the cap.
  text->resize(static_cast<size_t>(st.st_size));
  size_t got = text->empty() ? 0 : std::fread(&(*text)[0], 1, text->size(), f);
  text->resize(got);
  char buf[65536];
  size_t n = 0;
  while (got == static_cast<size_t>(st.st_size) && (n = std::fread(buf, 1, sizeof(buf), f)) > 0) {
    if (text->size() + n > FONTFILE_MAX_SIZE) break;
    text->append(buf, n);
  }
  bool failed = std::ferror(f) != 0 || text->size() + n > FONTFILE_MAX_SIZE;
  std::fclose(f);
  return failed ? FONTFILE_READ_FAILED : FONTFILE_OK;
}
