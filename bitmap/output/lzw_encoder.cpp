// LZW encoder. The dictionary maps (prefix code, pixel) to the code of that string; it is
// an open-addressed hash table of 16384 slots, at most a quarter full (a 12-bit code table
// holds at most 4096 strings), so a lookup rarely probes more than one slot. Which strings
// the dictionary holds, and so every code written, follows from the LZW rules alone.
#include "bitmap/output/lzw_encoder.h"

#include <cstring>
#include <memory>
#include <new>

namespace {

enum { HASH_BITS = 14, HASH_SIZE = 1 << HASH_BITS, MAX_BITS = 12 };

struct Dictionary {
  // prefix << 8 | pixel in bits 12-31 and the code in bits 0-11; 0 for an empty slot (a
  // stored code is never 0: codes start above the clear and end codes).
  uint32_t aSlot[HASH_SIZE];
  uint16_t aUsed[1 << MAX_BITS];  // the slots filled since the last clear
  int NumUsed;
  void Init() {
    std::memset(aSlot, 0, sizeof(aSlot));
    NumUsed = 0;
  }
  void Clear() {
    for (int i = 0; i < NumUsed; ++i) aSlot[aUsed[i]] = 0;
    NumUsed = 0;
  }
  void Store(uint32_t h, uint32_t slot) {
    aSlot[h] = slot;
    aUsed[NumUsed++] = static_cast<uint16_t>(h);
  }
  static uint32_t Hash(uint32_t key) { return (key * 0x9E3779B1u) >> (32 - HASH_BITS); }
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
  dict->Init();
  packer->Put(clearCode, codeWidth);
  uint32_t prefix = pfRow(context, 0)[0] & (clearCode - 1);
  int32_t x0 = 1;
  for (int32_t y = 0; y < height && !OUT_Failed(w); ++y, x0 = 0) {
    const uint8_t* row = pfRow(context, y);
    for (int32_t x = x0; x < width; ++x) {
      const uint32_t k = row[x] & (clearCode - 1);  // bytes past the palette stay in range
      const uint32_t key = prefix << 8 | k;  // below 2^20
      uint32_t h = Dictionary::Hash(key);
      uint32_t slot;
      while ((slot = dict->aSlot[h]) != 0 && slot >> 12 != key) h = (h + 1) & (HASH_SIZE - 1);
      if (slot) {
        prefix = slot & 0xFFF;
        continue;
      }
      // Code 4096 would be stored only for the clear that follows at once: it is never seen.
      if (nextCode <= (1u << codeWidth)) {
        if (nextCode < (1u << MAX_BITS)) dict->Store(h, key << 12 | nextCode);
        ++nextCode;
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
