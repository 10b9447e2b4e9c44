// Text output of the C writers: keeps the current output column and wraps long lines.
// A piece that would take the line past column 254 starts a new line indented by 8
// blanks. Text is formatted straight into the buffered writer's buffer, so millions of
// small pieces cost no extra copy.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "common/output/buffered_writer.h"

enum {
  CTEXT_MAX_COLUMN = 254,
  CTEXT_WRAP_INDENT = 8,
  CTEXT_MAX_PIECE = 1024,  // longest piece or raw text handed over in one call
  CTEXT_OVERHANG = 16,     // bytes past a piece that the word-wide formatters may touch
};

struct CTextWriter {
  OutWriter* pOut;
  int Column;
};

void CTEXT_Init(CTextWriter* w, OutWriter* out);
// Hands the buffered text to the file.
inline void CTEXT_Drain(CTextWriter* w) { OUT_Drain(w->pOut); }
// Drains and flushes the buffered writer; false when any write failed.
bool CTEXT_Flush(CTextWriter* w);

inline void CTEXT_ResetColumn(CTextWriter* w) { w->Column = 0; }

// Text written as is; the column is not touched (callers reset it at row starts).
inline void CTEXT_Raw(CTextWriter* w, const char* text, size_t len) { OUT_Write(w->pOut, text, len); }
inline void CTEXT_RawStr(CTextWriter* w, const char* text) { CTEXT_Raw(w, text, std::strlen(text)); }

// One piece through the line wrapping.
inline void CTEXT_Piece(CTextWriter* w, const char* text, size_t len) {
  if (w->Column + len > CTEXT_MAX_COLUMN) {
    CTEXT_Raw(w, "\r\n        ", 2 + CTEXT_WRAP_INDENT);
    w->Column = CTEXT_WRAP_INDENT;
  }
  CTEXT_Raw(w, text, len);
  w->Column += static_cast<int>(len);
}

// Hot loops format straight into the output buffer through a cursor that holds the write
// position and the column in locals: CTEXT_Begin makes room for `need` bytes (at most
// OUT_BUFFER_SIZE / 2), CTEXT_CursorPiece applies the wrapping rule for a piece of len
// bytes and returns where to write it, the caller advances p past the piece, and
// CTEXT_End hands position and column back.
struct CTextCursor {
  char* p;
  int Column;
};
inline CTextCursor CTEXT_Begin(CTextWriter* w, size_t need) {
  return {reinterpret_cast<char*>(OUT_Room(w->pOut, need + CTEXT_OVERHANG)), w->Column};
}
inline void CTEXT_End(CTextWriter* w, CTextCursor c) {
  w->pOut->NumBytes = static_cast<size_t>(c.p - reinterpret_cast<char*>(w->pOut->aBuffer));
  w->Column = c.Column;
}
inline char* CTEXT_CursorPiece(CTextCursor* c, int len) {
  if (c->Column + len > CTEXT_MAX_COLUMN) {
    std::memcpy(c->p, "\r\n        ", 2 + CTEXT_WRAP_INDENT);
    c->p += 2 + CTEXT_WRAP_INDENT;
    c->Column = CTEXT_WRAP_INDENT;
  }
  c->Column += len;
  return c->p;
}
// Room a cursor needs per piece of at most len bytes (the piece and a line break).
constexpr size_t CTEXT_PieceRoom(size_t len) { return len + 2 + CTEXT_WRAP_INDENT; }

// printf-style raw text (at most CTEXT_MAX_PIECE characters after formatting).
void CTEXT_Printf(CTextWriter* w, const char* format, ...) __attribute__((format(printf, 2, 3)));

// Formatting helpers for hot loops: write into p and return the end.
extern const char CTEXT_aHex[256][2];  // upper-case hex digits of each byte value
inline char* CTEXT_PutHex2(char* p, uint32_t byte) {
  std::memcpy(p, CTEXT_aHex[byte & 0xFF], 2);
  return p + 2;
}
inline char* CTEXT_PutHex4(char* p, uint32_t v) { return CTEXT_PutHex2(CTEXT_PutHex2(p, v >> 8), v); }
inline char* CTEXT_PutHex8(char* p, uint32_t v) { return CTEXT_PutHex4(CTEXT_PutHex4(p, v >> 16), v); }
// Four hex digits of each 16-bit value, in memory order.
const uint32_t* CTEXT_Hex4Table();
// "0xAB, " for a byte (6 characters; writes 8 bytes).
inline char* CTEXT_PutByteItem(char* p, uint32_t byte) {
  if constexpr (std::endian::native == std::endian::little) {
    uint16_t h;
    std::memcpy(&h, CTEXT_aHex[byte & 0xFF], 2);
    const uint64_t word = 0x7830u | static_cast<uint64_t>(h) << 16 | 0x202Cull << 32;
    std::memcpy(p, &word, 8);
  } else {
    p[0] = '0';
    p[1] = 'x';
    std::memcpy(p + 2, CTEXT_aHex[byte & 0xFF], 2);
    p[4] = ',';
    p[5] = ' ';
  }
  return p + 6;
}
// "0xABCD, " for a 16-bit value (8 characters).
inline char* CTEXT_PutShortItem(char* p, const uint32_t* table, uint32_t v) {
  if constexpr (std::endian::native == std::endian::little) {
    const uint64_t word = 0x7830u | static_cast<uint64_t>(table[v & 0xFFFF]) << 16 | 0x202Cull << 48;
    std::memcpy(p, &word, 8);
  } else {
    p[0] = '0';
    p[1] = 'x';
    std::memcpy(p + 2, &table[v & 0xFFFF], 4);
    p[6] = ',';
    p[7] = ' ';
  }
  return p + 8;
}
// "0xAABBCCDD, " for a 32-bit value (12 characters; writes 16 bytes).
inline char* CTEXT_PutLongItem(char* p, const uint32_t* table, uint32_t v) {
  if constexpr (std::endian::native == std::endian::little) {
    const uint64_t lo = table[v & 0xFFFF];
    const uint64_t first = 0x7830u | static_cast<uint64_t>(table[v >> 16]) << 16 | lo << 48;
    const uint64_t second = lo >> 16 | 0x202Cull << 16;
    std::memcpy(p, &first, 8);
    std::memcpy(p + 8, &second, 8);
  } else {
    p[0] = '0';
    p[1] = 'x';
    std::memcpy(p + 2, &table[v >> 16], 4);
    std::memcpy(p + 6, &table[v & 0xFFFF], 4);
    p[10] = ',';
    p[11] = ' ';
  }
  return p + 12;
}
// Decimal without padding.
char* CTEXT_PutDec(char* p, uint64_t v);
// Decimal with at least minDigits digits (leading zeros), as printf's "%.3u".
char* CTEXT_PutDecMin(char* p, uint64_t v, int minDigits);
