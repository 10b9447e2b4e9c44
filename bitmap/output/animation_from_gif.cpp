// Frames of an animated GIF into the animation writer.
#include "bitmap/output/animation_from_gif.h"

#include <memory>

int ANIMGIF_Write(GifAnimation* anim, FILE* file, const CAnimRequest* request, ANIMGIF_FrameHook pfHook,
                  int* pGifStatus, int* pWriterStatus) {
  auto buffer = std::make_unique<OutWriter>();
  CTextWriter w;
  OUT_Init(buffer.get(), file);
  CTEXT_Init(&w, buffer.get());
  CAnimWriter writer;
  const int n = anim->Info.FrameCount;
  for (int k = 0; k < n; ++k) {
    GifFrame frame = {};
    const int status = GIFANIM_DecodeNext(anim, &frame);
    if (pGifStatus) *pGifStatus = status;
    if (status) return ANIMGIF_EDECODE;
    if (pfHook) pfHook(k);
    const CAnimFrame f = {frame.pImage, frame.OwnPalette, anim->Info.FirstGlobalFrame, frame.Delay};
    const int written = CANIM_WriteFrame(&writer, &w, request, &f, n - 1 - k);
    IMAGE_Free(frame.pImage);  // one frame at a time: a file may hold thousands
    if (pWriterStatus) *pWriterStatus = written;
    if (written == CANIM_EWRITE) return ANIMGIF_EWRITE;
    if (written) return ANIMGIF_EWRITER;
  }
  return CTEXT_Flush(&w) ? ANIMGIF_OK : ANIMGIF_EWRITE;
}
