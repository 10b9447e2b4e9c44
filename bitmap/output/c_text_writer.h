// Text output of the C writers: keeps the current output column and wraps long lines.
// A piece that would take the line past column 254 starts a new line indented by 8
// blanks. Text is staged in a large buffer and handed to the buffered writer in chunks,
// so formatting millions of small pieces stays cheap.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "bitmap/output/buffered_writer.h"

enum {
  CTEXT_MAX_COLUMN = 254,
  CTEXT_WRAP_INDENT = 8,
  CTEXT_STAGE_SIZE = 256 * 1024,
  CTEXT_MAX_PIECE = 1024,  // longest piece or raw text handed over in one call
};

struct CTextWriter {
  OutWriter* pOut;
  int Column;
  size_t Used;
  char aStage[CTEXT_STAGE_SIZE];
};

void CTEXT_Init(CTextWriter* w, OutWriter* out);
// Hands the staged text to the buffered writer (not to the file).
void CTEXT_Drain(CTextWriter* w);
// Drains and flushes the buffered writer; false when any write failed.
bool CTEXT_Flush(CTextWriter* w);

inline void CTEXT_ResetColumn(CTextWriter* w) { w->Column = 0; }

// Text written as is; the column is not touched (callers reset it at row starts).
inline void CTEXT_Raw(CTextWriter* w, const char* text, size_t len) {
  if (len > CTEXT_STAGE_SIZE - w->Used) {
    CTEXT_Drain(w);
    if (len > CTEXT_STAGE_SIZE) {
      OUT_Write(w->pOut, text, len);
      return;
    }
  }
  std::memcpy(w->aStage + w->Used, text, len);
  w->Used += len;
}
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
inline void CTEXT_PieceStr(CTextWriter* w, const char* text) { CTEXT_Piece(w, text, std::strlen(text)); }

// printf-style raw text (at most CTEXT_MAX_PIECE characters after formatting).
void CTEXT_Printf(CTextWriter* w, const char* format, ...) __attribute__((format(printf, 2, 3)));
// printf-style piece through the line wrapping.
void CTEXT_PiecePrintf(CTextWriter* w, const char* format, ...) __attribute__((format(printf, 2, 3)));

// Formatting helpers for hot loops: write into p and return the end.
extern const char CTEXT_aHex[256][2];  // upper-case hex digits of each byte value
inline char* CTEXT_PutHex2(char* p, uint32_t byte) {
  std::memcpy(p, CTEXT_aHex[byte & 0xFF], 2);
  return p + 2;
}
inline char* CTEXT_PutHex4(char* p, uint32_t v) { return CTEXT_PutHex2(CTEXT_PutHex2(p, v >> 8), v); }
inline char* CTEXT_PutHex8(char* p, uint32_t v) { return CTEXT_PutHex4(CTEXT_PutHex4(p, v >> 16), v); }
// Decimal without padding.
char* CTEXT_PutDec(char* p, uint64_t v);
