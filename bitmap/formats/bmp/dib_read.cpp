// DIB parser: turns a BITMAPINFOHEADER block (Windows 40-byte header and its larger
// versions, OS/2 1.x 12-byte and 2.x 16..64-byte headers) with its palette and pixel
// bits into an image document. Input is untrusted: every read is bounds-checked and
// missing bytes read as zero, and the image size is checked before anything is
// allocated. IMAGE_ParseDIB reports through status codes; IMAGE_FromDIB shows texts.
#include <bit>
#include <cstring>
#include <vector>

#include "bitmap/formats/bmp/bmp.h"
#include "bitmap/formats/bmp/dib_internal.h"
#include "bitmap/document/image.h"

namespace {

// Fields of the Windows header family; a field lies inside the header only when the
// header is long enough (OS/2 2.x headers may stop after any field; the rest is 0).
struct RawHeader {
  uint32_t Width, Height, Planes, BitCount, Compression, SizeImage, ClrUsed;
  uint32_t RedMask, GreenMask, BlueMask, AlphaMask;
};

struct HeaderField {
  uint8_t Offset;
  uint8_t Width;
  uint32_t RawHeader::*pMember;
};

const HeaderField kInfoFields[] = {
    {4, 4, &RawHeader::Width},        {8, 4, &RawHeader::Height},
    {12, 2, &RawHeader::Planes},      {14, 2, &RawHeader::BitCount},
    {16, 4, &RawHeader::Compression}, {20, 4, &RawHeader::SizeImage},
    {32, 4, &RawHeader::ClrUsed},     {40, 4, &RawHeader::RedMask},
    {44, 4, &RawHeader::GreenMask},   {48, 4, &RawHeader::BlueMask},
    {52, 4, &RawHeader::AlphaMask},
};

// OS/2 1.x BITMAPCOREHEADER: 16-bit width and height, 3-byte palette entries.
const HeaderField kCoreFields[] = {
    {4, 2, &RawHeader::Width},
    {6, 2, &RawHeader::Height},
    {8, 2, &RawHeader::Planes},
    {10, 2, &RawHeader::BitCount},
};

enum { CORE_HEADER_SIZE = 12, MIN_INFO_HEADER_SIZE = 16, MASK_HEADER_SIZE = 52, ALPHA_HEADER_SIZE = 56 };

const char kTextHeaderSize[] = "Error in BITMAPINFOHEADER: unsupported header size (biSize)";
const char kTextJpeg[] =
    "BITMAPINFOHEADER: biBitCount = 0 (JPEG format) not supported. Please convert image !";
const char kTextBitCount[] = "Error in BITMAPINFOHEADER: biBitCount should be 0, 1, 4, 8, 16, 24 or 32";
const char kTextBadSize[] =
    "Error in BITMAPINFOHEADER: image width and height must be positive (biWidth, biHeight)";
const char kTextNoMemory[] = "Not enough memory to load the image";
const char kTextBadIndex[] = "Illegal bitmap: pixel data uses colours beyond the palette";
const char kText4Unknown[] = "4 BPP bitmap - Unknown compression format (should be BI_RGB or BI_RLE4)";
const char kText8Unknown[] = "8 BPP bitmap - Unknown compression format (should be BI_RGB or BI_RLE8)";

void read_fields(const DibBytes& hdr, uint32_t headerSize, const HeaderField* fields, size_t count,
                 RawHeader* raw) {
  for (size_t i = 0; i < count; ++i) {
    const HeaderField& f = fields[i];
    if (f.Offset + f.Width > headerSize) continue;
    raw->*f.pMember = f.Width == 2 ? DIB_U16(hdr, f.Offset) : DIB_U32(hdr, f.Offset);
  }
}

// Reads the header into *info; returns null or a failure text.
const char* parse_header(const DibBytes& hdr, DibInfo* info) {
  RawHeader raw = {};
  const uint32_t headerSize = DIB_U32(hdr, 0);
  if (headerSize == CORE_HEADER_SIZE) {
    read_fields(hdr, headerSize, kCoreFields, sizeof(kCoreFields) / sizeof(kCoreFields[0]), &raw);
    // The core header's sizes are unsigned 16-bit values.
    raw.Height = static_cast<uint16_t>(raw.Height);
  } else if (headerSize >= MIN_INFO_HEADER_SIZE) {
    read_fields(hdr, headerSize, kInfoFields, sizeof(kInfoFields) / sizeof(kInfoFields[0]), &raw);
  } else {
    return kTextHeaderSize;
  }
  *info = {};
  info->HeaderSize = headerSize;
  info->Width = static_cast<int32_t>(raw.Width);
  info->Height = static_cast<int32_t>(raw.Height);
  info->BitCount = raw.BitCount;
  info->Compression = raw.Compression;
  info->SizeImage = raw.SizeImage;
  info->ClrUsed = raw.ClrUsed;
  // Headers of 52 bytes and more (V2 to V5) carry the masks themselves.
  if (headerSize >= MASK_HEADER_SIZE && headerSize != CORE_HEADER_SIZE) {
    info->aMask[0] = raw.RedMask;
    info->aMask[1] = raw.GreenMask;
    info->aMask[2] = raw.BlueMask;
    info->aMask[3] = headerSize >= ALPHA_HEADER_SIZE ? raw.AlphaMask : 0;
    info->HasMasks = true;
  }
  return nullptr;
}

// Palette entries of a paletted image: biClrUsed or the full table, at most 256.
int32_t palette_entries(const DibInfo& info, const uint8_t* pInfo, const uint8_t* pBits) {
  uint64_t n = 1u << info.BitCount;
  if (info.HeaderSize == CORE_HEADER_SIZE) {
    // The core header has no biClrUsed; a shorter table shows in the gap before the bits.
    const ptrdiff_t bitsOffset = pBits ? pBits - pInfo : 0;
    if (bitsOffset >= CORE_HEADER_SIZE) {
      const uint64_t gap = static_cast<uint64_t>(bitsOffset - CORE_HEADER_SIZE) / 3;
      if (gap >= 1 && gap < n) n = gap;
    }
  } else if (info.ClrUsed) {
    n = info.ClrUsed;
  }
  return static_cast<int32_t>(n > 256 ? 256 : n);
}

void fail(DibResult* r, int status, const char* text) {
  r->Status = status;
  r->pText = text;
}

void decode_paletted_rows(const DibInfo& info, const DibBytes& bits, ImageDocument* doc) {
  const uint64_t stride = (static_cast<uint64_t>(info.Width) * info.BitCount + 31) / 32 * 4;
  std::vector<uint8_t> buffer(static_cast<size_t>(stride));
  for (int32_t y = 0; y < doc->YSize; ++y) {
    const uint64_t srcRow = info.Height < 0 ? y : doc->YSize - 1 - y;
    const uint64_t offset = srcRow * stride;
    const uint8_t* src;
    if (offset + stride <= bits.Size) {
      src = bits.pData + offset;
    } else {
      DIB_CopyRange(bits, offset, buffer.data(), buffer.size());
      src = buffer.data();
    }
    uint8_t* dst = IMAGE_GetRow(doc, y);
    const int32_t w = doc->XSize;
    switch (info.BitCount) {
      case 1:
        for (int32_t x = 0; x < w; ++x) dst[x] = (src[x >> 3] >> (7 - (x & 7))) & 1;
        break;
      case 4:
        for (int32_t x = 0; x < w; ++x) dst[x] = (x & 1) ? (src[x >> 1] & 0x0F) : (src[x >> 1] >> 4);
        break;
      default:
        std::memcpy(dst, src, static_cast<size_t>(w));
        break;
    }
  }
}

void put_color(uint8_t* p, ColorValue c) {
  p[0] = static_cast<uint8_t>(c);
  p[1] = static_cast<uint8_t>(c >> 8);
  p[2] = static_cast<uint8_t>(c >> 16);
  p[3] = static_cast<uint8_t>(c >> 24);
}

// 24 bits (blue, green, red) and 32 bits (blue, green, red, alpha) without masks.
// Blue, green, red pixels to red, green, blue, opaque. All but the last pixel are read
// four bytes at a time (the fourth belongs to the next pixel).
void copy_bgr_row(const uint8_t* __restrict src, uint8_t* __restrict dst, int32_t width) {
  int32_t x = 0;
  if constexpr (std::endian::native == std::endian::little) {
    for (; x + 1 < width; ++x, src += 3, dst += 4) {
      uint32_t v;
      std::memcpy(&v, src, 4);
      v = __builtin_bswap32(v << 8);  // blue, green, red, next -> red, green, blue, 0
      std::memcpy(dst, &v, 4);
    }
  }
  for (; x < width; ++x, src += 3, dst += 4) {
    dst[0] = src[2];
    dst[1] = src[1];
    dst[2] = src[0];
    dst[3] = 0;
  }
}

void decode_true_color_rows(const DibInfo& info, const DibBytes& bits, ImageDocument* doc) {
  const uint64_t stride = (static_cast<uint64_t>(info.Width) * info.BitCount + 31) / 32 * 4;
  const uint32_t bytesPerPixel = info.BitCount / 8;
  std::vector<uint8_t> buffer(static_cast<size_t>(stride));
  uint32_t anyAlpha = 0;
  for (int32_t y = 0; y < doc->YSize; ++y) {
    const uint64_t srcRow = info.Height < 0 ? y : doc->YSize - 1 - y;
    const uint64_t offset = srcRow * stride;
    const uint8_t* src;
    if (offset + stride <= bits.Size) {
      src = bits.pData + offset;
    } else {
      DIB_CopyRange(bits, offset, buffer.data(), buffer.size());
      src = buffer.data();
    }
    uint8_t* dst = IMAGE_GetRow(doc, y);
    if (bytesPerPixel == 3) {  // blue, green, red to red, green, blue, opaque
      copy_bgr_row(src, dst, doc->XSize);
      continue;
    }
    for (int32_t x = 0; x < doc->XSize; ++x, src += bytesPerPixel, dst += 4) {
      uint32_t trans = 0;
      if (bytesPerPixel == 4) {
        anyAlpha |= src[3];
        trans = 255u - src[3];
      }
      put_color(dst, COLOR_Make(src[2], src[1], src[0], trans));
    }
  }
  if (anyAlpha) doc->HasAlpha = 1;
}

// Largest index used by the pixels of a paletted document.
uint32_t max_index(const ImageDocument* doc) {
  uint32_t m = 0;
  for (int32_t y = 0; y < doc->YSize; ++y) {
    const uint8_t* row = IMAGE_GetRow(doc, y);
    for (int32_t x = 0; x < doc->XSize; ++x)
      if (row[x] > m) m = row[x];
  }
  return m;
}

DibResult decode(const DibInfo& info, const DibBytes& bits, ImageDocument* doc) {
  DibResult r = {IMAGE_DIB_OK, nullptr, nullptr};
  switch (info.BitCount) {
    case 1:
      decode_paletted_rows(info, bits, doc);
      r.pText = "Loaded 1 bpp bitmap";
      break;
    case 4:
      if (info.Compression == DIB_BI_RLE4) return DIB_DecodeRLE(info, bits, doc);
      if (info.Compression != DIB_BI_RGB) {
        fail(&r, IMAGE_DIB_EFORMAT, kText4Unknown);
        break;
      }
      decode_paletted_rows(info, bits, doc);
      r.pText = "Loaded uncompressed 4 bpp bitmap";
      break;
    case 8:
      if (info.Compression == DIB_BI_RLE8) return DIB_DecodeRLE(info, bits, doc);
      if (info.Compression != DIB_BI_RGB) {
        fail(&r, IMAGE_DIB_EFORMAT, kText8Unknown);
        break;
      }
      decode_paletted_rows(info, bits, doc);
      r.pText = "Loaded uncompressed 8 bpp bitmap";
      break;
    case 16:
      return DIB_DecodeBitfields(info, bits, doc);
    case 24:
      decode_true_color_rows(info, bits, doc);
      r.pText = "Loaded 24 bpp bitmap";
      break;
    default:  // 32
      if (info.Compression != DIB_BI_RGB) return DIB_DecodeBitfields(info, bits, doc);
      decode_true_color_rows(info, bits, doc);
      r.pText = "Loaded 32 bpp bitmap (RGB)";
      break;
  }
  return r;
}

}  // namespace

