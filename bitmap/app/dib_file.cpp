// File header of the clipboard's image/bmp.
#include "bitmap/app/dib_file.h"

#include <algorithm>
#include <cstddef>

namespace {

uint32_t u32(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}

void put32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

enum { FILE_HEADER = 14, INFO_HEADER = 40 };

}  // namespace

std::vector<uint8_t> DIBFILE_FromDib(const std::vector<uint8_t>& dib) {
  if (dib.size() < INFO_HEADER) return {};
  const uint32_t headerSize = u32(dib, 0);
  const uint32_t bpp = dib[14] | (dib[15] << 8);
  const uint32_t compression = u32(dib, 16);
  uint32_t colours = u32(dib, 32);
  if (!colours && bpp <= 8) colours = 1u << bpp;
  if (headerSize < INFO_HEADER || headerSize > dib.size() || colours > 256) return {};
  uint64_t offset = FILE_HEADER + static_cast<uint64_t>(headerSize) + 4ull * colours;
  if (compression == 3 && headerSize == INFO_HEADER) offset += 12;  // bit-field masks
  if (offset > FILE_HEADER + dib.size()) return {};
  std::vector<uint8_t> file(FILE_HEADER + dib.size());
  file[0] = 'B';
  file[1] = 'M';
  put32(file, 2, static_cast<uint32_t>(file.size()));
  put32(file, 10, static_cast<uint32_t>(offset));
  std::copy(dib.begin(), dib.end(), file.begin() + FILE_HEADER);
  return file;
}

std::vector<uint8_t> DIBFILE_ToDib(const std::vector<uint8_t>& file) {
  if (file.size() < FILE_HEADER + INFO_HEADER || file[0] != 'B' || file[1] != 'M') return {};
  return std::vector<uint8_t>(file.begin() + FILE_HEADER, file.end());
}
