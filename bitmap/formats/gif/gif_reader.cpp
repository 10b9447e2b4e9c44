// GIF file reader: the first frame of a file with its palette cleaned up by the colour
// reduction (best palette, with or without the transparent colour).
#include <vector>

#include "bitmap/reduce/colour_reduce.h"
#include "bitmap/document/file_bytes.h"
#include "bitmap/formats/gif/gif.h"
#include "common/host/app_host.h"

ImageDocument* GIF_CleanUpPalette(ImageDocument* doc, int withTrans) {
  return withTrans ? IMAGE_ConvertToBestPaletteTrans(doc, 0xFFFFFF) : IMAGE_ConvertToBestPalette(doc);
}

ImageDocument* GIF_Read(const char* path) {
  FileBytes data;
  size_t fileSize;
  const int read = IMAGE_ReadFileBytes(path, GIF_MAX_FILE_SIZE, &data, &fileSize);
  if (read == FILE_BYTES_ETOOLONG || read == FILE_BYTES_ENOMEM) {
    IMAGE_Warning(IMAGE_FileBytesText(read));
    return nullptr;
  }
  if (read != FILE_BYTES_OK) return nullptr;
  AppHost* host = HOST_Get();
  if (host) host->SetWaitCursor(true);
  GifInfo info = {};
  info.ByteCount = static_cast<uint32_t>(data.size());
  info.FirstGlobalFrame = -1;
  info.FrameCount = 1;
  info.pfPalette = GIF_CleanUpPalette;
  GifFrame frame = {};
  const int status = GIF_Parse(data.data(), &info, &frame, 0);
  if (host) host->SetWaitCursor(false);
  if (status == GIF_EDATA) IMAGE_Warning("Image could not be read");
  if (status == GIF_ENOMEM) IMAGE_Warning(IMAGE_FileBytesText(FILE_BYTES_ENOMEM));
  return status == GIF_OK ? frame.pImage : nullptr;
}
