// 16- and 32-bit pixels read through colour masks. Each channel is scaled from its
// mask width to 0..255 with v * 255 / max (rounded down). A mask without bits cannot be
// normalised and makes the file unusable.
#include <vector>

#include "bitmap/formats/bmp/dib_internal.h"

namespace {

const char kTextNoMasks[] = "16 BPP bitmap - Invalid bitfield pointer!";

struct Channel {
  uint32_t Mask;
  uint32_t Shift;
  uint64_t Max;  // mask shifted down to bit 0

  uint32_t scale(uint32_t word) const {
    if (!Mask) return 0;
    return static_cast<uint32_t>(((word & Mask) >> Shift) * 255u / Max);
  }
};

Channel make_channel(uint32_t mask) {
  Channel c = {mask, 0, 1};
  if (!mask) return c;
  while (!((mask >> c.Shift) & 1)) ++c.Shift;
  c.Max = mask >> c.Shift;
  return c;
}

DibResult failure(const char* text) { return {IMAGE_DIB_EFORMAT, text, nullptr}; }

}  // namespace

DibResult DIB_DecodeBitfields(const DibInfo& info, const DibBytes& bits, ImageDocument* doc) {
  const bool is16 = info.BitCount == 16;
  uint32_t masks[4];
  const char* text;
  if (is16 && info.Compression == DIB_BI_RGB) {
    masks[0] = 0x7C00;
    masks[1] = 0x03E0;
    masks[2] = 0x001F;
    masks[3] = 0;
    text = "Loaded 16 bpp bitmap (RGB)";
  } else if (info.Compression == DIB_BI_BITFIELDS) {
    if (!info.HasMasks) return failure(kTextNoMasks);
    const uint32_t keep = is16 ? 0xFFFFu : 0xFFFFFFFFu;
    for (int i = 0; i < 4; ++i) masks[i] = info.aMask[i] & keep;
    if (!masks[0] || !masks[1] || !masks[2])
      return failure(is16 ? "16 BPP bitmap - Unknown compression format (should be BI_RGB or BI_RLE8)"
                          : "32 BPP bitmap - Unknown compression format");
    text = is16 ? "Loaded 16 bpp bitmap (Bitfields)" : "Loaded 32 bpp bitmap (BITFIELDS)";
  } else {
    return failure(is16 ? "16 BPP bitmap - Unknown compression format (should be BI_RGB or BI_RLE8)"
                        : "32 BPP bitmap - Unknown compression format (should be BI_RGB or BI_RLE8)");
  }

  const Channel red = make_channel(masks[0]);
  const Channel green = make_channel(masks[1]);
  const Channel blue = make_channel(masks[2]);
  const Channel alpha = make_channel(masks[3]);
  const uint32_t bytesPerPixel = is16 ? 2 : 4;
  const uint64_t stride = (static_cast<uint64_t>(info.Width) * info.BitCount + 31) / 32 * 4;
  std::vector<uint8_t> buffer(static_cast<size_t>(stride));
  uint32_t anyAlpha = 0;
  for (int32_t y = 0; y < doc->YSize; ++y) {
    const uint64_t srcRow = info.Height < 0 ? y : doc->YSize - 1 - y;
    DIB_CopyRange(bits, srcRow * stride, buffer.data(), buffer.size());
    const uint8_t* src = buffer.data();
    uint8_t* dst = IMAGE_GetRow(doc, y);
    for (int32_t x = 0; x < doc->XSize; ++x, src += bytesPerPixel, dst += 4) {
      uint32_t word = src[0] | (src[1] << 8);
      if (!is16) word |= (src[2] << 16) | (static_cast<uint32_t>(src[3]) << 24);
      uint32_t trans = 0;
      if (alpha.Mask) {
        const uint32_t a = alpha.scale(word);
        anyAlpha |= a;
        trans = 255u - a;
      }
      dst[0] = static_cast<uint8_t>(red.scale(word));
      dst[1] = static_cast<uint8_t>(green.scale(word));
      dst[2] = static_cast<uint8_t>(blue.scale(word));
      dst[3] = static_cast<uint8_t>(trans);
    }
  }
  if (anyAlpha) doc->HasAlpha = 1;
  return {IMAGE_DIB_OK, text, nullptr};
}
