// C text form of the run-length stream: one line per block with a comment naming its
// pixel count and the position of its first pixel, then the stream's end byte and a
// trailer that closes the array and counts the bytes.
#include <cstdio>

#include "bitmap/output/rle.h"

// "0xAB, " for each byte of a value.
static char* put_value_bytes(char* p, const uint8_t* v, int len) {
  for (int i = 0; i < len; ++i) {
    *p++ = '0';
    *p++ = 'x';
    p = CTEXT_PutHex2(p, v[i]);
    *p++ = ',';
    *p++ = ' ';
  }
  return p;
}

static void block_comment(CTextWriter* w, const char* kind, const RleBlock* b, int32_t width) {
  const size_t x = b->Start % static_cast<size_t>(width);
  const size_t y = b->Start / static_cast<size_t>(width);
  CTEXT_PiecePrintf(w, "/* %s: %.3zu Pixels @ %.3zu,%.3zu */ ", kind, b->Count, x, y);
}

bool RLE_WriteCText(CTextWriter* w, const RleSource* src) {
  std::vector<uint32_t> keys;
  if (!RLE_GetKeys(src, &keys)) return false;
  const size_t n = keys.size();
  const int32_t width = src->pDoc->XSize;
  uint64_t totalBytes = 0;
  uint8_t v[4];
  char buf[64];
  for (size_t pos = 0; pos < n;) {
    RleBlock b = RLE_NextBlock(keys.data(), n, pos);
    totalBytes += RLE_BlockBytes(src->Variant, &b);
    CTEXT_ResetColumn(w);
    if (b.IsRun) {
      CTEXT_Piece(w, "  ", 2);
      block_comment(w, "RLE", &b, width);
      const int len = RLE_EncodeValue(src, keys[pos], v);
      for (size_t left = b.Count; left;) {
        size_t c = left > RLE_MAX_RUN_ENTRY ? RLE_MAX_RUN_ENTRY : left;
        char* p = CTEXT_PutDec(buf, c);
        *p++ = ',';
        *p++ = ' ';
        p = put_value_bytes(p, v, len);
        CTEXT_Piece(w, buf, static_cast<size_t>(p - buf));
        left -= c;
      }
    } else {
      CTEXT_Piece(w, "  ", 2);
      block_comment(w, "ABS", &b, width);
      char* p = buf;
      *p++ = '0';
      *p++ = ',';
      *p++ = ' ';
      p = CTEXT_PutDec(p, b.Count);
      *p++ = ',';
      *p++ = ' ';
      CTEXT_Piece(w, buf, static_cast<size_t>(p - buf));
      if (src->Variant == RLE_VARIANT_4) {
        for (size_t i = 0; i < b.Count; i += 2) {
          uint32_t hi = keys[pos + i] & 15;
          uint32_t lo = i + 1 < b.Count ? keys[pos + i + 1] & 15 : 0;
          v[0] = static_cast<uint8_t>(hi << 4 | lo);
          p = put_value_bytes(buf, v, 1);
          CTEXT_Piece(w, buf, static_cast<size_t>(p - buf));
        }
      } else {
        for (size_t i = 0; i < b.Count; ++i) {
          const int len = RLE_EncodeValue(src, keys[pos + i], v);
          p = put_value_bytes(buf, v, len);
          CTEXT_Piece(w, buf, static_cast<size_t>(p - buf));
        }
      }
    }
    CTEXT_Raw(w, "\r\n", 2);
    pos += b.Count;
  }
  const bool shortForm = src->Variant == RLE_VARIANT_16 || src->Variant == RLE_VARIANT_32;
  CTEXT_Printf(w, shortForm ? "  0\r\n};  // %llu for %zu pixels\r\n\r\n" : "  0\r\n};  // %llu bytes for %zu pixels\r\n\r\n",
               static_cast<unsigned long long>(totalBytes), n);
  return true;
}
