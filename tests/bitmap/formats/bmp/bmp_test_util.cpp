// Helpers shared by the BMP and DIB tests.
#include "bitmap/formats/bmp/bmp_test_util.h"

#include <unistd.h>

#include <cstdlib>

namespace bmptest {

std::string TempPath(const char* name) {
  const char* dir = std::getenv("TMPDIR");
  return std::string(dir && *dir ? dir : "/tmp") + "/vorix_bmp_" + std::to_string(getpid()) + "_" + name;
}

void WriteFile(const std::string& path, const Bytes& data) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return;
  std::fwrite(data.data(), 1, data.size(), f);
  std::fclose(f);
}

Bytes ReadFile(const std::string& path) {
  Bytes data;
  FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return data;
  uint8_t buf[65536];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof(buf), f)) > 0) data.insert(data.end(), buf, buf + n);
  std::fclose(f);
  return data;
}

}  // namespace bmptest
