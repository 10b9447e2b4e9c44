// Column-tracking, wrapping text output of the C writers.
#include "bitmap/output/c_text_writer.h"

#include <bit>
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

namespace {

// Built by the compiler: a small image must not pay for 65,536 entries at run time.
struct Hex4Table {
  uint32_t Entry[65536] = {};
  constexpr Hex4Table() {
    constexpr char kDigits[] = "0123456789ABCDEF";
    for (uint32_t v = 0; v < 65536; ++v) {
      const uint32_t c0 = static_cast<uint8_t>(kDigits[v >> 12]), c1 = static_cast<uint8_t>(kDigits[(v >> 8) & 15]);
      const uint32_t c2 = static_cast<uint8_t>(kDigits[(v >> 4) & 15]), c3 = static_cast<uint8_t>(kDigits[v & 15]);
      Entry[v] = std::endian::native == std::endian::little ? c0 | c1 << 8 | c2 << 16 | c3 << 24
                                                              : c3 | c2 << 8 | c1 << 16 | c0 << 24;
    }
  }
};
constexpr Hex4Table kHex4;

}  // namespace

const uint32_t* CTEXT_Hex4Table() { return kHex4.Entry; }

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
