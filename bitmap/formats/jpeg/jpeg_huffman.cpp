// JPEG entropy decoding: canonical Huffman tables (T.81 C), the bit reader over stuffed
// entropy-coded data, and the block procedures of sequential (F.2.2) and progressive
// (G.1.2) decoding. Damaged data is decoded on with zero bits rather than refused.
#include <cstring>

#include "bitmap/formats/jpeg/jpeg_internal.h"

enum {
  FAST_BITS = JPEG_FAST_BITS,
  // Entry layout: bits used (code and magnitude) in bits 0-4, kind flags in 5-7, the
  // zero run before a coefficient in 8-11, the coefficient value in 16-31.
  FAST_USED = 31,
  FAST_VALUE = 1 << 5,  // a coefficient (AC) or a DC difference
  FAST_EOB = 1 << 6,    // end of block
  FAST_ZRL = 1 << 7     // sixteen zero coefficients
};

static inline int32_t fast_entry(int32_t value, int run, int flags, int used) {
  return static_cast<int32_t>(static_cast<uint32_t>(value) << 16) | run << 8 | flags | used;
}

// Canonical codes of up to FAST_BITS bits with their magnitude bits resolved in one lookup.
static void build_fast(JpegHuffTable* t, int ac) {
  std::memset(t->Fast, 0, sizeof(t->Fast));
  int32_t code = 0;
  int index = 0;
  for (int len = 1; len <= FAST_BITS; ++len) {
    for (int i = 0; i < t->Counts[len]; ++i, ++code, ++index) {
      if (code >= (1 << len)) return;  // an overfull table has no further valid codes
      const int rs = t->Symbols[index];
      const int run = ac ? rs >> 4 : 0, size = ac ? rs & 15 : rs;
      const int first = code << (FAST_BITS - len);
      const int span = 1 << (FAST_BITS - len);
      if (ac && size == 0) {
        if (run != 0 && run != 15) continue;  // an end-of-band run: progressive only
        const int32_t e = fast_entry(0, 0, run ? FAST_ZRL : FAST_EOB, len);
        for (int j = 0; j < span; ++j) t->Fast[first + j] = e;
        continue;
      }
      if (size > 15 || len + size > FAST_BITS) continue;
      for (int j = 0; j < span; ++j) {
        int32_t value = 0;
        if (size) {
          const int bits = (first + j) >> (FAST_BITS - len - size) & ((1 << size) - 1);
          value = bits < (1 << (size - 1)) ? bits - (1 << size) + 1 : bits;
        }
        t->Fast[first + j] = fast_entry(value, run, FAST_VALUE, len + size);
      }
    }
    code <<= 1;
  }
}

int jpeg_build_huffman(JpegHuffTable* t, int ac) {
  std::memset(t->Lookup, 0, sizeof(t->Lookup));
  int32_t code = 0;
  int index = 0;
  int valid = 1;
  for (int len = 1; len <= 16; ++len) {
    const int n = t->Counts[len];
    t->ValOffset[len] = index - code;
    if (n) {
      if (code + n > (1 << len)) {
        valid = 0;  // more codes than the length can hold
        t->MaxCode[len] = -1;
      } else {
        for (int i = 0; i < n; ++i) {
          if (len <= 8) {
            const int first = (code + i) << (8 - len);
            const uint16_t entry = static_cast<uint16_t>((len << 8) | t->Symbols[index + i]);
            for (int j = 0; j < (1 << (8 - len)); ++j) t->Lookup[first + j] = entry;
          }
        }
        t->MaxCode[len] = code + n - 1;
      }
    } else {
      t->MaxCode[len] = -1;
    }
    index += n;
    code = (code + n) << 1;
  }
  t->MaxCode[17] = 0x7FFFFFFF;
  build_fast(t, ac);
  return valid;
}

void jpeg_reset_bits(JpegDecoder* d) {
  d->Bits = 0;
  d->NumBits = 0;
  d->MarkerHit = 0;
  d->PadBits = 0;
}

