// Accurate integer inverse DCT (the Loeffler-Ligtenberg-Moschytz method with 13-bit
// constants of the Independent JPEG Group's reference decoder): columns first with
// 2 extra bits of precision, then rows, so the samples match that decoder exactly.
// Built with wrapping arithmetic: coefficients of damaged files may overflow, valid
// ones never do.
#include <cstring>

#include "bitmap/image/jpeg_internal.h"

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

void jpeg_idct_islow(const int16_t* in, const uint16_t* q, int lastK, uint8_t* out, size_t stride) {
  if (lastK == 0) {
    // Only the DC term: both passes reduce to a rounding shift.
    const int32_t dc = static_cast<int32_t>(in[0]) * q[0];
    const uint8_t v = clamp_sample(descale(dc << PASS1_BITS, PASS1_BITS + 3));
    for (int y = 0; y < 8; ++y, out += stride) std::memset(out, v, 8);
    return;
  }
  int32_t ws[64];
  // Pass 1: columns, results scaled up by 2^PASS1_BITS.
  for (int x = 0; x < 8; ++x) {
    const int16_t* c = in + x;
    const uint16_t* qc = q + x;
    int32_t* w = ws + x;
    if (!c[8] && !c[16] && !c[24] && !c[32] && !c[40] && !c[48] && !c[56]) {
      const int32_t dc = (static_cast<int32_t>(c[0]) * qc[0]) << PASS1_BITS;
      for (int k = 0; k < 8; ++k) w[8 * k] = dc;
      continue;
    }
    int32_t z2 = c[16] * qc[16];
    int32_t z3 = c[48] * qc[48];
    int32_t z1 = (z2 + z3) * FIX_0_541196100;
    int32_t tmp2 = z1 + z3 * (-FIX_1_847759065);
    int32_t tmp3 = z1 + z2 * FIX_0_765366865;
    z2 = c[0] * qc[0];
    z3 = c[32] * qc[32];
    int32_t tmp0 = (z2 + z3) * (1 << CONST_BITS);
    int32_t tmp1 = (z2 - z3) * (1 << CONST_BITS);
    const int32_t tmp10 = tmp0 + tmp3, tmp13 = tmp0 - tmp3;
    const int32_t tmp11 = tmp1 + tmp2, tmp12 = tmp1 - tmp2;

    tmp0 = c[56] * qc[56];
    tmp1 = c[40] * qc[40];
    tmp2 = c[24] * qc[24];
    tmp3 = c[8] * qc[8];
    z1 = tmp0 + tmp3;
    z2 = tmp1 + tmp2;
    z3 = tmp0 + tmp2;
    int32_t z4 = tmp1 + tmp3;
    const int32_t z5 = (z3 + z4) * FIX_1_175875602;
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

    const int n = CONST_BITS - PASS1_BITS;
    w[0] = descale(tmp10 + tmp3, n);
    w[56] = descale(tmp10 - tmp3, n);
    w[8] = descale(tmp11 + tmp2, n);
    w[48] = descale(tmp11 - tmp2, n);
    w[16] = descale(tmp12 + tmp1, n);
    w[40] = descale(tmp12 - tmp1, n);
    w[24] = descale(tmp13 + tmp0, n);
    w[32] = descale(tmp13 - tmp0, n);
  }
  // Pass 2: rows, removing the PASS1_BITS and the factor 8 of the transform.
  for (int y = 0; y < 8; ++y, out += stride) {
    const int32_t* w = ws + 8 * y;
    if (!w[1] && !w[2] && !w[3] && !w[4] && !w[5] && !w[6] && !w[7]) {
      std::memset(out, clamp_sample(descale(w[0], PASS1_BITS + 3)), 8);
      continue;
    }
    int32_t z2 = w[2], z3 = w[6];
    int32_t z1 = (z2 + z3) * FIX_0_541196100;
    int32_t tmp2 = z1 + z3 * (-FIX_1_847759065);
    int32_t tmp3 = z1 + z2 * FIX_0_765366865;
    int32_t tmp0 = (w[0] + w[4]) * (1 << CONST_BITS);
    int32_t tmp1 = (w[0] - w[4]) * (1 << CONST_BITS);
    const int32_t tmp10 = tmp0 + tmp3, tmp13 = tmp0 - tmp3;
    const int32_t tmp11 = tmp1 + tmp2, tmp12 = tmp1 - tmp2;

    tmp0 = w[7];
    tmp1 = w[5];
    tmp2 = w[3];
    tmp3 = w[1];
    z1 = tmp0 + tmp3;
    z2 = tmp1 + tmp2;
    z3 = tmp0 + tmp2;
    int32_t z4 = tmp1 + tmp3;
    const int32_t z5 = (z3 + z4) * FIX_1_175875602;
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

    const int n = CONST_BITS + PASS1_BITS + 3;
    out[0] = clamp_sample(descale(tmp10 + tmp3, n));
    out[7] = clamp_sample(descale(tmp10 - tmp3, n));
    out[1] = clamp_sample(descale(tmp11 + tmp2, n));
    out[6] = clamp_sample(descale(tmp11 - tmp2, n));
    out[2] = clamp_sample(descale(tmp12 + tmp1, n));
    out[5] = clamp_sample(descale(tmp12 - tmp1, n));
    out[3] = clamp_sample(descale(tmp13 + tmp0, n));
    out[4] = clamp_sample(descale(tmp13 - tmp0, n));
  }
}
