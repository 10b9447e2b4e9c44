// Frame walk of the animated sprite and cursor output: the counting walk, every frame in
// one pass with the palette clean-up of frames with their own table, and (for small
// screens) the C file written from them.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "bitmap/output/animation_from_gif.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  GifAnimation anim;
  if (GIFANIM_Open(&anim, data, size) != GIF_OK) return 0;
  const int numFrames = anim.Info.FrameCount;
  if (uint32_t(anim.Info.Width) * anim.Info.Height <= 4096) {
    FILE* out = std::fopen("/dev/null", "wb");
    if (!out) return 0;
    const CAnimRequest request = {(size & 1) ? CANIM_KIND_CURSOR : CANIM_KIND_SPRITE, "fuzz.c", anim.TotalDelay, false};
    ANIMGIF_Write(&anim, out, &request, nullptr, nullptr, nullptr);
    std::fclose(out);
    return 0;
  }
  for (int k = 0; k < numFrames; ++k) {
    GifFrame f = {};
    const int status = GIFANIM_DecodeNext(&anim, &f);
    if ((status == GIF_OK) != (f.pImage != nullptr)) std::abort();
    if (!f.pImage) break;
    for (int32_t y = 0; y < f.pImage->YSize; ++y)
      for (int32_t x = 0; x < f.pImage->XSize; ++x)
        if (IMAGE_GetIndex(f.pImage, x, y) >= uint32_t(f.pImage->NumColors)) std::abort();
    IMAGE_Free(f.pImage);
  }
  return 0;
}
