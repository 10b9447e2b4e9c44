// Colour formats of the graphics library: pure integer conversions between
// ColorValue and the formats' indices, exact to the library's own rounding.
#include "colour/colour_format.h"

#include <array>

namespace {

constexpr std::array<uint8_t, 256> make_q5() {
  std::array<uint8_t, 256> t{};
  for (unsigned c = 0; c < 256; ++c) t[c] = static_cast<uint8_t>((31 * c + 128) / 255);
  return t;
}
constexpr std::array<uint8_t, 256> make_q6() {
  std::array<uint8_t, 256> t{};
  for (unsigned c = 0; c < 256; ++c) t[c] = static_cast<uint8_t>((63 * c + 127) / 255);
  return t;
}
constexpr std::array<uint8_t, 64> make_e6() {
  std::array<uint8_t, 64> t{};
  for (unsigned v = 0; v < 64; ++v) t[v] = static_cast<uint8_t>((255 * v + 31) / 63);
  return t;
}

}  // namespace

const std::array<uint8_t, 256> COLOR_aQ5 = make_q5();
const std::array<uint8_t, 256> COLOR_aQ6 = make_q6();
const std::array<uint8_t, 64> COLOR_aE6 = make_e6();
// 255 * v / 31 rounded to nearest, except code 11, which gives 91.
const std::array<uint8_t, 32> COLOR_aE5 = {0,   8,   16,  25,  33,  41,  49,  58,  66,  74,  82,
                                           91,  99,  107, 115, 123, 132, 140, 148, 156, 165, 173,
                                           181, 189, 197, 206, 214, 222, 230, 239, 247, 255};

