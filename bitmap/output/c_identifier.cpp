// C identifier of a generated file, derived from its path: the file name without
// directory and extension, with every character that is not a letter, digit or '_'
// removed. It follows a prefix (bm, _ac, _Pal, _Colors), so a leading digit is allowed.
#include <cstring>
#include <string>

#include "bitmap/output/c_bitmap_writer.h"
#include "common/cmdline/cmdline.h"

enum { PATH_LIMIT = 260 };

static bool is_ident_char(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

int CBITMAP_MakeIdentifier(const char* path, char* buffer, int capacity) {
  if (capacity > 0) buffer[0] = '\0';
  const size_t len = strnlen(path, PATH_LIMIT);
  if (len >= PATH_LIMIT) {
    CMDLINE_ReportText("Path is too long");
    return 1;
  }
  const char* name = std::strrchr(path, '/');
  name = name ? name + 1 : path;
  std::string id(name);
  const size_t dot = id.rfind('.');
  if (dot != std::string::npos) id.erase(dot);
  // At the first character that does not belong, remove all its occurrences and rescan.
  for (;;) {
    size_t bad = 0;
    while (bad < id.size() && is_ident_char(static_cast<unsigned char>(id[bad]))) ++bad;
    if (bad == id.size()) break;
    const char c = id[bad];
    std::string kept;
    for (char ch : id)
      if (ch != c) kept += ch;
    id.swap(kept);
  }
  if (id.empty()) {
    CMDLINE_ReportText("Illegal identifier");
    return 1;
  }
  if (capacity <= 0) return 1;
  const size_t n = id.size() < static_cast<size_t>(capacity - 1) ? id.size() : static_cast<size_t>(capacity - 1);
  std::memcpy(buffer, id.data(), n);
  buffer[n] = '\0';
  return 0;
}
