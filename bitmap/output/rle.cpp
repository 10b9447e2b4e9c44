// Run-length segmentation and the binary block form. The segmentation measures the run at
// each block start; an absolute block ends before the first run of four or more equal
// values, so a run of three only starts a run block where a block begins.
#include "bitmap/output/rle.h"

#include <bit>
#include <cstring>

#include "common/memory/large_block.h"

static const size_t kMaxKeys = static_cast<size_t>(IMAGE_MAX_PIXELS);

bool RLE_GetKeys(const RleSource* src, RleKeys* keys) {
  const ImageDocument* doc = src->pDoc;
  keys->NumKeys = 0;
  if (doc->XSize <= 0 || doc->YSize <= 0) return false;
  const uint64_t n = static_cast<uint64_t>(doc->XSize) * static_cast<uint64_t>(doc->YSize);
  if (n > kMaxKeys) return false;
  keys->pKeys.reset(static_cast<uint32_t*>(MEM_AllocLargeBlock(static_cast<size_t>(n) * sizeof(uint32_t))));
  if (!keys->pKeys) return false;
  keys->NumKeys = static_cast<size_t>(n);
  uint32_t* out = keys->pKeys.get();
  const size_t width = static_cast<size_t>(doc->XSize);
  // Alpha keys of a paletted document: the palette entries' transparency bytes.
  const bool paletteAlpha = src->Variant == RLE_VARIANT_ALPHA && doc->NumColors;
  uint32_t aTrans[256];
  if (paletteAlpha) {
    ColorValue pal[256];
    IMAGE_GetPaletteMap(doc, pal);
    for (int i = 0; i < 256; ++i) aTrans[i] = COLOR_Trans(pal[i]);
  }
  for (int32_t y = 0; y < doc->YSize; ++y, out += width) {
    const uint8_t* row = IMAGE_GetRow(doc, y);
    if (paletteAlpha) {
      for (size_t x = 0; x < width; ++x) out[x] = aTrans[row[x]];
    } else if (doc->BitsPerPixel == 8) {
      for (size_t x = 0; x < width; ++x) out[x] = row[x];
    } else if constexpr (std::endian::native == std::endian::little) {
      std::memcpy(out, row, 4 * width);
    } else {
      for (size_t x = 0; x < width; ++x) {
        const uint8_t* p = row + 4 * x;
        out[x] = p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
      }
    }
    if (src->Variant == RLE_VARIANT_ALPHA && !paletteAlpha)
      for (size_t x = 0; x < width; ++x) out[x] = COLOR_Trans(out[x]);
  }
  return true;
}

size_t RLE_RunLength(const uint32_t* keys, size_t numKeys, size_t pos, size_t limit) {
  const uint32_t v = keys[pos];
  size_t end = numKeys - pos < limit ? numKeys : pos + limit;
  size_t i = pos + 1;
  while (i < end && keys[i] == v) ++i;
  return i - pos;
}

RleBlock RLE_NextBlock(const uint32_t* keys, size_t numKeys, size_t pos) {
  const size_t r = RLE_RunLength(keys, numKeys, pos, SIZE_MAX);
  if (r >= 3) return {true, pos, r};
  // The absolute block ends before the first position whose run is 4 or longer; only
  // positions with three keys after them can start one.
  const size_t left = numKeys - pos;
  const size_t limit = left < RLE_MAX_ABSOLUTE ? left : RLE_MAX_ABSOLUTE;
  const size_t searched = left > 3 ? (limit < left - 3 ? limit : left - 3) : 0;
  const uint32_t* k = keys + pos;
  size_t n = 0;
  while (n < searched && !(k[n] == k[n + 1] && k[n] == k[n + 2] && k[n] == k[n + 3])) ++n;
  if (n == searched) n = limit;
  if (n <= 1) return {true, pos, 1};
  return {false, pos, n};
}

