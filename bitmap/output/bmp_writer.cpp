// BMP writer: "BM" file header, then the packed DIB streamed one row at a time so
// large images need no second copy in memory.
#include "bitmap/formats/bmp/bmp.h"
#include "bitmap/output/bmp_writer.h"

#include <vector>

#include "bitmap/formats/bmp/dib_write.h"

enum { BMP_FILE_HEADER_SIZE = 14 };

bool BMP_Write(const ImageDocument* doc, OutWriter* out) {
  const size_t dibSize = IMAGE_GetDIBSize(doc);
  if (!dibSize || dibSize > UINT32_MAX - BMP_FILE_HEADER_SIZE) return false;
  OUT_PutByte(out, 'B');
  OUT_PutByte(out, 'M');
  OUT_PutU32(out, static_cast<uint32_t>(dibSize + BMP_FILE_HEADER_SIZE));
  OUT_PutU16(out, 0);
  OUT_PutU16(out, 0);
  OUT_PutU32(out, static_cast<uint32_t>(BMP_FILE_HEADER_SIZE + IMAGE_GetDIBHeaderSize(doc)));

  std::vector<uint8_t> buffer(IMAGE_GetDIBHeaderSize(doc));
  IMAGE_WriteDIBHeader(doc, buffer.data());
  OUT_Write(out, buffer.data(), buffer.size());
  buffer.resize(IMAGE_GetDIBRowSize(doc));
  for (int32_t y = doc->YSize - 1; y >= 0 && !OUT_Failed(out); --y) {
    IMAGE_WriteDIBRow(doc, y, buffer.data());
    OUT_Write(out, buffer.data(), buffer.size());
  }
  return !OUT_Failed(out);
}
