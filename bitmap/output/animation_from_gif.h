// Animated sprite or cursor C file from an animated GIF: every frame decoded in order and
// handed to the animation writer, one frame in memory at a time.
#pragma once

#include <cstdio>

#include "bitmap/formats/gif/gif_animation.h"
#include "bitmap/output/c_animation_writer.h"

enum {
  ANIMGIF_OK = 0,
  ANIMGIF_EDECODE = 1,   // a frame could not be decoded (GIF_E* in *pGifStatus)
  ANIMGIF_EWRITER = 2,   // the writer refused a frame (CANIM_* in *pWriterStatus)
  ANIMGIF_EWRITE = 3,    // the file could not be written
};

// Called before each frame is written (the status text of the command).
typedef void (*ANIMGIF_FrameHook)(int frameIndex);

// Writes the whole file for an opened animation (GIFANIM_Open) into file. The status
// pointers may be null.
int ANIMGIF_Write(GifAnimation* pAnim, FILE* file, const CAnimRequest* pRequest, ANIMGIF_FrameHook pfHook,
                  int* pGifStatus, int* pWriterStatus);
