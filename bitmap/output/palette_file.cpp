// Palette file reader and writer. The reader checks every field against the bytes
// actually present, in file order, so a file of any size and content gives either a
// palette or exactly one message.
#include "bitmap/output/palette_file.h"

#include <cstring>
#include <new>
#include <vector>

#include "common/output/buffered_writer.h"
#include "common/cmdline/cmdline.h"

namespace {

const char kMagic[8] = {'V', 'o', 'r', 'i', 'x', 'P', 'a', 'l'};
const size_t kHeaderSize = 16;
// A valid file is at most this long; reading more would only find extra bytes.
const size_t kMaxUseful = kHeaderSize + 4 * 256;

uint32_t get_u32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
         (static_cast<uint32_t>(p[3]) << 24);
}

}  // namespace

int PALETTE_Parse(const uint8_t* data, size_t size, ColorValue aColor[256], int* pNumColors) {
  if (size == 0) return PALETTE_EMPTY;
  if (size < 8) return PALETTE_EHEADER_SHORT;
  if (std::memcmp(data, kMagic, 8) != 0) return PALETTE_EHEADER;
  if (size < 12) return PALETTE_ECOUNT_SHORT;
  const uint32_t n = get_u32(data + 8);
  if (n > 256) return PALETTE_ETOO_MANY;
  if (n < 2) return PALETTE_ETOO_FEW;
  if (size < kHeaderSize) return PALETTE_ERESERVED_SHORT;
  if (size - kHeaderSize < 4 * static_cast<size_t>(n)) return PALETTE_EDATA_SHORT;
  for (uint32_t i = 0; i < n; ++i) aColor[i] = get_u32(data + kHeaderSize + 4 * i);
  *pNumColors = static_cast<int>(n);
  return PALETTE_OK;
}

const char* PALETTE_StatusText(int status) {
  switch (status) {
    case PALETTE_EOPEN:
      return "Invalid file handle";
    case PALETTE_ESTAT:
      return "Could not get file information";
    case PALETTE_EHEADER_SHORT:
      return "_LoadPalette: Could not read header";
    case PALETTE_EHEADER:
      return "Illegal file header\nExcpecting the following:\n00:U8  Header[8] = \"VorixPal\"\n08:U32 NumColors\n"
             "0C:U8  Reserved[4]\n10:U32 _aColor[NumColors]\n";
    case PALETTE_ECOUNT_SHORT:
      return "_LoadPalette: Could not read number of entries";
    case PALETTE_ETOO_MANY:
      return "_LoadPalette: Number of colors may not exceed 256 !";
    case PALETTE_ETOO_FEW:
      return "_LoadPalette: Number of colors may not be less than 2 !";
    case PALETTE_ERESERVED_SHORT:
      return "_LoadPalette: Dummy read at 0xc failed";
    case PALETTE_EDATA_SHORT:
      return "_LoadPalette: Could not read palette data";
    default:
      return nullptr;
  }
}

int PALETTE_Read(const char* path) {
  FILE* f = path ? std::fopen(path, "rb") : nullptr;
  int status = PALETTE_OK;
  std::vector<uint8_t> data;
  if (!f) {
    status = PALETTE_EOPEN;
  } else {
    // Only the first bytes matter; anything past a full 256-entry palette is ignored.
    data.resize(kMaxUseful);
    size_t got = 0;
    while (got < data.size()) {
      const size_t r = std::fread(data.data() + got, 1, data.size() - got, f);
      if (r == 0) break;
      got += r;
    }
    if (std::ferror(f)) status = PALETTE_ESTAT;
    data.resize(got);
    std::fclose(f);
  }
  if (status == PALETTE_OK) {
    ColorValue aColor[256];
    int n = 0;
    status = PALETTE_Parse(data.data(), data.size(), aColor, &n);
    if (status == PALETTE_OK) {
      std::memcpy(IMAGE_CustomPalette.pColors, aColor, sizeof(ColorValue) * static_cast<size_t>(n));
      IMAGE_CustomPalette.NumEntries = n;
    }
  }
  if (status == PALETTE_OK || status == PALETTE_EMPTY) return 0;
  CMDLINE_ReportText(PALETTE_StatusText(status));
  return 1;
}

int PALETTE_Write(const ImageDocument* doc, FILE* file) {
  OutWriter* w = new (std::nothrow) OutWriter;
  if (!w) return 1;
  OUT_Init(w, file);
  OUT_Write(w, kMagic, sizeof(kMagic));
  OUT_PutU32(w, static_cast<uint32_t>(doc->NumColors));
  OUT_PutU32(w, 0);
  for (int i = 0; i < doc->NumColors; ++i) OUT_PutU32(w, IMAGE_GetPalColor(doc, i));
  const bool ok = OUT_Flush(w);
  delete w;
  return ok ? 0 : 1;
}