namespace {

inline unsigned R(ColorValue c) { return c & 0xFF; }
inline unsigned G(ColorValue c) { return (c >> 8) & 0xFF; }
inline unsigned B(ColorValue c) { return (c >> 16) & 0xFF; }
inline ColorValue rgb(unsigned r, unsigned g, unsigned b) { return r | (g << 8) | (b << 16); }

inline unsigned code2(unsigned c) { return (c + 42) / 85; }
inline unsigned code3(unsigned c) { return (7 * c + 127) / 255; }
inline unsigned code4(unsigned c) { return (c + 8) / 17; }
inline unsigned exp2(unsigned v) { return 85 * v; }
inline unsigned exp3(unsigned v) { return 255 * v / 7; }
inline unsigned exp4(unsigned v) { return 17 * v; }
// Exchanges red and blue of a colour.
inline ColorValue swap_rb(ColorValue c) { return rgb(B(c), G(c), R(c)); }

// BW
uint32_t bw_c2i(ColorValue c) { return (R(c) + G(c) + B(c) + 383) / 765; }
ColorValue bw_i2c(uint32_t i) { return i ? 0xFFFFFF : 0; }
uint32_t mask_1() { return 1; }
// Gray4
uint32_t g4_c2i(ColorValue c) { return (R(c) + G(c) + B(c) + 127) / 255; }
ColorValue g4_i2c(uint32_t i) { return i * 0x555555u; }
uint32_t mask_3() { return 3; }
// Gray16
uint32_t g16_c2i(ColorValue c) { return ((R(c) >> 4) + (G(c) >> 4) + (B(c) >> 4) + 1) / 3; }
ColorValue g16_i2c(uint32_t i) { return i * 0x111111u; }
uint32_t mask_15() { return 15; }
// Gray64
uint32_t g64_c2i(ColorValue c) { return (R(c) + G(c) + B(c)) * 63 / 765; }
ColorValue g64_i2c(uint32_t i) {
  unsigned l = i * 255 / 63;
  return rgb(l, l, l);
}
uint32_t mask_63() { return 63; }
// Gray256
uint32_t g256_c2i(ColorValue c) { return (R(c) + G(c) + B(c)) / 3; }
ColorValue g256_i2c(uint32_t i) { return rgb(i, i, i); }
uint32_t mask_255() { return 255; }
// 111
uint32_t c111_c2i(ColorValue c) {
  return (R(c) >= 128 ? 1u : 0u) | (G(c) >= 128 ? 2u : 0u) | (B(c) >= 128 ? 4u : 0u);
}
ColorValue c111_i2c(uint32_t i) {
  return rgb((i & 1) ? 255 : 0, (i & 2) ? 255 : 0, (i & 4) ? 255 : 0);
}
uint32_t mask_7() { return 7; }
// 222
uint32_t c222_c2i(ColorValue c) { return code2(R(c)) | (code2(G(c)) << 2) | (code2(B(c)) << 4); }
ColorValue c222_i2c(uint32_t i) {
  return rgb(exp2(i & 3), exp2((i >> 2) & 3), exp2((i >> 4) & 3));
}
// 233: r 3 bits (0-2), g 3 bits (3-5), b 2 bits (6-7)
uint32_t c233_c2i(ColorValue c) { return code3(R(c)) | (code3(G(c)) << 3) | (code2(B(c)) << 6); }
ColorValue c233_i2c(uint32_t i) {
  return rgb(exp3(i & 7), exp3((i >> 3) & 7), exp2((i >> 6) & 3));
}
// 323: r 3 bits (0-2), g 2 bits (3-4), b 3 bits (5-7)
uint32_t c323_c2i(ColorValue c) { return code3(R(c)) | (code2(G(c)) << 3) | (code3(B(c)) << 5); }
ColorValue c323_i2c(uint32_t i) {
  return rgb(exp3(i & 7), exp2((i >> 3) & 3), exp3((i >> 5) & 7));
}
// 332: r 2 bits (0-1), g 3 bits (2-4), b 3 bits (5-7)
uint32_t c332_c2i(ColorValue c) { return code2(R(c)) | (code3(G(c)) << 2) | (code3(B(c)) << 5); }
ColorValue c332_i2c(uint32_t i) {
  return rgb(exp2(i & 3), exp3((i >> 2) & 7), exp3((i >> 5) & 7));
}
// 8666: 216-colour cube at 0-107 and 148-255, 16 greys at 120-135.
uint32_t c8666_c2i(ColorValue c) {
  unsigned r = R(c), g = G(c), b = B(c);
  if (r == g && g == b) return (r + 8) / 17 + 120;
  unsigned i = 36 * ((5 * b + 127) / 255) + 6 * ((5 * g + 127) / 255) + (5 * r + 127) / 255;
  return i >= 108 ? i + 40 : i;
}
ColorValue c8666_i2c(uint32_t i) {
  if (i >= 120 && i <= 135) return (i - 120) * 0x111111u;
  if (i >= 108 && i < 148) return 0;
  if (i >= 148) i -= 40;
  return rgb(51 * (i % 6), 51 * ((i / 6) % 6), 51 * (i / 36));
}
// 444_12: r bits 0-3, g 4-7, b 8-11
uint32_t c444_12_c2i(ColorValue c) {
  return code4(R(c)) | (code4(G(c)) << 4) | (code4(B(c)) << 8);
}
ColorValue c444_12_i2c(uint32_t i) {
  return rgb(exp4(i & 15), exp4((i >> 4) & 15), exp4((i >> 8) & 15));
}
uint32_t mask_4095() { return 4095; }
// 555
uint32_t c555_c2i(ColorValue c) { return COLOR_aQ5[R(c)] | (COLOR_aQ5[G(c)] << 5) | (COLOR_aQ5[B(c)] << 10); }
ColorValue c555_i2c(uint32_t i) {
  return rgb(COLOR_aE5[i & 31], COLOR_aE5[(i >> 5) & 31], COLOR_aE5[(i >> 10) & 31]);
}
uint32_t mask_7fff() { return 0x7FFF; }
// 565
uint32_t c565_c2i(ColorValue c) { return COLOR_Index565(c); }
ColorValue c565_i2c(uint32_t i) {
  return rgb(COLOR_aE5[i & 31], COLOR_aE6[(i >> 5) & 63], COLOR_aE5[(i >> 11) & 31]);
}
uint32_t mask_ffff() { return 0xFFFF; }
// RGB
uint32_t rgb_c2i(ColorValue c) { return c & 0xFFFFFF; }
ColorValue rgb_i2c(uint32_t i) { return i & 0xFFFFFF; }
uint32_t mask_ffffff() { return 0xFFFFFF; }
// 444_12_1: the 444_12 index shifted left by 4
uint32_t c444_12_1_c2i(ColorValue c) { return c444_12_c2i(c) << 4; }
ColorValue c444_12_1_i2c(uint32_t i) { return c444_12_i2c((i >> 4) & 0xFFF); }
uint32_t mask_fff0() { return 0xFFF0; }
// 444_16: r bits 1-4, g 6-9, b 11-14
uint32_t c444_16_c2i(ColorValue c) {
  return (code4(R(c)) << 1) | (code4(G(c)) << 6) | (code4(B(c)) << 11);
}
ColorValue c444_16_i2c(uint32_t i) {
  return rgb(exp4((i >> 1) & 15), exp4((i >> 6) & 15), exp4((i >> 11) & 15));
}
uint32_t mask_7bde() { return 0x7BDE; }
// Mirrored (red and blue exchanged) variants.
uint32_t m444_12_c2i(ColorValue c) { return c444_12_c2i(swap_rb(c)); }
ColorValue m444_12_i2c(uint32_t i) { return swap_rb(c444_12_i2c(i)); }
uint32_t m444_12_1_c2i(ColorValue c) { return c444_12_1_c2i(swap_rb(c)); }
ColorValue m444_12_1_i2c(uint32_t i) { return swap_rb(c444_12_1_i2c(i)); }
uint32_t m444_16_c2i(ColorValue c) { return c444_16_c2i(swap_rb(c)); }
ColorValue m444_16_i2c(uint32_t i) { return swap_rb(c444_16_i2c(i)); }
uint32_t m555_c2i(ColorValue c) { return c555_c2i(swap_rb(c)); }
ColorValue m555_i2c(uint32_t i) { return swap_rb(c555_i2c(i)); }
uint32_t m565_c2i(ColorValue c) { return COLOR_IndexM565(c); }
ColorValue m565_i2c(uint32_t i) { return swap_rb(c565_i2c(i)); }

}  // namespace


