// Frames of an animated GIF decoded in one pass: each frame sees the graphic control
// extension last met before it and the tables it would see in a walk from the start.
#include "bitmap/formats/gif/gif_animation.h"

int GIFANIM_Open(GifAnimation* a, const uint8_t* pData, size_t size) {
  *a = GifAnimation{};
  if (size > GIF_MAX_FILE_SIZE) return GIF_EFORMAT;
  a->Info.ByteCount = static_cast<uint32_t>(size);
  a->Info.FirstGlobalFrame = -1;
  a->Info.pfPalette = GIF_CleanUpPalette;
  const int status = GIF_Parse(pData, &a->Info, nullptr, 0);
  if (status) return status;
  a->TotalDelay = a->Info.TotalDelay;
  return GIF_BeginWalk(pData, &a->Info, &a->Walk);
}

int GIFANIM_DecodeNext(GifAnimation* a, GifFrame* f) {
  if (a->Walk.Frame >= a->Info.FrameCount) return GIF_EFORMAT;
  GifFrame desc = {};
  bool trailer;
  int status = GIF_WalkToImage(&a->Walk, &a->Info, &desc, &trailer);
  if (status) return status;
  if (trailer) return GIF_EFORMAT;
  f->pImage = nullptr;
  f->Left = desc.Left;
  f->Top = desc.Top;
  f->Width = desc.Width;
  f->Height = desc.Height;
  f->Flags = desc.Flags;
  status = GIF_DecodeAtWalk(&a->Walk, &a->Info, f);
  if (status) return status;
  status = GIF_SkipImage(&a->Walk, &desc);
  if (status) {
    IMAGE_Free(f->pImage);
    f->pImage = nullptr;
  }
  return status;
}
