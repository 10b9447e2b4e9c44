// LZW encoder with an open-addressed hash dictionary of 5021 entries.
#include "bitmap/output/lzw_encoder.h"

#include <cstring>
#include <memory>
#include <new>

namespace {

enum { HASH_SIZE = 5021, MAX_BITS = 12 };

struct Dictionary {
  int32_t aKey[HASH_SIZE];  // (prefix << 8 | suffix) + 1, 0 for an empty slot
  uint16_t aCode[HASH_SIZE];
  void Clear() { std::memset(aKey, 0, sizeof(aKey)); }
};

// Collects codes into bytes and the bytes into sub-blocks.
struct CodePacker {
  OutWriter* pOut;
  uint32_t Bits = 0;
  int NumBits = 0;
  uint8_t aBlock[255];
  int NumBytes = 0;

  void Byte(uint8_t b) {
    aBlock[NumBytes++] = b;
    if (NumBytes == 255) FlushBlock();
  }
  void FlushBlock() {
    if (!NumBytes) return;
    OUT_PutByte(pOut, static_cast<uint8_t>(NumBytes));
    OUT_Write(pOut, aBlock, static_cast<size_t>(NumBytes));
    NumBytes = 0;
  }
  void Put(uint32_t code, int width) {
    Bits |= code << NumBits;
    NumBits += width;
    while (NumBits >= 8) {
      Byte(static_cast<uint8_t>(Bits));
      Bits >>= 8;
      NumBits -= 8;
    }
  }
  void Finish() {
    if (NumBits > 0) Byte(static_cast<uint8_t>(Bits));
    Bits = 0;
    NumBits = 0;
    FlushBlock();
    OUT_PutByte(pOut, 0);
  }
};

}  // namespace

bool LZW_Encode(OutWriter* w, int minCodeSize, const uint8_t* (*pfRow)(const void* context, int32_t y),
                const void* context, int32_t width, int32_t height) {
  std::unique_ptr<Dictionary> dict(new (std::nothrow) Dictionary);
  if (!dict || width <= 0 || height <= 0) return false;
  auto packer = std::make_unique<CodePacker>();
  packer->pOut = w;
  const uint32_t clearCode = 1u << minCodeSize;
  int codeWidth = minCodeSize + 1;
  uint32_t nextCode = clearCode + 2;
  dict->Clear();
  packer->Put(clearCode, codeWidth);
  uint32_t prefix = pfRow(context, 0)[0] & (clearCode - 1);
  int32_t x0 = 1;
  for (int32_t y = 0; y < height && !OUT_Failed(w); ++y, x0 = 0) {
    const uint8_t* row = pfRow(context, y);
    for (int32_t x = x0; x < width; ++x) {
      const uint32_t k = row[x] & (clearCode - 1);  // bytes past the palette stay in range
      const int32_t key = static_cast<int32_t>((prefix << 8 | k) + 1);
      int32_t h = static_cast<int32_t>((k << 4) ^ prefix);
      while (dict->aKey[h] && dict->aKey[h] != key) {
        h -= h == 0 ? 1 : HASH_SIZE - h;
        if (h < 0) h += HASH_SIZE;
      }
      if (dict->aKey[h]) {
        prefix = dict->aCode[h];
        continue;
      }
      if (nextCode <= (1u << codeWidth)) {
        dict->aKey[h] = key;
        dict->aCode[h] = static_cast<uint16_t>(nextCode++);
      }
      packer->Put(prefix, codeWidth);
      if (nextCode > (1u << codeWidth)) {
        if (codeWidth < MAX_BITS) {
          ++codeWidth;
        } else {
          packer->Put(clearCode, codeWidth);
          codeWidth = minCodeSize + 1;
          nextCode = clearCode + 2;
          dict->Clear();
        }
      }
      prefix = k;
    }
  }
  packer->Put(prefix, codeWidth);
  packer->Put(clearCode + 1, codeWidth);
  packer->Finish();
  return !OUT_Failed(w);
}