void DIB_CopyRange(const DibBytes& b, uint64_t offset, uint8_t* dest, size_t size) {
  size_t n = 0;
  if (offset < b.Size) {
    n = b.Size - static_cast<size_t>(offset);
    if (n > size) n = size;
    std::memcpy(dest, b.pData + offset, n);
  }
  std::memset(dest + n, 0, size - n);
}

int IMAGE_ParseDIB(const uint8_t* pInfo, size_t size, const uint8_t* pBits, size_t bitsSize,
                   ImageDocument** ppDoc, const char** ppText, const char** ppWarning) {
  *ppDoc = nullptr;
  *ppText = nullptr;
  *ppWarning = nullptr;
  const DibBytes hdr = {pInfo, pInfo ? size : 0};
  DibInfo info;
  if (const char* text = parse_header(hdr, &info)) {
    *ppText = text;
    return IMAGE_DIB_EFORMAT;
  }
  int32_t numColors = 0;
  switch (info.BitCount) {
    case 0:
      *ppText = kTextJpeg;
      return IMAGE_DIB_EFORMAT;
    case 1:
    case 4:
    case 8:
      numColors = palette_entries(info, pInfo, pBits);
      break;
    case 16:
    case 24:
    case 32:
      break;
    default:
      *ppText = kTextBitCount;
      return IMAGE_DIB_EFORMAT;
  }
  if (info.Width <= 0 || info.Height == 0 || info.Height == INT32_MIN) {
    *ppText = kTextBadSize;
    return IMAGE_DIB_EFORMAT;
  }
  const int32_t height = info.Height < 0 ? -info.Height : info.Height;
  if (!IMAGE_FitsLimits(static_cast<uint64_t>(info.Width), static_cast<uint64_t>(height), 0)) {
    *ppText = IMAGE_TextTooLarge;
    return IMAGE_DIB_ETOOLARGE;
  }

  // Palette, then (headers shorter than 52 bytes with bit fields) the three masks, then
  // the bits.
  const bool core = info.HeaderSize == CORE_HEADER_SIZE;
  const uint64_t entrySize = core ? 3 : 4;
  uint64_t offset = info.HeaderSize;
  if (numColors) {
    offset += entrySize * (core || !info.ClrUsed ? static_cast<uint64_t>(numColors) : info.ClrUsed);
  } else if (!core) {
    offset += 4ull * info.ClrUsed;  // a true-colour DIB may still carry a colour table
  }
  if (info.Compression == DIB_BI_BITFIELDS && !info.HasMasks && !core && numColors == 0) {
    // The masks follow the header directly: a true-colour image reads no palette.
    const uint64_t maskOffset = info.HeaderSize;
    if (maskOffset + 12 <= hdr.Size) {
      for (int i = 0; i < 3; ++i) info.aMask[i] = DIB_U32(hdr, maskOffset + 4 * i);
      info.HasMasks = true;
    }
    offset = maskOffset + 12 + 4ull * info.ClrUsed;
  }

  ImageDocument* doc = IMAGE_Create(info.Width, height, numColors);
  if (!doc) {
    *ppText = kTextNoMemory;
    return IMAGE_DIB_ENOMEM;
  }
  for (int32_t i = 0; i < numColors; ++i) {
    const uint64_t p = info.HeaderSize + entrySize * static_cast<uint64_t>(i);
    IMAGE_SetPalColor(doc, i, COLOR_Make(DIB_Byte(hdr, p + 2), DIB_Byte(hdr, p + 1), DIB_Byte(hdr, p)));
  }

  DibBytes bits = {nullptr, 0};
  if (pBits) {
    bits = {pBits, bitsSize};
  } else if (offset < hdr.Size) {
    bits = {pInfo + offset, hdr.Size - static_cast<size_t>(offset)};
  }
  DibResult r = decode(info, bits, doc);
  if (r.Status == IMAGE_DIB_OK && numColors && numColors < (1 << info.BitCount) &&
      max_index(doc) >= static_cast<uint32_t>(numColors)) {
    r.Status = IMAGE_DIB_EFORMAT;
    r.pText = kTextBadIndex;
  }
  *ppText = r.pText;
  *ppWarning = r.pWarning;
  if (r.Status != IMAGE_DIB_OK) {
    IMAGE_Free(doc);
    return r.Status;
  }
  *ppDoc = doc;
  return IMAGE_DIB_OK;
}

ImageDocument* IMAGE_FromDIB(const uint8_t* pInfo, size_t size, const uint8_t* pBits, size_t bitsSize) {
  ImageDocument* doc;
  const char* text;
  const char* warning;
  IMAGE_ParseDIB(pInfo, size, pBits, bitsSize, &doc, &text, &warning);
  if (warning) IMAGE_Warning(warning);
  if (!text) return doc;
  if (doc)
    IMAGE_Progress(text);
  else
    IMAGE_Warning(text);
  return doc;
}