static int value_bytes(RleVariant variant) {
  return variant == RLE_VARIANT_16 ? 2 : variant == RLE_VARIANT_32 ? 4 : 1;
}

uint64_t RLE_BlockBytes(RleVariant variant, const RleBlock* block) {
  const uint64_t count = block->Count;
  if (block->IsRun) {
    const uint64_t entries = (count + RLE_MAX_RUN_ENTRY - 1) / RLE_MAX_RUN_ENTRY;
    return entries * static_cast<uint64_t>(1 + value_bytes(variant));
  }
  if (variant == RLE_VARIANT_4) return 2 + (count + 1) / 2;
  return 2 + count * static_cast<uint64_t>(value_bytes(variant));
}

// The blocks of keys[0, n) as bytes; encode(key, out) writes one value and returns its size.
template <typename Encode>
static bool write_binary(OutWriter* w, const RleSource* src, const uint32_t* keys, size_t n, Encode encode) {
  // Each absolute block (at most 2 + 255 values of 4 bytes) is assembled here and handed
  // over whole; runs collect until the buffer is nearly full.
  uint8_t buf[4096];
  size_t used = 0;
  auto flush_if = [&](size_t room) {
    if (used + room > sizeof(buf)) {
      OUT_Write(w, buf, used);
      used = 0;
    }
  };
  uint8_t v[4];
  for (size_t pos = 0; pos < n;) {
    RleBlock b = RLE_NextBlock(keys, n, pos);
    if (b.IsRun) {
      const size_t len = static_cast<size_t>(encode(keys[pos], v));
      for (size_t left = b.Count; left;) {
        size_t c = left > RLE_MAX_RUN_ENTRY ? RLE_MAX_RUN_ENTRY : left;
        flush_if(1 + len);
        buf[used++] = static_cast<uint8_t>(c);
        for (size_t i = 0; i < len; ++i) buf[used++] = v[i];
        left -= c;
      }
    } else {
      flush_if(2 + 4 * RLE_MAX_ABSOLUTE);
      buf[used++] = 0;
      buf[used++] = static_cast<uint8_t>(b.Count);
      if (src->Variant == RLE_VARIANT_4) {
        for (size_t i = 0; i < b.Count; i += 2) {
          uint32_t hi = keys[pos + i] & 15;
          uint32_t lo = i + 1 < b.Count ? keys[pos + i + 1] & 15 : 0;
          buf[used++] = static_cast<uint8_t>(hi << 4 | lo);
        }
      } else {
        for (size_t i = 0; i < b.Count; ++i) used += static_cast<size_t>(encode(keys[pos + i], buf + used));
      }
    }
    pos += b.Count;
  }
  OUT_Write(w, buf, used);
  return !OUT_Failed(w);
}

bool RLE_WriteBinary(OutWriter* w, const RleSource* src) {
  RleKeys k;
  if (!RLE_GetKeys(src, &k)) return false;
  const uint32_t* keys = k.pKeys.get();
  // RLE16 of a true-colour document: the 565 value of each key inline.
  if (src->Variant == RLE_VARIANT_16 && !src->pDoc->NumColors) {
    auto put = [](uint32_t v, uint8_t* out) {
      out[0] = static_cast<uint8_t>(v);
      out[1] = static_cast<uint8_t>(v >> 8);
      return 2;
    };
    if (src->pFormat16 == &COLOR_FORMAT_565)
      return write_binary(w, src, keys, k.NumKeys, [put](uint32_t key, uint8_t* out) { return put(COLOR_Index565(key), out); });
    if (src->pFormat16 == &COLOR_FORMAT_M565)
      return write_binary(w, src, keys, k.NumKeys, [put](uint32_t key, uint8_t* out) { return put(COLOR_IndexM565(key), out); });
  }
  return write_binary(w, src, keys, k.NumKeys, [src](uint32_t key, uint8_t* out) { return RLE_EncodeValue(src, key, out); });
}
