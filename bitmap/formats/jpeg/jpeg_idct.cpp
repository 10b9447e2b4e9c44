// Accurate integer inverse DCT (the Loeffler-Ligtenberg-Moschytz method with 13-bit
// constants of the Independent JPEG Group's reference decoder): columns first with
// 2 extra bits of precision, then rows, so the samples match that decoder exactly.
// Built with wrapping arithmetic: coefficients of damaged files may overflow, valid
// ones never do.
#include <bit>
#include <cstring>

#include "bitmap/formats/jpeg/jpeg_internal.h"

namespace {

enum { CONST_BITS = 13, PASS1_BITS = 2 };
const int32_t FIX_0_298631336 = 2446;
const int32_t FIX_0_390180644 = 3196;
const int32_t FIX_0_541196100 = 4433;
const int32_t FIX_0_765366865 = 6270;
const int32_t FIX_0_899976223 = 7373;
const int32_t FIX_1_175875602 = 9633;
const int32_t FIX_1_501321110 = 12299;
const int32_t FIX_1_847759065 = 15137;
const int32_t FIX_1_961570560 = 16069;
const int32_t FIX_2_053119869 = 16819;
const int32_t FIX_2_562915447 = 20995;
const int32_t FIX_3_072711026 = 25172;

inline int32_t descale(int32_t x, int n) { return (x + (1 << (n - 1))) >> n; }

inline uint8_t clamp_sample(int32_t v) {
  v += 128;
  return static_cast<uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v);
}

}  // namespace

typedef int32_t Lanes __attribute__((vector_size(32)));  // one value of 8 columns or rows
typedef int16_t Lanes16 __attribute__((vector_size(16)));
typedef uint16_t LanesU16 __attribute__((vector_size(16)));
typedef uint8_t Bytes32 __attribute__((vector_size(32)));
typedef uint8_t Bytes16 __attribute__((vector_size(16)));

static_assert(std::endian::native == std::endian::little, "samples are taken from the low byte of each lane");

// 8 x 8 transpose: out[x][r] = in[r][x].
static inline __attribute__((always_inline)) void transpose(const Lanes* in, Lanes* out) {
  Lanes t[8], u[8];
  for (int i = 0; i < 4; ++i) {
    t[2 * i] = __builtin_shufflevector(in[2 * i], in[2 * i + 1], 0, 8, 1, 9, 4, 12, 5, 13);
    t[2 * i + 1] = __builtin_shufflevector(in[2 * i], in[2 * i + 1], 2, 10, 3, 11, 6, 14, 7, 15);
  }
  for (int h = 0; h < 8; h += 4)
    for (int i = 0; i < 2; ++i) {
      u[h + 2 * i] = __builtin_shufflevector(t[h + i], t[h + i + 2], 0, 1, 8, 9, 4, 5, 12, 13);
      u[h + 2 * i + 1] = __builtin_shufflevector(t[h + i], t[h + i + 2], 2, 3, 10, 11, 6, 7, 14, 15);
    }
  for (int i = 0; i < 4; ++i) {
    out[i] = __builtin_shufflevector(u[i], u[i + 4], 0, 1, 2, 3, 8, 9, 10, 11);
    out[i + 4] = __builtin_shufflevector(u[i], u[i + 4], 4, 5, 6, 7, 12, 13, 14, 15);
  }
}

// One 8-point inverse transform on 8 lanes at once (the even and odd parts of the
// reference decoder); v[k] holds input k of every lane. UpperZero: inputs 4-7 are zero
// in every lane and are not read.
template <bool UpperZero>
static inline __attribute__((always_inline)) void idct8(const Lanes* v, Lanes* out, int shift) {
  const Lanes round = Lanes{} + (1 << (shift - 1));
  const Lanes v4 = UpperZero ? Lanes{} : v[4], v5 = UpperZero ? Lanes{} : v[5];
  const Lanes v6 = UpperZero ? Lanes{} : v[6], v7 = UpperZero ? Lanes{} : v[7];
  Lanes z2 = v[2], z3 = v6;
  Lanes z1 = (z2 + z3) * FIX_0_541196100;
  Lanes tmp2 = z1 + z3 * (-FIX_1_847759065);
  Lanes tmp3 = z1 + z2 * FIX_0_765366865;
  Lanes tmp0 = (v[0] + v4) * (1 << CONST_BITS);
  Lanes tmp1 = (v[0] - v4) * (1 << CONST_BITS);
  const Lanes tmp10 = tmp0 + tmp3, tmp13 = tmp0 - tmp3;
  const Lanes tmp11 = tmp1 + tmp2, tmp12 = tmp1 - tmp2;

  tmp0 = v7;
  tmp1 = v5;
  tmp2 = v[3];
  tmp3 = v[1];
  z1 = tmp0 + tmp3;
  z2 = tmp1 + tmp2;
  z3 = tmp0 + tmp2;
  Lanes z4 = tmp1 + tmp3;
  const Lanes z5 = (z3 + z4) * FIX_1_175875602;
  tmp0 = tmp0 * FIX_0_298631336;
  tmp1 = tmp1 * FIX_2_053119869;
  tmp2 = tmp2 * FIX_3_072711026;
  tmp3 = tmp3 * FIX_1_501321110;
  z1 = z1 * (-FIX_0_899976223);
  z2 = z2 * (-FIX_2_562915447);
  z3 = z3 * (-FIX_1_961570560) + z5;
  z4 = z4 * (-FIX_0_390180644) + z5;
  tmp0 += z1 + z3;
  tmp1 += z2 + z4;
  tmp2 += z2 + z3;
  tmp3 += z1 + z4;

  out[0] = (tmp10 + tmp3 + round) >> shift;
  out[7] = (tmp10 - tmp3 + round) >> shift;
  out[1] = (tmp11 + tmp2 + round) >> shift;
  out[6] = (tmp11 - tmp2 + round) >> shift;
  out[2] = (tmp12 + tmp1 + round) >> shift;
  out[5] = (tmp12 - tmp1 + round) >> shift;
  out[3] = (tmp13 + tmp0 + round) >> shift;
  out[4] = (tmp13 - tmp0 + round) >> shift;
}

