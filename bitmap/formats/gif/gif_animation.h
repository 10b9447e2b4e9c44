// Every frame of an animated GIF, for the animated sprite and cursor output: one walk
// counts the frames and sums their delays, a second one decodes the frames in order.
// Frames whose file carries a local colour table get their palette cleaned up (best
// palette + transparency); frames of the global table keep it as the file has it.
#pragma once

#include <cstddef>
#include <cstdint>

#include "bitmap/formats/gif/gif.h"

struct GifAnimation {
  GifInfo Info;         // FrameCount and FirstGlobalFrame as the walks found them
  uint32_t TotalDelay;  // milliseconds, of every graphic control extension in the file
  GifWalk Walk;         // the decoding walk
};

// Counts the frames of the file (size bytes at pData, which must outlive the animation)
// and prepares the decoding walk. GIF_OK or a GIF_E* status.
int GIFANIM_Open(GifAnimation* pAnim, const uint8_t* pData, size_t size);
// Decodes the next frame into *pFrame (pFrame->pImage then belongs to the caller).
// Call it FrameCount times. GIF_OK or a GIF_E* status.
int GIFANIM_DecodeNext(GifAnimation* pAnim, GifFrame* pFrame);
