// Little-endian loads and stores for the binary headers the image core reads and writes.
#pragma once

#include <cstdint>

inline uint32_t IMAGE_LoadU16(const uint8_t* p) { return p[0] | (p[1] << 8); }
inline uint32_t IMAGE_LoadU32(const uint8_t* p) {
  return IMAGE_LoadU16(p) | (IMAGE_LoadU16(p + 2) << 16);
}
inline void IMAGE_StoreU16(uint8_t* p, uint32_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
}
inline void IMAGE_StoreU32(uint8_t* p, uint32_t v) {
  IMAGE_StoreU16(p, v);
  IMAGE_StoreU16(p + 2, v >> 16);
}
