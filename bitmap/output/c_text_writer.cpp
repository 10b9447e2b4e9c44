// Column-tracking, wrapping text output of the C writers.
#include "bitmap/output/c_text_writer.h"

#include <cstdarg>
#include <cstdio>

static constexpr char hex_digit(int v) { return static_cast<char>(v < 10 ? '0' + v : 'A' + v - 10); }

const char CTEXT_aHex[256][2] = {
#define H2(i) {hex_digit((i) >> 4), hex_digit((i) & 15)}
#define H8(i) H2(i), H2(i + 1), H2(i + 2), H2(i + 3), H2(i + 4), H2(i + 5), H2(i + 6), H2(i + 7)
#define H32(i) H8(i), H8(i + 8), H8(i + 16), H8(i + 24)
    H32(0), H32(32), H32(64), H32(96), H32(128), H32(160), H32(192), H32(224)
#undef H32
#undef H8
#undef H2
};

void CTEXT_Init(CTextWriter* w, OutWriter* out) {
  w->pOut = out;
  w->Column = 0;
}

bool CTEXT_Flush(CTextWriter* w) { return OUT_Flush(w->pOut); }

static size_t format_text(char* buf, const char* format, va_list args) {
  int n = std::vsnprintf(buf, CTEXT_MAX_PIECE + 1, format, args);
  if (n < 0) return 0;
  return n > CTEXT_MAX_PIECE ? static_cast<size_t>(CTEXT_MAX_PIECE) : static_cast<size_t>(n);
}

void CTEXT_Printf(CTextWriter* w, const char* format, ...) {
  char buf[CTEXT_MAX_PIECE + 1];
  va_list args;
  va_start(args, format);
  size_t n = format_text(buf, format, args);
  va_end(args);
  CTEXT_Raw(w, buf, n);
}

const uint32_t* CTEXT_Hex4Table() {
  static const uint32_t* table = [] {
    static uint32_t t[65536];
    for (uint32_t v = 0; v < 65536; ++v) {
      char c[4] = {CTEXT_aHex[v >> 8][0], CTEXT_aHex[v >> 8][1], CTEXT_aHex[v & 255][0], CTEXT_aHex[v & 255][1]};
      std::memcpy(&t[v], c, 4);
    }
    return t;
  }();
  return table;
}

char* CTEXT_PutDecMin(char* p, uint64_t v, int minDigits) {
  char tmp[20];
  int n = 0;
  do {
    tmp[n++] = static_cast<char>('0' + v % 10);
    v /= 10;
  } while (v);
  while (n < minDigits && n < 20) tmp[n++] = '0';
  while (n) *p++ = tmp[--n];
  return p;
}

char* CTEXT_PutDec(char* p, uint64_t v) {
  char tmp[20];
  int n = 0;
  do {
    tmp[n++] = static_cast<char>('0' + v % 10);
    v /= 10;
  } while (v);
  while (n) *p++ = tmp[--n];
  return p;
}