// Byte by byte through stuffed bytes and markers. A marker stops the input: it is pushed
// back for the marker reader and zero bits are delivered instead.
static __attribute__((noinline)) void fill_bits_bytewise(JpegDecoder* d) {
  while (d->NumBits <= 56) {
    int b = 0;
    if (!d->MarkerHit) {
      if (d->ChunkLeft >= 2 && !d->NumPushBack && d->pChunk[0] != 0xFF) {
        b = *d->pChunk++;
        --d->ChunkLeft;
      } else {
        b = jpeg_get_byte(d);
        if (b < 0) {
          d->Error = JPEG_ETRUNCATED;
          d->MarkerHit = 1;
          b = 0;
        } else if (b == 0xFF) {
          int c;
          do c = jpeg_get_byte(d);
          while (c == 0xFF);
          if (c == 0) {
            b = 0xFF;
          } else {
            if (c < 0)
              d->Error = JPEG_ETRUNCATED;
            else
              jpeg_push_back(d, 0xFF, static_cast<uint8_t>(c));
            d->MarkerHit = 1;
            b = 0;
          }
        }
      }
    }
    d->Bits |= static_cast<uint64_t>(b) << (56 - d->NumBits);
    d->NumBits += 8;
    if (d->MarkerHit) d->PadBits += 8;
  }
}

// Tops the bit buffer up to at least 57 bits. Common case: the next 8 bytes of the chunk
// hold no 0xFF, so whole bytes go in at once.
static inline void fill_bits(JpegDecoder* d) {
  if (!d->MarkerHit && !d->NumPushBack && d->ChunkLeft >= 8 && d->NumBits <= 56) {
    uint64_t word;
    std::memcpy(&word, d->pChunk, 8);
    // A byte is 0xFF exactly when its complement is zero.
    const uint64_t inv = ~word;
    if (!((inv - 0x0101010101010101ull) & ~inv & 0x8080808080808080ull)) {
      const int take = (64 - d->NumBits) >> 3;
      const uint64_t be = __builtin_bswap64(word);
      d->Bits |= (take == 8 ? be : be >> (64 - 8 * take)) << (64 - d->NumBits - 8 * take);
      d->NumBits += 8 * take;
      d->pChunk += take;
      d->ChunkLeft -= take;
      return;
    }
  }
  fill_bits_bytewise(d);
}

static inline uint32_t get_bits(JpegDecoder* d, int n) {
  if (!n) return 0;
  if (d->NumBits < n) fill_bits(d);
  const uint32_t v = static_cast<uint32_t>(d->Bits >> (64 - n));
  d->Bits <<= n;
  d->NumBits -= n;
  return v;
}

static inline int get_bit(JpegDecoder* d) { return static_cast<int>(get_bits(d, 1)); }

// Value of an s-bit magnitude category (T.81 F.2.2.1 EXTEND).
static inline int32_t extend(uint32_t v, int s) {
  return v < (1u << (s - 1)) ? static_cast<int32_t>(v) - (1 << s) + 1 : static_cast<int32_t>(v);
}

static inline int decode_symbol(JpegDecoder* d, const JpegHuffTable* t) {
  if (d->NumBits < 16) fill_bits(d);
  const uint16_t e = t->Lookup[d->Bits >> 56];
  if (e) {
    const int len = e >> 8;
    d->Bits <<= len;
    d->NumBits -= len;
    return e & 0xFF;
  }
  // Longer code: extend one bit at a time past the 8-bit prefix.
  int32_t code = static_cast<int32_t>(d->Bits >> 56);
  int len = 8;
  d->Bits <<= 8;
  d->NumBits -= 8;
  while (len < 16) {
    ++len;
    code = (code << 1) | get_bit(d);
    if (t->MaxCode[len] >= 0 && code <= t->MaxCode[len]) return t->Symbols[(t->ValOffset[len] + code) & 0xFF];
  }
  return 0;  // no such code: damaged data, decoded as a zero symbol
}

static inline int dc_category(int s) { return s > 15 ? 15 : s; }

// Sequential blocks keep the bit buffer in locals; the slower paths work on the decoder.
struct LocalBits {
  uint64_t Bits;
  int NumBits;
  explicit LocalBits(const JpegDecoder* d) : Bits(d->Bits), NumBits(d->NumBits) {}
  void store(JpegDecoder* d) const {
    d->Bits = Bits;
    d->NumBits = NumBits;
  }
  void load(const JpegDecoder* d) {
    Bits = d->Bits;
    NumBits = d->NumBits;
  }
  void skip(int n) {
    Bits <<= n;
    NumBits -= n;
  }
};

static inline void ensure_bits(JpegDecoder* d, LocalBits* b) {
  if (b->NumBits >= 16) return;
  b->store(d);
  fill_bits(d);
  b->load(d);
}