static inline __attribute__((always_inline)) void idct_block(const int16_t* in, const uint16_t* q, int lastK,
                                                              uint8_t* out, size_t stride) {
  if (lastK == 0) {
    // Only the DC term: both passes reduce to a rounding shift.
    const int32_t dc = static_cast<int32_t>(in[0]) * q[0];
    const uint8_t v = clamp_sample(descale(dc << PASS1_BITS, PASS1_BITS + 3));
    for (int y = 0; y < 8; ++y, out += stride) std::memset(out, v, 8);
    return;
  }
  // Pass 1: the 8 columns side by side; row k of the block is input k.
  Lanes16 c[8];
  for (int k = 0; k < 8; ++k) std::memcpy(&c[k], in + 8 * k, sizeof(c[k]));
  // Rows 4-7 or columns 4-7 that are all zero (common at higher compression) drop out.
  const Lanes16 lowerRows = c[4] | c[5] | c[6] | c[7];
  const Lanes16 all = c[0] | c[1] | c[2] | c[3] | lowerRows;
  uint64_t lowerBits[2], allBits[2];
  std::memcpy(lowerBits, &lowerRows, sizeof(lowerBits));
  std::memcpy(allBits, &all, sizeof(allBits));
  const bool rowsZero = !(lowerBits[0] | lowerBits[1]);
  const bool colsZero = !allBits[1];
  Lanes rows[8], pass1[8];
  for (int k = 0; k < (rowsZero ? 4 : 8); ++k) {
    LanesU16 m;
    std::memcpy(&m, q + 8 * k, sizeof(m));
    rows[k] = __builtin_convertvector(c[k], Lanes) * __builtin_convertvector(m, Lanes);
  }
  if (rowsZero)
    idct8<true>(rows, pass1, CONST_BITS - PASS1_BITS);
  else
    idct8<false>(rows, pass1, CONST_BITS - PASS1_BITS);
  // Pass 2 runs the 8 rows side by side.
  Lanes cols[8], result[8];
  transpose(pass1, cols);
  const int n = CONST_BITS + PASS1_BITS + 3;
  if (colsZero)
    idct8<true>(cols, result, n);
  else
    idct8<false>(cols, result, n);
  Lanes samples[8];
  transpose(result, samples);
  for (int r = 0; r < 8; r += 2) {
    Lanes v0 = samples[r] + 128, v1 = samples[r + 1] + 128;
    v0 = v0 < 0 ? 0 : v0 > 255 ? 255 : v0;
    v1 = v1 < 0 ? 0 : v1 > 255 ? 255 : v1;
    // The low byte of every lane (little-endian), two rows at once.
    Bytes32 b0, b1;
    std::memcpy(&b0, &v0, sizeof(b0));
    std::memcpy(&b1, &v1, sizeof(b1));
    const Bytes16 two = __builtin_shufflevector(b0, b1, 0, 4, 8, 12, 16, 20, 24, 28, 32, 36, 40, 44, 48, 52, 56, 60);
    std::memcpy(out + r * stride, &two, 8);
    std::memcpy(out + (r + 1) * stride, reinterpret_cast<const uint8_t*>(&two) + 8, 8);
  }
}

static void idct_generic(const int16_t* in, const uint16_t* q, int lastK, uint8_t* out, size_t stride) {
  idct_block(in, q, lastK, out, stride);
}

#if defined(__x86_64__)
// Built twice on x86-64: for AVX2 where the processor has it, and generic; both give the
// same values.
__attribute__((target("avx2"))) static void idct_avx2(const int16_t* in, const uint16_t* q, int lastK, uint8_t* out,
                                                      size_t stride) {
  idct_block(in, q, lastK, out, stride);
}

int jpeg_use_avx2 = __builtin_cpu_supports("avx2");

void jpeg_idct_islow(const int16_t* in, const uint16_t* q, int lastK, uint8_t* out, size_t stride) {
  (jpeg_use_avx2 ? idct_avx2 : idct_generic)(in, q, lastK, out, stride);
}
#else
// Other architectures: the generic build, vectorised for the target by the compiler.
int jpeg_use_avx2 = 0;

void jpeg_idct_islow(const int16_t* in, const uint16_t* q, int lastK, uint8_t* out, size_t stride) {
  idct_generic(in, q, lastK, out, stride);
}
#endif
