// C text form of the run-length stream: one line per block with a comment naming its
// pixel count and the position of its first pixel, then the stream's end byte and a
// trailer that closes the array and counts the bytes. Formatted straight into the output
// buffer like the uncompressed rows.
#include <cstdio>
#include <cstring>

#include "bitmap/output/rle.h"

static const int kChunk = 64;  // pieces formatted per cursor

// "0xAB, " for each byte of a value.
static inline char* put_value_bytes(char* p, const uint8_t* v, int len) {
  for (int i = 0; i < len; ++i) {
    p[0] = '0';
    p[1] = 'x';
    p = CTEXT_PutHex2(p + 2, v[i]);
    p[0] = ',';
    p[1] = ' ';
    p += 2;
  }
  return p;
}

static void block_comment(CTextWriter* w, const char* kind, const RleBlock* b, int32_t width) {
  const size_t x = b->Start % static_cast<size_t>(width);
  const size_t y = b->Start / static_cast<size_t>(width);
  char buf[96];
  char* p = buf;
  std::memcpy(p, "/* ", 3);
  std::memcpy(p + 3, kind, 3);
  std::memcpy(p + 6, ": ", 2);
  p = CTEXT_PutDecMin(p + 8, b->Count, 3);
  std::memcpy(p, " Pixels @ ", 10);
  p = CTEXT_PutDecMin(p + 10, x, 3);
  *p++ = ',';
  p = CTEXT_PutDecMin(p, y, 3);
  std::memcpy(p, " */ ", 4);
  CTEXT_Piece(w, buf, static_cast<size_t>(p + 4 - buf));
}

// Run entries of a run block: "count, value bytes, " each.
static void write_run(CTextWriter* w, const RleSource* src, uint32_t key, size_t count) {
  uint8_t v[4];
  const int len = RLE_EncodeValue(src, key, v);
  char entry[32];  // longest entry: "254, " and four values, 25 characters
  size_t left = count;
  while (left) {
    CTextCursor c = CTEXT_Begin(w, kChunk * CTEXT_PieceRoom(32));
    for (int i = 0; i < kChunk && left; ++i) {
      const size_t n = left > RLE_MAX_RUN_ENTRY ? RLE_MAX_RUN_ENTRY : left;
      char* e = CTEXT_PutDec(entry, n);
      e[0] = ',';
      e[1] = ' ';
      e = put_value_bytes(e + 2, v, len);
      const int pieceLen = static_cast<int>(e - entry);
      char* p = CTEXT_CursorPiece(&c, pieceLen);
      std::memcpy(p, entry, sizeof(entry));
      c.p = p + pieceLen;
      left -= n;
    }
    CTEXT_End(w, c);
  }
}

// Literal values of kBytes bytes each. A value is encoded again only when its key changes,
// and formatted in place: a copy from a freshly written buffer would stall on the stores.
template <int kBytes>
static void write_values(CTextWriter* w, const RleSource* src, const uint32_t* keys, size_t count) {
  uint8_t v[4];
  uint32_t lastKey = keys[0];
  RLE_EncodeValue(src, lastKey, v);
  for (size_t i0 = 0; i0 < count; i0 += kChunk) {
    CTextCursor c = CTEXT_Begin(w, kChunk * CTEXT_PieceRoom(24));
    const size_t i1 = count - i0 < static_cast<size_t>(kChunk) ? count : i0 + kChunk;
    for (size_t i = i0; i < i1; ++i) {
      if (keys[i] != lastKey) {
        lastKey = keys[i];
        RLE_EncodeValue(src, lastKey, v);
      }
      char* p = CTEXT_CursorPiece(&c, 6 * kBytes);
      for (int b = 0; b < kBytes; ++b) p = CTEXT_PutByteItem(p, v[b]);
      c.p = p;
    }
    CTEXT_End(w, c);
  }
}

// Values of an absolute block.
static void write_literals(CTextWriter* w, const RleSource* src, const uint32_t* keys, size_t count) {
  uint8_t v[4];
  if (src->Variant == RLE_VARIANT_4) {
    for (size_t i0 = 0; i0 < count; i0 += 2 * kChunk) {
      CTextCursor c = CTEXT_Begin(w, kChunk * CTEXT_PieceRoom(6));
      for (size_t i = i0; i < count && i < i0 + 2 * kChunk; i += 2) {
        const uint32_t hi = keys[i] & 15;
        const uint32_t lo = i + 1 < count ? keys[i + 1] & 15 : 0;
        v[0] = static_cast<uint8_t>(hi << 4 | lo);
        c.p = put_value_bytes(CTEXT_CursorPiece(&c, 6), v, 1);
      }
      CTEXT_End(w, c);
    }
    return;
  }
  switch (src->Variant) {
    case RLE_VARIANT_16:
      write_values<2>(w, src, keys, count);
      break;
    case RLE_VARIANT_32:
      write_values<4>(w, src, keys, count);
      break;
    default:
      write_values<1>(w, src, keys, count);
      break;
  }
}

bool RLE_WriteCText(CTextWriter* w, const RleSource* src) {
  RleKeys k;
  if (!RLE_GetKeys(src, &k)) return false;
  const uint32_t* keys = k.pKeys.get();
  const size_t n = k.NumKeys;
  const int32_t width = src->pDoc->XSize;
  uint64_t totalBytes = 0;
  char buf[32];
  for (size_t pos = 0; pos < n;) {
    RleBlock b = RLE_NextBlock(keys, n, pos);
    totalBytes += RLE_BlockBytes(src->Variant, &b);
    CTEXT_ResetColumn(w);
    CTEXT_Piece(w, "  ", 2);
    if (b.IsRun) {
      block_comment(w, "RLE", &b, width);
      write_run(w, src, keys[pos], b.Count);
    } else {
      block_comment(w, "ABS", &b, width);
      char* p = buf;
      *p++ = '0';
      *p++ = ',';
      *p++ = ' ';
      p = CTEXT_PutDec(p, b.Count);
      *p++ = ',';
      *p++ = ' ';
      CTEXT_Piece(w, buf, static_cast<size_t>(p - buf));
      write_literals(w, src, keys + pos, b.Count);
    }
    CTEXT_Raw(w, "\r\n", 2);
    pos += b.Count;
  }
  const bool shortForm = src->Variant == RLE_VARIANT_16 || src->Variant == RLE_VARIANT_32;
  CTEXT_Printf(w, shortForm ? "  0\r\n};  // %llu for %zu pixels\r\n\r\n" : "  0\r\n};  // %llu bytes for %zu pixels\r\n\r\n",
               static_cast<unsigned long long>(totalBytes), n);
  return true;
}