const ColorFormat COLOR_FORMAT_BW = {bw_c2i, bw_i2c, mask_1};
const ColorFormat COLOR_FORMAT_GRAY4 = {g4_c2i, g4_i2c, mask_3};
const ColorFormat COLOR_FORMAT_GRAY16 = {g16_c2i, g16_i2c, mask_15};
const ColorFormat COLOR_FORMAT_GRAY64 = {g64_c2i, g64_i2c, mask_63};
const ColorFormat COLOR_FORMAT_GRAY256 = {g256_c2i, g256_i2c, mask_255};
const ColorFormat COLOR_FORMAT_111 = {c111_c2i, c111_i2c, mask_7};
const ColorFormat COLOR_FORMAT_222 = {c222_c2i, c222_i2c, mask_63};
const ColorFormat COLOR_FORMAT_233 = {c233_c2i, c233_i2c, mask_255};
const ColorFormat COLOR_FORMAT_323 = {c323_c2i, c323_i2c, mask_255};
const ColorFormat COLOR_FORMAT_332 = {c332_c2i, c332_i2c, mask_255};
const ColorFormat COLOR_FORMAT_8666 = {c8666_c2i, c8666_i2c, mask_255};
const ColorFormat COLOR_FORMAT_444_12 = {c444_12_c2i, c444_12_i2c, mask_4095};
const ColorFormat COLOR_FORMAT_555 = {c555_c2i, c555_i2c, mask_7fff};
const ColorFormat COLOR_FORMAT_565 = {c565_c2i, c565_i2c, mask_ffff};
const ColorFormat COLOR_FORMAT_RGB = {rgb_c2i, rgb_i2c, mask_ffffff};
const ColorFormat COLOR_FORMAT_444_12_1 = {c444_12_1_c2i, c444_12_1_i2c, mask_fff0};
const ColorFormat COLOR_FORMAT_444_16 = {c444_16_c2i, c444_16_i2c, mask_7bde};
const ColorFormat COLOR_FORMAT_M444_12 = {m444_12_c2i, m444_12_i2c, mask_4095};
const ColorFormat COLOR_FORMAT_M444_12_1 = {m444_12_1_c2i, m444_12_1_i2c, mask_fff0};
const ColorFormat COLOR_FORMAT_M444_16 = {m444_16_c2i, m444_16_i2c, mask_7bde};
const ColorFormat COLOR_FORMAT_M555 = {m555_c2i, m555_i2c, mask_7fff};
const ColorFormat COLOR_FORMAT_M565 = {m565_c2i, m565_i2c, mask_ffff};
