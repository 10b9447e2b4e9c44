// RLE8 and RLE4 decoders. The stream always runs bottom-up; pixels it places outside
// the image are dropped, and it never reads past the end of the data it was given
// (a stream that claims more data simply ends there).
#include "bitmap/formats/bmp/dib_internal.h"

namespace {

// Cursor over the compressed data: consumed bytes counted against the stated length,
// reads limited to the bytes that really exist.
struct RleStream {
  DibBytes Bits;
  uint64_t Pos;
  bool Ended;  // ran out of real data

  uint8_t next() {
    if (Pos >= Bits.Size) {
      Ended = true;
      return 0;
    }
    return Bits.pData[Pos++];
  }
};

// Writes one index; x and y are 64-bit so long streams cannot overflow them.
struct RleTarget {
  ImageDocument* pDoc;
  int64_t X, Y;

  void put(uint8_t index) {
    if (X >= 0 && Y >= 0 && X < pDoc->XSize && Y < pDoc->YSize) IMAGE_GetRow(pDoc, static_cast<int32_t>(Y))[X] = index;
    ++X;
  }
};

}  // namespace

DibResult DIB_DecodeRLE(const DibInfo& info, const DibBytes& bits, ImageDocument* doc) {
  const bool rle4 = info.BitCount == 4;
  DibResult r = {IMAGE_DIB_OK, nullptr, nullptr};
  int64_t length = static_cast<int32_t>(info.SizeImage);
  if (length < 0) {
    r.Status = IMAGE_DIB_EFORMAT;
    r.pText = rle4 ? "Can not decompress RLE4: File invalid: NumPixelBytes < 0"
                   : "Can not decompress RLE8: File invalid: NumPixelBytes < 0";
    return r;
  }
  if (length == 0) {
    r.pWarning = rle4 ? "Illegal file format: 4 BPP, RLE4, NumPixelBytes == 0. Converting anyhow."
                      : "Illegal file format: 8 BPP, RLE8, NumPixelBytes == 0. Converting anyhow.";
    length = 1000000;
  }
  r.pText = rle4 ? "Loaded compressed 4 bpp bitmap." : "Loaded compressed 8 bpp bitmap";

  RleStream in = {bits, 0, false};
  RleTarget out = {doc, 0, doc->YSize - 1};
  while (static_cast<int64_t>(in.Pos) < length) {
    const uint8_t n = in.next();
    const uint8_t c = in.next();
    if (in.Ended) break;  // running out of data ends the image
    if (n > 0) {
      for (unsigned i = 0; i < n; ++i) {
        if (rle4)
          out.put((i & 1) ? (c & 0x0F) : (c >> 4));
        else
          out.put(c);
      }
      continue;
    }
    if (c == 0) {  // end of line
      out.Y -= 1;
      out.X = 0;
      if (out.Y < 0) {
        if (rle4) break;
        r.Status = IMAGE_DIB_EFORMAT;
        r.pText = "DecompressRLE8: Data after end of image";
        return r;
      }
    } else if (c == 1) {  // end of bitmap
      break;
    } else if (c == 2) {  // delta
      const uint8_t dx = in.next();
      const uint8_t dy = in.next();
      if (in.Ended) break;
      out.X += dx;
      out.Y -= dy;
    } else if (rle4) {  // absolute run of c pixels in (c + 1) / 2 bytes, padded to a word
      const unsigned numBytes = (c + 1u) / 2;
      for (unsigned i = 0; i < numBytes && !in.Ended; ++i) {
        const uint8_t b = in.next();
        if (in.Ended) break;
        out.put(b >> 4);
        if (2 * i + 1 < c) out.put(b & 0x0F);
      }
      if ((c + 1u) & 2) in.next();
    } else {  // absolute run of c bytes, padded to a word
      for (unsigned i = 0; i < c; ++i) {
        const uint8_t b = in.next();
        if (in.Ended) break;
        out.put(b);
      }
      if (c & 1) in.next();
    }
    if (in.Ended) break;
  }
  return r;
}