int jpeg_decode_block(JpegDecoder* d, JpegComponent* c, int16_t* coefs) {
  const JpegHuffTable* dc = &d->Huff[c->Td];
  const JpegHuffTable* ac = &d->Huff[c->Ta];
  LocalBits b(d);
  ensure_bits(d, &b);
  int32_t e = dc->Fast[b.Bits >> (64 - FAST_BITS)];
  int32_t diff;
  if (e) {
    b.skip(e & FAST_USED);
    diff = e >> 16;
  } else {
    b.store(d);
    const int s = dc_category(decode_symbol(d, dc));
    diff = s ? extend(get_bits(d, s), s) : 0;
    b.load(d);
  }
  c->DcPred = static_cast<int32_t>(static_cast<uint32_t>(c->DcPred) + static_cast<uint32_t>(diff));
  coefs[0] = static_cast<int16_t>(c->DcPred);
  int last = 0;
  for (int k = 1; k < 64; ++k) {
    ensure_bits(d, &b);
    e = ac->Fast[b.Bits >> (64 - FAST_BITS)];
    if (e & FAST_VALUE) {
      b.skip(e & FAST_USED);
      k += (e >> 8) & 15;
      last = k;
      coefs[JPEG_ZigZag[k]] = static_cast<int16_t>(e >> 16);
      continue;
    }
    if (e & FAST_EOB) {
      b.skip(e & FAST_USED);
      break;
    }
    if (e & FAST_ZRL) {
      b.skip(e & FAST_USED);
      k += 15;
      continue;
    }
    b.store(d);
    const int rs = decode_symbol(d, ac);
    const int r = rs >> 4;
    const int s = rs & 15;
    if (s) {
      k += r;
      last = k;
      coefs[JPEG_ZigZag[k]] = static_cast<int16_t>(extend(get_bits(d, s), s));
    }
    b.load(d);
    if (!s) {
      if (r != 15) break;
      k += 15;
    }
  }
  b.store(d);
  return last < 63 ? last : 63;
}

void jpeg_decode_dc_first(JpegDecoder* d, JpegComponent* c, int16_t* coefs) {
  const int s = dc_category(decode_symbol(d, &d->Huff[c->Td]));
  if (s) c->DcPred = static_cast<int32_t>(static_cast<uint32_t>(c->DcPred) + static_cast<uint32_t>(extend(get_bits(d, s), s)));
  coefs[0] = static_cast<int16_t>(static_cast<uint32_t>(c->DcPred) << d->Al);
}

void jpeg_decode_dc_refine(JpegDecoder* d, int16_t* coefs) {
  if (get_bit(d)) coefs[0] = static_cast<int16_t>(coefs[0] | (1 << d->Al));
}

void jpeg_decode_ac_first(JpegDecoder* d, JpegComponent* c, int16_t* coefs) {
  if (d->EobRun) {
    --d->EobRun;
    return;
  }
  const JpegHuffTable* ac = &d->Huff[c->Ta];
  for (int k = d->Ss; k <= d->Se; ++k) {
    const int rs = decode_symbol(d, ac);
    int r = rs >> 4;
    const int s = rs & 15;
    if (s) {
      k += r;
      coefs[JPEG_ZigZag[k]] = static_cast<int16_t>(static_cast<uint32_t>(extend(get_bits(d, s), s)) << d->Al);
    } else if (r == 15) {
      k += 15;
    } else {
      d->EobRun = 1u << r;
      if (r) d->EobRun += get_bits(d, r);
      --d->EobRun;
      break;
    }
  }
}

// Correction bit for a coefficient that is already non-zero (G.1.2.3).
static inline void refine(JpegDecoder* d, int16_t* coef, int p1) {
  if (get_bit(d) && (*coef & p1) == 0) *coef = static_cast<int16_t>(*coef >= 0 ? *coef + p1 : *coef - p1);
}

void jpeg_decode_ac_refine(JpegDecoder* d, JpegComponent* c, int16_t* coefs) {
  const int p1 = 1 << d->Al;
  const JpegHuffTable* ac = &d->Huff[c->Ta];
  int k = d->Ss;
  if (!d->EobRun) {
    for (; k <= d->Se; ++k) {
      const int rs = decode_symbol(d, ac);
      int r = rs >> 4;
      int s = rs & 15;
      if (s) {
        s = get_bit(d) ? p1 : -p1;
      } else if (r != 15) {
        d->EobRun = 1u << r;
        if (r) d->EobRun += get_bits(d, r);
        break;
      }
      do {
        int16_t* coef = &coefs[JPEG_ZigZag[k]];
        if (*coef) {
          refine(d, coef, p1);
        } else {
          if (--r < 0) break;
        }
        ++k;
      } while (k <= d->Se);
      if (s) coefs[JPEG_ZigZag[k]] = static_cast<int16_t>(s);
    }
  }
  if (d->EobRun) {
    for (; k <= d->Se; ++k) {
      int16_t* coef = &coefs[JPEG_ZigZag[k]];
      if (*coef) refine(d, coef, p1);
    }
    --d->EobRun;
  }
}
